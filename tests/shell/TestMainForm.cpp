#include "Tabulacion.h"
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
#include <QScrollBar>
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

QAction* Item(const QString& name)
{
    return MainForm->findChild<QAction*>(name);
}

QToolButton* Button(const QString& name)
{
    return MainForm->findChild<QToolButton*>(name);
}

QStringList Enabled(const QStringList& names)
{
    QStringList enabled;
    for (const QString& name : names)
        if (Item(name)->isEnabled())
            enabled << name;
    return enabled;
}

QString StatusText()
{
    return MainForm->statusBar()->currentMessage();
}

// Which of cut, copy and paste can be used ("xcv", "-" for each that cannot), read from
// the menu items and the buttons, which must agree.
QString Available()
{
    QString result;
    const char* const edits[][2] = {
        {"CutItem", "ToolButton4"}, {"CopyItem", "ToolButton5"}, {"PasteItem", "ToolButton6"}};
    for (int i = 0; i < 3; ++i) {
        const bool item = Item(edits[i][0])->isEnabled();
        if (item != Button(edits[i][1])->isEnabled())
            return QStringLiteral("menu and button differ for %1").arg(edits[i][0]);
        result += item ? QLatin1Char("xcv"[i]) : QLatin1Char('-');
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
    QWidget* Editor(const QString& kind, bool readOnly = false, bool password = false)
    {
        m_editorWindow = new QWidget;
        auto* layout = new QVBoxLayout(m_editorWindow);
        QWidget* editor = kind == "edit"   ? static_cast<QWidget*>(new QLineEdit)
                          : kind == "memo" ? static_cast<QWidget*>(new QTextEdit)
                                           : new QPlainTextEdit;
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
        QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        delete MainForm.data();
        QVERIFY(!MainForm);
    }

    // Only the ten work items lock; the tool buttons of Nueva and Abrir stay usable.
    // Calls are not counted: one call gives everything back. Abrir, cancelled, never locks.
    void lockDisablesOnlyTheTenWorkItems()
    {
        const QStringList others = {
            "FileExitItem",    "CutItem",    "CopyItem",   "PasteItem",
            "HelpAboutItem",   "Castellano", "Valenciano", "CatalogodeIndicadores1",
            "Manualdeusuario1"};
        const QStringList othersBefore = Enabled(others);
        Item("FileOpenItem")->trigger();
        QCOMPARE(Enabled(kWorkItems), kWorkItems);
        QCOMPARE(MainForm->ClientArea()->subWindowList().size(), 0);

        MainForm->InhabilitarMenus();
        MainForm->InhabilitarMenus();
        QCOMPARE(Enabled(kWorkItems), QStringList());
        QCOMPARE(Enabled(others), othersBefore);
        QSignalSpy nueva(Item("FileNew1"), &QAction::triggered);
        QSignalSpy abrir(Item("ToolButton1"), &QAction::triggered);
        QTest::mouseClick(Button("ToolButton9"), Qt::LeftButton);
        QTest::mouseClick(Button("ToolButton1"), Qt::LeftButton);
        QCOMPARE((QList<qsizetype>{nueva.count(), abrir.count()}), (QList<qsizetype>{1, 1}));
        QVERIFY(Button("ToolButton10")->isEnabled());
        MainForm->habilitarMenus();
        QCOMPARE(Enabled(kWorkItems), kWorkItems);
    }

    // Locked, Ctrl+N and Ctrl+O do nothing; unlocked, they run the menu item once.
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
        QCOMPARE(byItem.count() + byTool.count(), 0);
        MainForm->habilitarMenus();
        QTest::keyClick(MainForm, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(byItem.count(), 1);
        QCOMPARE(byTool.count(), 0);
    }

    // The about box is modal, and freed however it is closed, so that it can be made again.
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

    // The about box's keyboard round: its one button.
    void aboutBoxKeyboard()
    {
        QString round;
        QTimer::singleShot(0, [&] {
            round = testing::Vuelta(F_Acercade);
            F_Acercade->close();
        });
        Item("HelpAboutItem")->trigger();
        QCOMPARE(round, QStringLiteral("BitBtn1"));
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
        auto* popup = MainForm->findChild<QMenu*>(menu);
        MainForm->statusBar()->showMessage("antes");
        MainForm->menuBar()->setActiveAction(popup->menuAction());
        QTRY_VERIFY(popup->isVisible());
        if (!item.isEmpty()) {
            // From another item first, so that the highlight really moves.
            popup->setActiveAction(popup->actions().constLast());
            popup->setActiveAction(Item(item));
        }
        QTEST(StatusText(), "status");
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

    // A control without a hint of its own shows its container's; one in none clears it.
    void statusTextOfControlUnderPointer()
    {
        auto* form = new QWidget;
        form->setAttribute(Qt::WA_DeleteOnClose);
        auto* group = new QGroupBox(QStringLiteral("Grupo"), form);
        group->setGeometry(10, 10, 200, 100);
        group->setToolTip(QStringLiteral("Grupo|Elija un grupo de interés"));
        QPointer<QLabel> inner = new QLabel(QStringLiteral("sin ayuda propia"), group);
        inner->setGeometry(10, 30, 150, 20);
        auto* plain = new QLabel(QStringLiteral("sin ayuda"), form);
        plain->setGeometry(10, 150, 150, 20);
        ui::ShowMdiChild(form, QSize(320, 240));

        QTest::mouseMove(Button("ToolButton9"));
        QTRY_COMPARE(StatusText(), QStringLiteral("Crear Nueva Encuesta"));
        QTest::mouseMove(inner);
        QTRY_COMPARE(StatusText(), QStringLiteral("Elija un grupo de interés"));
        QTest::mouseMove(plain);
        QTRY_COMPARE(StatusText(), QString());
        QTest::mouseMove(Button("ToolButton10"));
        QTRY_COMPARE(StatusText(), QStringLiteral("Cerrar aplicación"));
        // The hint goes with its window.
        QTest::mouseMove(inner);
        QTRY_COMPARE(StatusText(), QStringLiteral("Elija un grupo de interés"));
        ui::CloseForm(form);
        QTRY_VERIFY(!inner);
        QCOMPARE(StatusText(), QString());
    }

    // A menu item's hint stays when the control whose hint showed before it goes.
    void menuHintOutlivesTheControlBefore()
    {
        auto* form = new QWidget;
        form->setToolTip(QStringLiteral("Ventana|Una ventana"));
        ui::ShowMdiChild(form, QSize(320, 240));
        QTest::mouseMove(form);
        QTRY_COMPARE(StatusText(), QStringLiteral("Una ventana"));
        auto* popup = MainForm->findChild<QMenu*>("File1");
        MainForm->menuBar()->setActiveAction(popup->menuAction());
        QTRY_VERIFY(popup->isVisible());
        QTest::mouseMove(popup, popup->actionGeometry(Item("FileOpenItem")).center());
        QTRY_COMPARE(StatusText(), QStringLiteral("Open a file"));
        delete form;
        QCOMPARE(StatusText(), QStringLiteral("Open a file"));
        QTest::keyClick(popup, Qt::Key_Escape);
    }

    // A work window opened in a large frame stays where it was when the frame shrinks;
    // the client area then scrolls to the buttons at its foot.
    void theAreaScrollsToAWindowBeyondIt()
    {
        MainForm->resize(1200, 900);
        auto* form = new QWidget;
        auto* salir = new QPushButton(QStringLiteral("SALIR"), form);
        salir->setGeometry(629, 553, 75, 25);
        ui::ShowMdiChild(form, QSize(743, 615));
        QMdiArea* area = MainForm->ClientArea();
        QVERIFY(!area->verticalScrollBar()->isVisible());
        const QPoint where = ui::FrameOf(form)->pos();

        MainForm->resize(640, 480);
        QTRY_VERIFY_WITH_TIMEOUT(area->verticalScrollBar()->isVisible(), 1000);
        QVERIFY(area->horizontalScrollBar()->isVisible());
        QCOMPARE(ui::FrameOf(form)->pos(), where);
        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
            bar->setValue(bar->maximum());
        const QRect shown(salir->mapTo(area->viewport(), QPoint()), salir->size());
        QVERIFY2(area->viewport()->rect().contains(shown), qPrintable(QDebug::toString(shown)));
    }

    // How the document stands: "opens", "missing", "no application" to open it, or "no key"
    // in the ini file (the path is then the working folder, which nothing opens).
    void documentCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("warning");
        const QString manual =
            QStringLiteral("El manual no ha podido abrirse. Consulte el archivo Dimarvolteca.ini");
        const QString catalogue = QStringLiteral("El catálogo de indicadores no ha podido abrirse. "
                                                 "Consulte el archivo Dimarvolteca.ini");
        const char* const rows[][2] = {
            {"Castellano", "opens"},   {"Valenciano", "opens"},          {"Catalogo", "opens"},
            {"Castellano", "missing"}, {"Valenciano", "no application"}, {"Valenciano", "no key"},
            {"Catalogo", "missing"},   {"Catalogo", "no application"},   {"Catalogo", "no key"}};
        for (const auto& r : rows)
            QTest::addRow("%s %s", r[0], r[1]) << r[0] << r[1]
                                               << (QLatin1String(r[1]) == "opens"      ? QString()
                                                   : QLatin1String(r[0]) == "Catalogo" ? catalogue
                                                                                       : manual);
    }

    void documentCommands()
    {
        QFETCH(QString, item);
        QFETCH(QString, state);
        QFETCH(QString, warning);
        const QString path = m_ws->Dir() + QStringLiteral("/docs/") + item.toLower() + ".odt";
        if (state != "missing") {
            QDir(m_ws->Dir()).mkpath(QStringLiteral("docs"));
            QFile document(path);
            QVERIFY(document.open(QIODevice::WriteOnly));
            document.write("documento");
        }
        if (state == "no key") {
            m_ws->WriteIni(QStringLiteral("[Base_de_Datos]\nrutabd=\\datos\narchivo=test.db\n"));
            delete MainForm.data();
            ui::ReleaseApplicationObject();
            NewMainForm();
        }
        m_launchWorks = state != "no application";

        Item(item == "Catalogo" ? QStringLiteral("CatalogodeIndicadores1") : item)->trigger();

        QCOMPARE(Enabled(kWorkItems), kWorkItems);
        const bool launched = state == "opens" || state == "no application";
        QCOMPARE(m_launched, launched ? QStringList{path} : QStringList());
        QCOMPARE(m_messages->Texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
        if (!warning.isEmpty()) {
            QCOMPARE(m_messages->messages.first().icon, QMessageBox::Warning);
            QCOMPARE(m_messages->messages.first().caption, QStringLiteral("DIMARVOLTECA"));
        }
    }

    // The editor focused in a work window (none, an edit, a rich or a plain memo) and its
    // flags (r read-only, p password), whether its text is selected (s) and the clipboard
    // holds text (c): which of cut, copy and paste are offered. With the focus on a button,
    // none is.
    void enabledOnlyWhenTheyCanAct_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("available");
        const char* const rows[][3] = {{"", "c", "---"},       {"edit", "", "---"},
                                       {"edit", "s", "xc-"},   {"edit", "c", "--v"},
                                       {"edit", "sc", "xcv"},  {"edit", "rsc", "-c-"},
                                       {"edit", "psc", "--v"}, {"memo", "sc", "xcv"},
                                       {"memo", "rsc", "-c-"}, {"plain", "s", "xc-"}};
        for (const auto& r : rows)
            QTest::addRow("%s %s", r[0], r[1]) << r[0] << r[1] << r[2];
    }

    void enabledOnlyWhenTheyCanAct()
    {
        QFETCH(QString, kind);
        QFETCH(QString, flags);
        if (flags.contains('c'))
            QApplication::clipboard()->setText(QStringLiteral("pegado"));
        if (kind.isEmpty()) {
            QTEST(Available(), "available");
            return;
        }
        QWidget* editor = Editor(kind, flags.contains('r'), flags.contains('p'));
        if (flags.contains('s'))
            QMetaObject::invokeMethod(editor, "selectAll");
        QTEST(Available(), "available");
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
        QWidget* editor = Editor(kind);
        const auto text = [editor] { return editor->property(TextProperty(editor)).toString(); };
        QMetaObject::invokeMethod(editor, "selectAll");
        QTest::mouseClick(Button("ToolButton5"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text() + "|" + text(), "hola mundo|hola mundo");
        QTest::mouseClick(Button("ToolButton4"), Qt::LeftButton);
        QCOMPARE(text(), QString());
        QCOMPARE(Available(), QStringLiteral("--v"));
        Item("PasteItem")->trigger();
        Item("PasteItem")->trigger();
        QCOMPARE(text(), QStringLiteral("hola mundohola mundo"));
    }
};

DIMARVOLTECA_TEST_MAIN(TestMainForm)
#include "TestMainForm.moc"
