#include "FocoVisible.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace ui {

namespace {

class TEstiloFoco : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const bool casilla =
            qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget);
        if (element != PE_FrameFocusRect || !casilla) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        if (!option->state.testFlag(State_KeyboardFocusChange) || option->rect.isEmpty())
            return;
        painter->save();
        QPen pen(option->palette.color(widget->foregroundRole()), 1, Qt::DotLine);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

void InstalarFocoVisible(QApplication* aplicacion)
{
    QStyle* base = QStyleFactory::create(aplicacion->style()->name());
    if (!base)
        return;
    aplicacion->setStyle(new TEstiloFoco(base));
}

} // namespace ui
