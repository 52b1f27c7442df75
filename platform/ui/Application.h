#pragma once

#include <QApplication>
#include <exception>
#include <functional>

namespace ui {

// The application: an exception that leaves an event handler is shown once in the
// default error box and the program goes on.
class TApplication : public QApplication
{
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The default error box: the exception's text, the error icon, the program's title.
void ShowException(const std::exception& error);

// Runs a handler as the event loop would: an exception ends it in the default error box.
void RunGuarded(const std::function<void()>& handler);

// The fonts the windows were designed with, mapped to fonts a Linux desktop has.
void InstallFontSubstitutes();

// The application object: owner of the windows and modules that live until the
// program ends. ReleaseApplicationObject destroys it and all it owns.
QObject* ApplicationObject();
void ReleaseApplicationObject();

} // namespace ui
