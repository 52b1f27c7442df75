#include "TestSupport.h"

#include "data/BdatosADO.h"
#include "platform/ui/MdiHost.h"
#include "shell/MAIN.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace {

QAction* Item(const QString& name)
{
    return MainForm->findChild<QAction*>(name);
}

QToolButton* Button(const QString& name)
{
    return MainForm->findChild<QToolButton*>(name);
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

QString EditorText(QWidget* editor)
{
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        return line->text();
    if (auto* memo = qobject_cast<QTextEdit*>(editor))
        return memo->toPlainText();
    return qobject_cast<QPlainTextEdit*>(editor)->toPlainText();
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::Workspace> m_ws;
    QPointer<QWidget> m_form;

    // A work window with the given editor (and a button) in the frame, the editor focused.
    QWidget* Editor(const QString& kind, bool readOnly, bool password)
    {
        m_form = new QWidget;
        auto* layout = new QVBoxLayout(m_form);
        QWidget* editor = nullptr;
        if (kind == "edit") {
            auto* line = new QLineEdit(QStringLiteral("hola mundo"));
            line->setReadOnly(readOnly);
            if (password)
                line->setEchoMode(QLineEdit::Password);
            editor = line;
        } else if (kind == "memo") {
            auto* memo = new QTextEdit;
            memo->setPlainText(QStringLiteral("hola mundo"));
            memo->setReadOnly(readOnly);
            editor = memo;
        } else {
            auto* memo = new QPlainTextEdit(QStringLiteral("hola mundo"));
            memo->setReadOnly(readOnly);
            editor = memo;
        }
        editor->setObjectName(QStringLiteral("editor"));
        layout->addWidget(editor);
        layout->addWidget(new QPushButton(QStringLiteral("SALIR")));
        ui::ShowMdiChild(m_form, QSize(300, 200));
        editor->setFocus();
        if (!QTest::qWaitFor([editor] { return editor->hasFocus(); }))
            qWarning("editor has no focus");
        return editor;
    }

    static void SelectAll(QWidget* editor)
    {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->selectAll();
        else if (auto* memo = qobject_cast<QTextEdit*>(editor))
            memo->selectAll();
        else
            qobject_cast<QPlainTextEdit*>(editor)->selectAll();
    }

private slots:
    void init()
    {
        m_ws = std::make_unique<testing::Workspace>();
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        MainForm = new TMainForm;
        MainForm->show();
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QApplication::clipboard()->clear();
    }

    void cleanup()
    {
        delete MainForm.data();
        ui::ReleaseApplicationObject();
        m_ws.reset();
    }

    void nothingToEditNothingEnabled()
    {
        QApplication::clipboard()->setText(QStringLiteral("algo"));
        QCOMPARE(Available(), QStringLiteral("---"));
    }

    void enabledOnlyWhenTheyCanAct_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("password");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<bool>("clipboard");
        QTest::addColumn<QString>("available");
        QTest::newRow("edit, nothing selected")
            << "edit" << false << false << false << false << "---";
        QTest::newRow("edit, selection") << "edit" << false << false << true << false << "xc-";
        QTest::newRow("edit, clipboard") << "edit" << false << false << false << true << "--v";
        QTest::newRow("edit, both") << "edit" << false << false << true << true << "xcv";
        QTest::newRow("read-only edit") << "edit" << true << false << true << true << "-c-";
        QTest::newRow("password edit") << "edit" << false << true << true << true << "--v";
        QTest::newRow("memo, both") << "memo" << false << false << true << true << "xcv";
        QTest::newRow("read-only memo") << "memo" << true << false << true << true << "-c-";
        QTest::newRow("plain memo, selection")
            << "plain" << false << false << true << false << "xc-";
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
        QWidget* editor = Editor(kind, readOnly, password);
        if (selection)
            SelectAll(editor);
        QCOMPARE(Available(), available);

        // Focus on a button: nothing to act on.
        m_form->findChild<QPushButton*>()->setFocus();
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

        SelectAll(editor);
        QTest::mouseClick(Button("ToolButton5"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("hola mundo"));
        QCOMPARE(EditorText(editor), QStringLiteral("hola mundo"));

        QTest::mouseClick(Button("ToolButton4"), Qt::LeftButton);
        QCOMPARE(EditorText(editor), QString());
        QCOMPARE(Available(), QStringLiteral("--v"));

        Item("PasteItem")->trigger();
        Item("PasteItem")->trigger();
        QCOMPARE(EditorText(editor), QStringLiteral("hola mundohola mundo"));
    }
};

DIMARVOLTECA_TEST_MAIN(TestEditing)
#include "TestEditing.moc"
