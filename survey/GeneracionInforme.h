#pragma once

#include <QString>
#include <functional>

class QWidget;
class TVentanaInforme;

// What both "FINALIZAR" handlers do (the questionnaire's and the indicator report's):
// a progress window owned by the step, advanced by 25 after writing the rows, after
// making the report window (its counting pass) and after naming its dimension, then
// closed; then the report's preview, which returns when it closes.
//
// The scratch table carries one report at a time: while the preview of generated
// rows is open, whichever step opened it, another is refused with the warning of the
// one on screen, and nothing is written over its rows. Rows that no preview shows
// were left by a report that could not be finished, and go first. A report that
// cannot be made leaves no rows behind.
struct TGeneracionInforme
{
    // Tells another step that this report's preview is still open.
    QString AvisoEnPantalla;
    // Writes the rows; false when it failed and has told the user: nothing more is done.
    std::function<bool()> EscribirFilas;
    // Makes the report window, which counts its pages.
    std::function<TVentanaInforme*()> CrearInforme;
    std::function<void(TVentanaInforme&)> NombrarDimension;
    // Around the preview; the second runs only while the step still exists.
    std::function<void()> AlAbrirVista;
    std::function<void()> AlCerrarVista;
};

void GenerarInforme(QWidget* paso, const TGeneracionInforme& generacion);
