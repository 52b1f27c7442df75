#pragma once

#include <QColor>
#include <QString>

class QCheckBox;
class QLabel;
class QWidget;

// The controls the choice steps make at run time in their scroll box (the
// questionnaire's step 3 and the indicator report's step 2): shown at once, in "MS
// Sans Serif" by the windowing library's positive (cell) height, as wide as the
// caption in that font plus 20 pixels. Captions are the catalogue's texts, shown as
// they are (no accelerator, no markup) on one line.

// A check box with white bold text.
QCheckBox* CrearCasillaSeleccion(QWidget* contenedor, int left, int top, const QString& caption,
                                 int altura);

// The look of a label: its name's prefix (the item's code follows it), colour, height
// and whether it is underlined; every one is bold.
struct TEstiloEtiqueta
{
    const char* Prefijo;
    QColor Color;
    int Altura;
    bool Subrayada;
};

QLabel* CrearEtiquetaSeleccion(QWidget* contenedor, int left, int top, const QString& caption,
                               int code, const TEstiloEtiqueta& estilo);
