#include "Messages.h"

#include <QApplication>

namespace ui {

namespace {
MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}
} // namespace

void ShowMessageBox(const MessageBoxRequest& request)
{
    if (Hook()) {
        Hook()(request);
        return;
    }
    QMessageBox box(request.icon, request.caption, request.text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    MessageBoxHook previous = Hook();
    Hook() = std::move(hook);
    return previous;
}

} // namespace ui
