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
    // A box may quote a stored definition or a centre's name: its tags, '&' and line
    // breaks show as they stand, never as rich text that the toolkit guessed.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    MessageBoxHook previous = Hook();
    Hook() = std::move(hook);
    return previous;
}

} // namespace ui
