#include "TestSupport.h"

#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/office/DocumentOpener.h"
#include "platform/ui/MdiHost.h"
#include "shell/Acercade.h"
#include "shell/MAIN.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
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

// Which of cut, copy and paste can be used, read from the menu items and the buttons,
// which must agree.
QString Available()
{
    QString result;
    const struct
    {
        const char* item;
        const char* button;
        char letter;
    } edits[] = {{"CutItem", "ToolButton4", 'x'},
                 {"CopyItem", "ToolButton5", 'c'},
                 {"PasteItem", "ToolButton6", 'v'}};
    for (const auto& e : edits) {
        const bool item = Item(e.item)->isEnabled();
        const bool button = Button(e.button)->isEnabled();
        if (item != button)
            return QStringLiteral("menu and button differ for %1").arg(e.item);
        result += item ? QChar(e.letter) : QChar('-');
    }
    return result;
}

// The text property of a line edit or a memo.
const char* TextProperty(QWidget* editor)
{
    return qobject_cast<QLineEdit*>(editor) ? "text" : "plainText";
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
    QPointer<QWidget> m_editorWindow;

    void NewMainForm()
    {
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        MainForm = new TMainForm;
        MainForm->show();
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
    }

    // A work window with the given editor (and a button) in the frame, the editor focused.
    QWidget* Editor(const QString& kind, bool readOnly, bool password)
    {
        m_editorWindow = new QWidget;
        auto* layout = new QVBoxLayout(m_editorWindow);
        QWidget* editor = nullptr;
        if (kind == "edit")
            editor = new QLineEdit;
        else if (kind == "memo")
            editor = new QTextEdit;
        else
            editor = new QPlainTextEdit;
        editor->setProperty(TextProperty(editor), QStringLiteral("hola mundo"));
        editor->setProperty("readOnly", readOnly);
        if (password)
            qobject_cast<QLineEdit*>(editor)->setEchoMode(QLineEdit::Password);
        layout->addWidget(editor);
        layout->addWidget(new QPushButton(QStringLiteral("SALIR")));
        ui::ShowMdiChild(m_editorWindow, QSize(300, 200));
        editor->setFocus();
        if (!QTest::qWaitFor([editor] { return editor->hasFocus(); }))
            qWarning("editor has no focus");
        return editor;
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
        QApplication::clipboard()->clear();
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

    // The tool buttons of Nueva and Abrir stay usable while the commands are locked.
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
        QSignalSpy nueva(Item("FileNew1"), &QAction::triggered);
        QSignalSpy abrir(Item("ToolButton1"), &QAction::triggered);
        QTest::mouseClick(Button("ToolButton9"), Qt::LeftButton);
        QTest::mouseClick(Button("ToolButton1"), Qt::LeftButton);
        QCOMPARE((QList<qsizetype>{nueva.count(), abrir.count()}), (QList<qsizetype>{1, 1}));
        QVERIFY(Button("ToolButton10")->isEnabled());

        // Calls are not counted: one call gives everything back.
        MainForm->habilitarMenus();
        QCOMPARE(Enabled(kWorkItems), kWorkItems);
    }

    void lockedShortcutsDoNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("toolAction");
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << QString("Nuevo1") << "FileNew1";
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << QString("FileOpenItem") << "ToolButton1";
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

    // Abrir, cancelled, leaves nothing locked and nothing open.
    void abrirCancelledNeverLocks()
    {
        Item("FileOpenItem")->trigger();
        QCOMPARE(Enabled(kWorkItems), kWorkItems);
        QCOMPARE(MainForm->ClientArea()->subWindowList().size(), 0);
    }

    // The about box is modal, and freed however it is closed, so that it can be
    // made again.
    void aboutBoxIsFreedAndMadeAgain()
    {
        for (const bool byOk : {true, false, true}) {
            bool modal = false;
            QTimer::singleShot(0, [&] {
                modal = F_Acercade && QApplication::activeModalWidget() == F_Acercade;
                if (byOk)
                    QTest::mouseClick(F_Acercade->BitBtn1, Qt::LeftButton);
                else
                    F_Acercade->close();
            });
            Item("HelpAboutItem")->trigger();
            QVERIFY(modal);
            QVERIFY(F_Acercade.isNull());
        }
        QCOMPARE(Enabled(kWorkItems), kWorkItems);
    }

    void statusTextOfHighlightedItem_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("status");
        const char* const rows[][4] = {
            {"menu", "File1", "", "File related commands"},
            {"item", "File1", "FileOpenItem", "Open a file"},
            {"item without hint clears", "File1", "Nuevo1", ""},
            {"Spanish hint", "Help1", "Manualdeusuario1", "Manual del programa"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[1] << row[2] << QString::fromUtf8(row[3]);
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

    // Keys move the highlight over locked items too, and their hints show.
    void keyboardMovesOverLockedItems()
    {
        MainForm->InhabilitarMenus();
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
        const struct
        {
            const char* row;
            const char* item;
            const char* file;
            bool present;
            bool application;
            QString warning;
        } rows[] = {
            {"Castellano opens", "Castellano", "castellano.odt", true, true, {}},
            {"Valenciano opens", "Valenciano", "valenciano.odt", true, true, {}},
            {"Catalogo opens", "CatalogodeIndicadores1", "catalogo.odt", true, true, {}},
            {"Castellano missing", "Castellano", "castellano.odt", false, true, kAvisoManual},
            {"Valenciano, no application", "Valenciano", "valenciano.odt", true, false,
             kAvisoManual},
            {"Catalogo missing", "CatalogodeIndicadores1", "catalogo.odt", false, true,
             kAvisoCatalogo},
            {"Catalogo, no application", "CatalogodeIndicadores1", "catalogo.odt", true, false,
             kAvisoCatalogo},
        };
        for (const auto& r : rows)
            QTest::newRow(r.row) << r.item << r.file << r.present << r.application << r.warning;
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

        QCOMPARE(Enabled(kWorkItems), kWorkItems);
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

    void enabledOnlyWhenTheyCanAct_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("password");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<bool>("clipboard");
        QTest::addColumn<QString>("available");
        const struct
        {
            const char* row;
            const char* kind;
            bool readOnly, password, selection, clipboard;
            const char* available;
        } rows[] = {
            {"no editor, clipboard", "", false, false, false, true, "---"},
            {"edit, nothing selected", "edit", false, false, false, false, "---"},
            {"edit, selection", "edit", false, false, true, false, "xc-"},
            {"edit, clipboard", "edit", false, false, false, true, "--v"},
            {"edit, both", "edit", false, false, true, true, "xcv"},
            {"read-only edit", "edit", true, false, true, true, "-c-"},
            {"password edit", "edit", false, true, true, true, "--v"},
            {"memo, both", "memo", false, false, true, true, "xcv"},
            {"read-only memo", "memo", true, false, true, true, "-c-"},
            {"plain memo, selection", "plain", false, false, true, false, "xc-"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.row) << r.kind << r.readOnly << r.password << r.selection << r.clipboard
                                 << r.available;
    }

    void enabledOnlyWhenTheyCanAct()
    {
        QFETCH(QString, kind);
        QFETCH(bool, readOnly);
        QFETCH(bool, password);
        QFETCH(bool, selection);
        QFETCH(bool, clipboard);
        QFETCH(QString, available);
        if (clipboard)
            QApplication::clipboard()->setText(QStringLiteral("pegado"));
        if (kind.isEmpty()) {
            QCOMPARE(Available(), available);
            return;
        }
        QWidget* editor = Editor(kind, readOnly, password);
        if (selection)
            QMetaObject::invokeMethod(editor, "selectAll");
        QCOMPARE(Available(), available);

        // Focus on a button: nothing to act on.
        m_editorWindow->findChild<QPushButton*>()->setFocus();
        QTRY_COMPARE(Available(), QStringLiteral("---"));
    }

    void cutCopyAndPasteActOnTheFocusedEditor_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("edit") << "edit";
        QTest::newRow("memo") << "memo";
        QTest::newRow("plain memo") << "plain";
    }

    void cutCopyAndPasteActOnTheFocusedEditor()
    {
        QFETCH(QString, kind);
        QWidget* editor = Editor(kind, false, false);

        QMetaObject::invokeMethod(editor, "selectAll");
        QTest::mouseClick(Button("ToolButton5"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("hola mundo"));
        QCOMPARE(editor->property(TextProperty(editor)).toString(), QStringLiteral("hola mundo"));

        QTest::mouseClick(Button("ToolButton4"), Qt::LeftButton);
        QCOMPARE(editor->property(TextProperty(editor)).toString(), QString());
        QCOMPARE(Available(), QStringLiteral("--v"));

        Item("PasteItem")->trigger();
        Item("PasteItem")->trigger();
        QCOMPARE(editor->property(TextProperty(editor)).toString(),
                 QStringLiteral("hola mundohola mundo"));
    }
};

DIMARVOLTECA_TEST_MAIN(TestMainForm)
#include "TestMainForm.moc"
