#include "Startup.h"

#include "MAIN.h"
#include "Splash.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/ui/Application.h"
#include "platform/ui/Ownership.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

namespace shell {

namespace {

SplashHook& Hook()
{
    static SplashHook hook;
    return hook;
}

void Report(SplashStep::Kind kind, int milliseconds = 0)
{
    if (!Hook())
        return;
    SplashStep step;
    step.kind = kind;
    step.milliseconds = milliseconds;
    step.status = F_Splash->Label1->text();
    step.progress = F_Splash->ProgressBar1->value();
    Hook()(step);
}

// Nothing else is processed while the splash shows, but the window system has to
// map the window before a repaint can reach the screen.
void WaitUntilExposed(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    QElapsedTimer elapsed;
    elapsed.start();
    while (handle && !handle->isExposed() && elapsed.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        QThread::msleep(10);
    }
}

void ShowStatus(const QString& text)
{
    F_Splash->Label1->setText(text);
    F_Splash->Label1->adjustSize();
}

void Repaint()
{
    F_Splash->repaint();
    Report(SplashStep::Repainted);
}

void Wait(int milliseconds)
{
    if (Hook())
        Report(SplashStep::Waited, milliseconds);
    else
        QThread::msleep(milliseconds);
}

void Advance()
{
    F_Splash->ProgressBar1->setValue(F_Splash->ProgressBar1->value() + 25);
}

void FreeSplash()
{
    F_Splash->close();
    delete F_Splash.data();
}

void EndApplication()
{
    VIndicadores.clear();
    VIndicadoresIR.clear();
    NumDimensiones = 0;
    ui::ReleaseApplicationObject();
}

} // namespace

SplashHook SetSplashHook(SplashHook hook)
{
    SplashHook previous = Hook();
    Hook() = std::move(hook);
    return previous;
}

bool StartApplication()
{
    F_Splash = new TF_Splash;
    ui::Own(ui::ApplicationObject(), F_Splash);
    ShowStatus(QString());
    F_Splash->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    F_Splash->show();
    if (!Hook())
        WaitUntilExposed(F_Splash);
    Report(SplashStep::Shown);

    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    if (DM_BdatosADO->TerminacionSolicitada()) {
        FreeSplash();
        return false;
    }

    ShowStatus(QStringLiteral("Realizando conexión a la base de datos..."));
    Repaint();
    Wait(1000);
    Advance();
    Repaint();
    ShowStatus(QStringLiteral("Cargando Aplicacion..."));
    for (int i = 0; i < 3; ++i) {
        Wait(500);
        Advance();
        Repaint();
    }
    FreeSplash();

    MainForm = new TMainForm;
    ui::Own(ui::ApplicationObject(), MainForm);
    return true;
}

int RunApplication()
{
    int code = 1;
    if (StartApplication()) {
        // Closing the main window ends the program even when another top-level
        // window (a print preview) is still open.
        const QMetaObject::Connection ends =
            QObject::connect(MainForm, &QObject::destroyed, qApp, &QCoreApplication::quit);
        MainForm->show();
        code = QApplication::exec();
        QObject::disconnect(ends);
    }
    EndApplication();
    return code;
}

} // namespace shell
