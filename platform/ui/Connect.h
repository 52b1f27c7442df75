#pragma once

#include "Application.h"

#include <QObject>
#include <type_traits>
#include <utility>

namespace ui {

// Connects a control's signal to a window's handler. An exception that leaves the
// handler ends it here, in the default error box, and never unwinds through Qt's
// event dispatch: Qt does not support that, and would leak the event it delivers.
// The handler may take fewer arguments than the signal gives, as with Qt's connect.
template <typename Sender, typename Signal, typename Receiver, typename R, typename C,
          typename... Args>
QMetaObject::Connection Connect(Sender* sender, Signal signal, Receiver* receiver,
                                R (C::*handler)(Args...))
{
    static_assert(std::is_base_of_v<C, Receiver>, "the handler must be the receiver's");
    return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
        RunGuarded([&] { (receiver->*handler)(std::forward<Args>(args)...); });
    });
}

// The same for a handler written in place, taking the signal's arguments or none;
// `context` ends the connection when it goes.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection Connect(Sender* sender, Signal signal, const QObject* context,
                                Handler handler)
{
    return QObject::connect(sender, signal, context, [handler](auto&&... args) {
        RunGuarded([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        });
    });
}

} // namespace ui
