#pragma once

#include <QApplication>
#include <QDate>
#include <QIcon>
#include <exception>
#include <functional>

namespace ui {

// The application: Spanish whatever the machine's locale, the program's icon on every
// window, and an exception that leaves an event handler shown once in the default
// error box while the program goes on.
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

// Spain's Spanish as the locale of every date and number, and Qt's own Spanish
// translations for the texts of its dialogs, whatever the machine's locale. False
// when Qt's translations are not installed: the dialogs then speak English.
bool InstallSpanish(QCoreApplication* application);

// A date as Spain's short date writes it: day/month/year, "02/05/2024".
QString ShortDateText(const QDate& date);

// The program's own icon.
QIcon ProgramIcon();

// The application object: owner of the windows and modules that live until the
// program ends. ReleaseApplicationObject destroys it and all it owns.
QObject* ApplicationObject();
void ReleaseApplicationObject();

} // namespace ui
