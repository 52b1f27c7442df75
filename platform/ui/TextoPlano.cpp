#include "TextoPlano.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace ui {

namespace {

class TAyudasPlanas : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::ToolTip || !objeto->isWidgetType())
            return false;
        auto* control = static_cast<QWidget*>(objeto);
        const QString ayuda = control->toolTip();
        // Items of lists and views carry their own tips; those go their own way.
        if (ayuda.isEmpty())
            return false;
        const auto* ayudaEvento = static_cast<QHelpEvent*>(evento);
        QToolTip::showText(ayudaEvento->globalPos(), ComoTextoPlano(ayuda), control, QRect(),
                           control->toolTipDuration());
        return true;
    }
};

} // namespace

QString SinAtajos(const QString& texto)
{
    return QString(texto).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString EnUnaLinea(const QString& texto)
{
    QString linea = texto;
    linea.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    linea.replace(QLatin1Char('\r'), QLatin1Char(' '));
    linea.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return linea;
}

QString ComoTextoPlano(const QString& texto)
{
    QString normal = texto;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // pre-wrap keeps every blank and line break yet still wraps a long line.
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + normal.toHtmlEscaped() +
           QStringLiteral("</p>");
}

void InstalarAyudasPlanas(QCoreApplication* aplicacion)
{
    aplicacion->installEventFilter(new TAyudasPlanas(aplicacion));
}

} // namespace ui
