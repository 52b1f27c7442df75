#include "Aspecto.h"

#include "platform/ui/Look.h"

#include <QWidget>

namespace aspecto {

void Fondo(QWidget* widget, const QColor& color)
{
    // Buttons and check boxes fill their background with the button colour.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(widget->backgroundRole(), color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Texto(QWidget* widget, int height, bool bold, const QColor& color, bool underline)
{
    QFont font = ui::FontByHeight(QStringLiteral("MS Sans Serif"), height, bold);
    font.setUnderline(underline);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace aspecto
