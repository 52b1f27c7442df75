#include "EditActions.h"

#include "platform/ui/Connect.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// The editor the actions work on: the focused edit or memo of the active window.
QWidget* Target()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !focus->isActiveWindow())
        return nullptr;
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus) ||
        qobject_cast<QPlainTextEdit*>(focus))
        return focus;
    return nullptr;
}

struct EditorState
{
    bool selection = false;
    bool writable = false;
    bool hidden = false; // a password field lets nothing out
};

EditorState StateOf(QWidget* editor)
{
    EditorState state;
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        state.selection = line->hasSelectedText();
        state.writable = !line->isReadOnly();
        state.hidden = line->echoMode() != QLineEdit::Normal;
    } else if (auto* memo = qobject_cast<QTextEdit*>(editor)) {
        state.selection = memo->textCursor().hasSelection();
        state.writable = !memo->isReadOnly();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(editor)) {
        state.selection = plain->textCursor().hasSelection();
        state.writable = !plain->isReadOnly();
    }
    return state;
}

bool ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

enum class Operation
{
    Cut,
    Copy,
    Paste
};

void Apply(QWidget* target, Operation operation)
{
    const auto run = [operation](auto* editor) {
        switch (operation) {
        case Operation::Cut:
            editor->cut();
            break;
        case Operation::Copy:
            editor->copy();
            break;
        case Operation::Paste:
            editor->paste();
            break;
        }
    };
    if (auto* line = qobject_cast<QLineEdit*>(target))
        run(line);
    else if (auto* memo = qobject_cast<QTextEdit*>(target))
        run(memo);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(target))
        run(plain);
}

} // namespace

TEditActions::TEditActions(QAction* cut, QAction* copy, QAction* paste, QObject* parent)
    : QObject(parent), m_cut(cut), m_copy(copy), m_paste(paste)
{
    ui::Connect(m_cut.data(), &QAction::triggered, this, &TEditActions::ExecuteCut);
    ui::Connect(m_copy.data(), &QAction::triggered, this, &TEditActions::ExecuteCopy);
    ui::Connect(m_paste.data(), &QAction::triggered, this, &TEditActions::ExecutePaste);
    ui::Connect(qApp, &QApplication::focusChanged, this, &TEditActions::UpdateTargets);
    ui::Connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                &TEditActions::UpdateTargets);
    UpdateTargets();
}

void TEditActions::Link(QAction* client, QAction* action)
{
    client->setEnabled(action->isEnabled());
    connect(action, &QAction::enabledChanged, client, &QAction::setEnabled);
    connect(client, &QAction::triggered, action, [action] { action->trigger(); });
}

void TEditActions::UpdateTargets()
{
    if (!m_cut || !m_copy || !m_paste)
        return;
    QWidget* target = Target();
    Follow(target);
    const EditorState state = target ? StateOf(target) : EditorState();
    m_cut->setEnabled(target && state.selection && state.writable && !state.hidden);
    m_copy->setEnabled(target && state.selection && !state.hidden);
    m_paste->setEnabled(target && state.writable && ClipboardHasText());
}

void TEditActions::Follow(QWidget* editor)
{
    if (editor == m_followed)
        return;
    for (const QMetaObject::Connection& c : m_signals)
        disconnect(c);
    m_signals.clear();
    m_followed = editor;
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        m_signals << ui::Connect(line, &QLineEdit::selectionChanged, this,
                                 &TEditActions::UpdateTargets);
        m_signals << ui::Connect(line, &QLineEdit::textChanged, this, &TEditActions::UpdateTargets);
    } else if (auto* memo = qobject_cast<QTextEdit*>(editor)) {
        m_signals << ui::Connect(memo, &QTextEdit::selectionChanged, this,
                                 &TEditActions::UpdateTargets);
        m_signals << ui::Connect(memo, &QTextEdit::textChanged, this, &TEditActions::UpdateTargets);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(editor)) {
        m_signals << ui::Connect(plain, &QPlainTextEdit::selectionChanged, this,
                                 &TEditActions::UpdateTargets);
        m_signals << ui::Connect(plain, &QPlainTextEdit::textChanged, this,
                                 &TEditActions::UpdateTargets);
    }
}

void TEditActions::ExecuteCut()
{
    UpdateTargets();
    if (m_cut->isEnabled())
        Apply(Target(), Operation::Cut);
}

void TEditActions::ExecuteCopy()
{
    UpdateTargets();
    if (m_copy->isEnabled())
        Apply(Target(), Operation::Copy);
}

void TEditActions::ExecutePaste()
{
    UpdateTargets();
    if (m_paste->isEnabled())
        Apply(Target(), Operation::Paste);
}
