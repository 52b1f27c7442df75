#pragma once

#include <QColor>

class QWidget;

// The look the wizard steps share: navy windows, blue panels, white bold
// "MS Sans Serif" texts.
namespace aspecto {

// Paints only the background, so that buttons and edit boxes keep their own look.
void Fondo(QWidget* widget, const QColor& color);

// The font of a text by the windowing library's height, in the given colour.
void Texto(QWidget* widget, int height, bool bold = true, const QColor& color = Qt::white,
           bool underline = false);

} // namespace aspecto
