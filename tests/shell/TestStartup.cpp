#include "TestSupport.h"

#include "data/BdatosADO.h"
#include "data/General.h"
#include "shell/MAIN.h"
#include "shell/Splash.h"
#include "shell/Startup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

// Each step of start-up, and whether the splash was visible and the database module
// and the main window existed then ("110": splash and database only).
class SplashRecorder
{
public:
    SplashRecorder()
    {
        m_previous = shell::SetSplashHook([this](const shell::SplashStep& step) {
            const char* const kinds[] = {"shown", "repaint", "wait"};
            steps << (step.kind == shell::SplashStep::Waited
                          ? QStringLiteral("wait %1").arg(step.milliseconds)
                          : QStringLiteral("%1 '%2' %3")
                                .arg(kinds[step.kind], step.status)
                                .arg(step.progress));
            states << QStringLiteral("%1%2%3")
                          .arg(int(F_Splash && F_Splash->isVisible()))
                          .arg(int(!DM_BdatosADO.isNull()))
                          .arg(int(!MainForm.isNull()));
            if (step.kind == shell::SplashStep::Shown)
                splashGeometry = F_Splash->frameGeometry();
        });
    }
    ~SplashRecorder() { shell::SetSplashHook(m_previous); }

    QStringList steps;
    QStringList states;
    QRect splashGeometry;

private:
    shell::SplashHook m_previous;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        delete MainForm.data();
        ui::ReleaseApplicationObject();
    }

    // Each step with its text and progress; the splash, centred on the screen, shows
    // before the database is opened and the main window comes only after it has gone.
    void splashShowsEachStepInOrder()
    {
        testing::Workspace ws;
        ws.Db().Exec("INSERT INTO PregEncTemp VALUES (1,'pregunta',0)");
        testing::MessageRecorder messages;
        SplashRecorder splash;

        QVERIFY(shell::StartApplication());

        const QString connecting = QStringLiteral("'Realizando conexión a la base de datos...' ");
        const QString loading = QStringLiteral("'Cargando Aplicacion...' ");
        QCOMPARE(splash.steps.join('|'),
                 "shown '' 0|repaint " + connecting + "0|wait 1000|repaint " + connecting +
                     "25|wait 500|repaint " + loading + "50|wait 500|repaint " + loading +
                     "75|wait 500|repaint " + loading + "100");
        QCOMPARE(splash.states, QStringList{"100"} + QStringList(9, "110"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((splash.splashGeometry.center() - screen.center()).manhattanLength() <= 2);
        QVERIFY(F_Splash.isNull() && !MainForm.isNull() && !DM_General.isNull());
        // The scratch table starts empty.
        QCOMPARE(ws.Db().Scalar("SELECT count(*) FROM PregEncTemp").toInt(), 0);
        QVERIFY(messages.messages.isEmpty());
    }

    // An ini file saved on Windows names a folder that ends in a letter of its code page.
    void iniSavedOnWindowsReachesTheMainWindow()
    {
        testing::Workspace ws;
        QVERIFY(QDir(ws.Dir()).rename(QStringLiteral("datos"), QStringLiteral("datosñ")));
        QFile ini(ws.Dir() + QStringLiteral("/Dimarvolteca.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Base_de_Datos]\r\nrutabd=\\datos\xF1\r\narchivo=test.db\r\n");
        ini.close();
        testing::MessageRecorder messages;
        SplashRecorder splash;
        const bool started = shell::StartApplication();
        QCOMPARE(messages.Shown(), QStringList());
        QVERIFY(started && MainForm);
    }

    void withoutGraphicalSession_data()
    {
        QTest::addColumn<QString>("display"); // empty: none at all
        int free = 4242;
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(free)))
            ++free;
        QTest::newRow("no DISPLAY") << QString();
        QTest::newRow("DISPLAY with no server") << QStringLiteral(":%1").arg(free);
    }

    // The program says in Spanish that it needs a graphical session, and fails, instead
    // of the toolkit's English abort.
    void withoutGraphicalSession()
    {
        QFETCH(QString, display);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        display.isEmpty() ? env.remove(QStringLiteral("DISPLAY"))
                          : env.insert(QStringLiteral("DISPLAY"), display);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DIMARVOLTECA_PROGRAM), QStringList());
        QVERIFY2(program.waitForFinished(10000), "the program did not end: a display answered");
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()).section(u'\n', 0, 1),
                 QStringLiteral("Dimarvolteca necesita una sesión gráfica y no ha podido abrir la "
                                "pantalla. Inícielo desde el escritorio.\nDetalle técnico: could "
                                "not connect to display") +
                     (display.isEmpty() ? QString() : u' ' + display));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
    }

    void failedConnectionEndsWithoutMainWindow()
    {
        testing::Workspace ws(false); // no database file
        QStringList texts;
        bool splashUnderBox = false;
        const ui::MessageBoxHook previous =
            ui::SetMessageBoxHook([&](const ui::MessageBoxRequest& request) {
                texts << request.text;
                splashUnderBox = F_Splash && F_Splash->isVisible();
            });
        bool loopRan = false;
        QTimer loopProbe;
        loopProbe.setSingleShot(true);
        connect(&loopProbe, &QTimer::timeout, [&] {
            loopRan = true;
            QCoreApplication::quit();
        });
        // Armed once the splash shows: from then on only a message loop would run it.
        QList<shell::SplashStep> steps;
        const shell::SplashHook previousSplash =
            shell::SetSplashHook([&](const shell::SplashStep& step) {
                steps << step;
                loopProbe.start(0);
            });

        const int code = shell::RunApplication();

        loopProbe.stop();
        shell::SetSplashHook(previousSplash);
        ui::SetMessageBoxHook(previous);
        QVERIFY(code != 0);
        QCOMPARE(texts, QStringList{QStringLiteral("Error al conectar a la base de datos")});
        QVERIFY(splashUnderBox);
        QCOMPARE(steps.size(), 1); // shown, then nothing more
        QVERIFY(!loopRan);
        QVERIFY(F_Splash.isNull() && MainForm.isNull() && DM_General.isNull());
    }

    // The scratch table missing: the default error box, and start-up goes on.
    void errorWhileCreatingMainWindowIsShownAndStartupGoesOn()
    {
        testing::Workspace ws;
        ws.Db().Exec("DROP TABLE PregEncTemp");
        testing::MessageRecorder messages;
        SplashRecorder splash;

        QVERIFY(shell::StartApplication());

        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().icon, QMessageBox::Critical);
        QVERIFY(!MainForm.isNull() && !DM_General.isNull());
    }

    void runEndsWhenTheMainWindowCloses_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"close box", "Salir", "Cerrar aplicación", "another window"})
            QTest::newRow(how) << QString::fromUtf8(how);
    }

    void runEndsWhenTheMainWindowCloses()
    {
        QFETCH(QString, how);
        testing::Workspace ws;
        testing::MessageRecorder messages;
        SplashRecorder splash;
        VIndicadores.assign(2, std::vector<TIndicadorCheck>(3));
        QPointer<QWidget> other;
        bool acted = false;
        QTimer driver;
        driver.setInterval(5);
        connect(&driver, &QTimer::timeout, [&] {
            if (acted || !MainForm || !MainForm->isVisible())
                return;
            acted = true;
            if (how == "close box") {
                MainForm->close();
            } else if (how == "Salir") {
                MainForm->findChild<QAction*>("FileExitItem")->trigger();
            } else if (how == "Cerrar aplicación") {
                QTest::mouseClick(MainForm->findChild<QToolButton*>("ToolButton10"),
                                  Qt::LeftButton);
            } else {
                other = new QWidget;
                other->setAttribute(Qt::WA_DeleteOnClose);
                other->show();
                MainForm->close();
            }
        });
        driver.start();

        const int code = shell::RunApplication();

        driver.stop();
        QVERIFY(acted);
        QCOMPARE(code, 0);
        QVERIFY(MainForm.isNull() && DM_BdatosADO.isNull() && DM_General.isNull());
        QVERIFY(VIndicadores.empty());
        QVERIFY(messages.messages.isEmpty());
        delete other.data();
    }
};

DIMARVOLTECA_TEST_MAIN(TestStartup)
#include "TestStartup.moc"
