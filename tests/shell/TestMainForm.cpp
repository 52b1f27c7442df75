#include "TestSupport.h"

#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/office/DocumentOpener.h"
#include "platform/ui/MdiHost.h"
#include "shell/Acercade.h"
#include "shell/MAIN.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

const QStringList kWorkItems = {"Nuevo1",        "FileOpenItem",         "Cabecera1",
                                "M_CrearMedida", "M_ModificarMedida",    "M_BorrarMedida",
                                "Crear3",        "M_ModificarIndicador", "M_BorrarIndicador",
                                "Obtener1"};

const QString kAvisoManual =
    QStringLiteral("El manual no ha podido abrirse. Consulte el archivo Dimarvolteca.ini");
const QString kAvisoCatalogo = QStringLiteral(
    "El catálogo de indicadores no ha podido abrirse. Consulte el archivo Dimarvolteca.ini");

QAction* Item(const QString& name)
{
    auto* item = MainForm->findChild<QAction*>(name);
    if (!item)
        qFatal("no item %s", qPrintable(name));
    return item;
}

QToolButton* Button(const QString& name)
{
    auto* button = MainForm->findChild<QToolButton*>(name);
    if (!button)
        qFatal("no button %s", qPrintable(name));
    return button;
}

QStringList Enabled(const QStringList& names)
{
    QStringList enabled;
    for (const QString& name : names) {
        if (Item(name)->isEnabled())
            enabled << name;
    }
    return enabled;
}

QString StatusText()
{
    return MainForm->statusBar()->currentMessage();
}

// Runs `command`, which shows the about box modally, and closes the box the way given.
QPointer<TF_Acercade> UseAboutBox(const std::function<void()>& command, bool byOk)
{
    QPointer<TF_Acercade> shown;
    QTimer::singleShot(0, [&] {
        shown = F_Acercade;
        if (!shown)
            return;
        if (byOk)
            QTest::mouseClick(shown->BitBtn1, Qt::LeftButton);
        else
            shown->close();
    });
    command();
    return shown;
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::Workspace> m_ws;
    std::unique_ptr<testing::MessageRecorder> m_messages;
    std::unique_ptr<testing::FileDialogAnswer> m_openDialog;
    QStringList m_launched;
    bool m_launchWorks = true;

    void NewMainForm()
    {
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        MainForm = new TMainForm;
        MainForm->show();
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
    }

private slots:
    void init()
    {
        m_ws = std::make_unique<testing::Workspace>();
        m_messages = std::make_unique<testing::MessageRecorder>();
        m_openDialog = std::make_unique<testing::FileDialogAnswer>(QString(), 0);
        m_launched.clear();
        m_launchWorks = true;
        office::SetLaunchHook([this](const QString& path) {
            m_launched << path;
            return m_launchWorks;
        });
        NewMainForm();
    }

    void cleanup()
    {
        delete MainForm.data();
        ui::ReleaseApplicationObject();
        office::SetLaunchHook(nullptr);
        m_messages.reset();
        m_openDialog.reset();
        m_ws.reset();
    }

    void closingWithAnEditFocusedInAWorkWindow()
    {
        MainForm->Insertar1Click();
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(focused));
        delete MainForm.data();
        QVERIFY(!MainForm);
    }

    void lockDisablesOnlyTheTenWorkItems()
    {
        const QStringList available = {
            "FileExitItem",    "CutItem",    "CopyItem",   "PasteItem",
            "HelpAboutItem",   "Castellano", "Valenciano", "CatalogodeIndicadores1",
            "Manualdeusuario1"};
        const QStringList availableBefore = Enabled(available);
        QCOMPARE(Enabled(kWorkItems), kWorkItems);

        MainForm->InhabilitarMenus();
        MainForm->InhabilitarMenus();
        QCOMPARE(Enabled(kWorkItems), QStringList());
        QCOMPARE(Enabled(available), availableBefore);
        for (const char* name : {"ToolButton9", "ToolButton1", "ToolButton10"})
            QVERIFY2(Button(name)->isEnabled(), name);

        // Calls are not counted: one call gives everything back.
        MainForm->habilitarMenus();
        QCOMPARE(Enabled(kWorkItems), kWorkItems);
    }

    void lockedShortcutsDoNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("toolAction");
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << "Nuevo1"
                                << "FileNew1";
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << "FileOpenItem"
                                << "ToolButton1";
    }

    void lockedShortcutsDoNothing()
    {
        QFETCH(int, key);
        QFETCH(QString, item);
        QFETCH(QString, toolAction);
        QSignalSpy byItem(Item(item), &QAction::triggered);
        QSignalSpy byTool(Item(toolAction), &QAction::triggered);

        MainForm->InhabilitarMenus();
        QTest::keyClick(MainForm, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(byItem.count(), 0);
        QCOMPARE(byTool.count(), 0);

        // Unlocked, the key runs the menu item, once, and nothing else.
        MainForm->habilitarMenus();
        QTest::keyClick(MainForm, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(byItem.count(), 1);
        QCOMPARE(byTool.count(), 0);
    }

    void toolButtonsWorkWhileLocked()
    {
        QSignalSpy nueva(Item("FileNew1"), &QAction::triggered);
        QSignalSpy abrir(Item("ToolButton1"), &QAction::triggered);
        MainForm->InhabilitarMenus();
        QTest::mouseClick(Button("ToolButton9"), Qt::LeftButton);
        QTest::mouseClick(Button("ToolButton1"), Qt::LeftButton);
        QCOMPARE(nueva.count(), 1);
        QCOMPARE(abrir.count(), 1);
        QCOMPARE(Enabled(kWorkItems), QStringList());
    }

    void commandsThatNeverLock_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("Acerca de") << "HelpAboutItem";
        QTest::newRow("Abrir, cancelled") << "FileOpenItem";
        QTest::newRow("Castellano") << "Castellano";
        QTest::newRow("Valenciano") << "Valenciano";
        QTest::newRow("Catalogo") << "CatalogodeIndicadores1";
    }

    void commandsThatNeverLock()
    {
        QFETCH(QString, item);
        if (item == "HelpAboutItem")
            UseAboutBox([&] { Item(item)->trigger(); }, true);
        else
            Item(item)->trigger();
        QCOMPARE(Enabled(kWorkItems), kWorkItems);
        QCOMPARE(MainForm->ClientArea()->subWindowList().size(), 0);
    }

    void aboutBoxIsFreedAndMadeAgain_data()
    {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK") << true;
        QTest::newRow("close box") << false;
    }

    void aboutBoxIsFreedAndMadeAgain()
    {
        QFETCH(bool, byOk);
        for (int use = 0; use < 2; ++use) {
            bool modal = false;
            QString caption;
            QTimer::singleShot(0, [&] {
                modal = F_Acercade && F_Acercade->isModal() && F_Acercade->isVisible() &&
                        QApplication::activeModalWidget() == F_Acercade;
                caption = F_Acercade ? F_Acercade->windowTitle() : QString();
            });
            const QPointer<TF_Acercade> shown =
                UseAboutBox([] { Item("HelpAboutItem")->trigger(); }, byOk);
            QVERIFY(modal);
            QCOMPARE(caption, QStringLiteral("Acerca de Dimarvolteca 1.0"));
            QVERIFY(shown.isNull());
            QVERIFY(F_Acercade.isNull());
        }
        QVERIFY(MainForm->isVisible());
    }

    void statusTextOfHighlightedItem_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("status");
        QTest::newRow("Encuesta") << "File1"
                                  << ""
                                  << "File related commands";
        QTest::newRow("Abrir") << "File1"
                               << "FileOpenItem"
                               << "Open a file";
        QTest::newRow("Nueva has none") << "File1"
                                        << "Nuevo1"
                                        << "";
        QTest::newRow("Salir") << "File1"
                               << "FileExitItem"
                               << "Exit application";
        QTest::newRow("Editar") << "Edit1"
                                << ""
                                << "Edit commands";
        QTest::newRow("Copiar") << "Edit1"
                                << "CopyItem"
                                << " Copia la seleccion y la pone en el portapapeles";
        QTest::newRow("Ayuda") << "Help1"
                               << ""
                               << "Help topics";
        QTest::newRow("Manual de usuario") << "Help1"
                                           << "Manualdeusuario1"
                                           << "Manual del programa";
    }

    void statusTextOfHighlightedItem()
    {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QString, status);
        auto* popup = MainForm->findChild<QMenu*>(menu);
        MainForm->statusBar()->showMessage("antes");
        MainForm->menuBar()->setActiveAction(popup->menuAction());
        QTRY_VERIFY(popup->isVisible());
        if (!item.isEmpty()) {
            // From another item first, so that the highlight really moves.
            popup->setActiveAction(popup->actions().constLast());
            popup->setActiveAction(Item(item));
        }
        QCOMPARE(StatusText(), status);
        QTest::keyClick(popup, Qt::Key_Escape);
    }

    void keyboardMovesTheHighlightAndItsStatus()
    {
        auto* popup = MainForm->findChild<QMenu*>("File1");
        QTest::keyClick(MainForm, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Down);
        QCOMPARE(popup->activeAction(), Item("FileOpenItem"));
        QCOMPARE(StatusText(), QStringLiteral("Open a file"));
        QTest::keyClick(popup, Qt::Key_Escape);
        QTest::keyClick(MainForm->menuBar(), Qt::Key_Escape);
    }

    void statusTextOfControlUnderPointer()
    {
        auto* form = new QWidget;
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->resize(300, 200);
        auto* group = new QGroupBox(QStringLiteral("Grupo"), form);
        group->setGeometry(10, 10, 200, 100);
        group->setToolTip(QStringLiteral("Grupo|Elija un grupo de interés"));
        auto* inner = new QLabel(QStringLiteral("sin ayuda propia"), group);
        inner->setGeometry(10, 30, 150, 20);
        auto* plain = new QLabel(QStringLiteral("sin ayuda"), form);
        plain->setGeometry(10, 150, 150, 20);
        ui::ShowMdiChild(form, QSize(320, 240));

        QTest::mouseMove(Button("ToolButton9"));
        QTRY_COMPARE(StatusText(), QStringLiteral("Crear Nueva Encuesta"));
        QTest::mouseMove(Button("ToolButton4"));
        QTRY_COMPARE(StatusText(), QStringLiteral("Cortar"));
        QTest::mouseMove(inner);
        QTRY_COMPARE(StatusText(), QStringLiteral("Elija un grupo de interés"));
        QTest::mouseMove(plain);
        QTRY_COMPARE(StatusText(), QString());
        QTest::mouseMove(Button("ToolButton10"));
        QTRY_COMPARE(StatusText(), QStringLiteral("Cerrar aplicación"));
    }

    void documentCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("application");
        QTest::addColumn<QString>("warning");
        QTest::newRow("Castellano opens") << "Castellano"
                                          << "castellano.odt" << true << true << "";
        QTest::newRow("Valenciano opens") << "Valenciano"
                                          << "valenciano.odt" << true << true << "";
        QTest::newRow("Catalogo opens") << "CatalogodeIndicadores1"
                                        << "catalogo.odt" << true << true << "";
        QTest::newRow("Castellano missing") << "Castellano"
                                            << "castellano.odt" << false << true << kAvisoManual;
        QTest::newRow("Valenciano without application")
            << "Valenciano"
            << "valenciano.odt" << true << false << kAvisoManual;
        QTest::newRow("Catalogo missing") << "CatalogodeIndicadores1"
                                          << "catalogo.odt" << false << true << kAvisoCatalogo;
        QTest::newRow("Catalogo without application")
            << "CatalogodeIndicadores1"
            << "catalogo.odt" << true << false << kAvisoCatalogo;
    }

    void documentCommands()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        QFETCH(bool, present);
        QFETCH(bool, application);
        QFETCH(QString, warning);
        const QString path = m_ws->Dir() + QStringLiteral("/docs/") + file;
        if (present) {
            QDir(m_ws->Dir()).mkpath(QStringLiteral("docs"));
            QFile document(path);
            QVERIFY(document.open(QIODevice::WriteOnly));
            document.write("documento");
        }
        m_launchWorks = application;

        Item(item)->trigger();

        QCOMPARE(m_launched, present ? QStringList{path} : QStringList());
        if (warning.isEmpty()) {
            QVERIFY(m_messages->messages.isEmpty());
        } else {
            QCOMPARE(m_messages->Texts(), QStringList{warning});
            QCOMPARE(m_messages->messages.first().icon, QMessageBox::Warning);
            QCOMPARE(m_messages->messages.first().caption, QStringLiteral("DIMARVOLTECA"));
        }
    }

    // Without its key the path is the working folder itself, which no word processor opens.
    void documentWithoutIniKeyWarns()
    {
        m_ws->WriteIni(QStringLiteral("[Base_de_Datos]\nrutabd=\\datos\narchivo=test.db\n"));
        delete MainForm.data();
        ui::ReleaseApplicationObject();
        NewMainForm();

        Item("Valenciano")->trigger();
        Item("CatalogodeIndicadores1")->trigger();

        QVERIFY(m_launched.isEmpty());
        QCOMPARE(m_messages->Texts(), QStringList({kAvisoManual, kAvisoCatalogo}));
    }
};

DIMARVOLTECA_TEST_MAIN(TestMainForm)
#include "TestMainForm.moc"
