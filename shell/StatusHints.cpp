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

bool TStatusHints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Enter || !watched->isWidgetType())
        return false;
    const auto* control = static_cast<QWidget*>(watched);
    const Qt::WindowType type = control->window()->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || qobject_cast<const QMenuBar*>(control))
        return false;
    emit HintChanged(LongHint(HintOf(control)));
    return false;
}
