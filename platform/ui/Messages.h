#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace ui {

struct MessageBoxRequest
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows a modal box with one OK button. Every box of the program goes through here,
// so a test can answer them at once instead of a person.
void ShowMessageBox(const MessageBoxRequest& request);

using MessageBoxHook = std::function<void(const MessageBoxRequest&)>;
// Replaces the real box; an empty hook restores it. Returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

} // namespace ui
