#include "StatusHints.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

TStatusHints::TStatusHints(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

QString TStatusHints::LongHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString TStatusHints::HintOf(const QWidget* control)
{
    for (; control; control = control->parentWidget()) {
        if (!control->statusTip().isEmpty())
            return control->statusTip();
        if (!control->toolTip().isEmpty())
            return control->toolTip();
    }
    return QString();
}

void TStatusHints::Show(QWidget* control, const QString& longHint)
{
    disconnect(m_gone);
    m_control = longHint.isEmpty() ? nullptr : control;
    if (m_control)
        m_gone = connect(control, &QObject::destroyed, this, [this] { Show(nullptr, QString()); });
    emit HintChanged(longHint);
}

bool TStatusHints::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    auto* control = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Hide) {
        // Hiding a window hides each of its visible controls.
        if (control == m_control)
            Show(nullptr, QString());
        return false;
    }
    if (event->type() != QEvent::Enter)
        return false;
    const Qt::WindowType type = control->window()->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || qobject_cast<const QMenuBar*>(control)) {
        // The menus show their own items' hints from here on: the control that
        // showed one before may go without taking theirs.
        disconnect(m_gone);
        m_control = nullptr;
        return false;
    }
    Show(control, LongHint(HintOf(control)));
    return false;
}
