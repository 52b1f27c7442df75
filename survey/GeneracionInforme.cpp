#include "GeneracionInforme.h"

#include "CrearEncuestaPFinal.h"
#include "FilasTemporales.h"
#include "VentanaInforme.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/report/QuickRep.h"
#include "platform/report/preview/StandardPreview.h"

#include <QScopeGuard>

namespace {

// Previews of generated rows still on screen, and the warning of the one opened last.
int g_vistasAbiertas = 0;
QString g_avisoEnPantalla;

} // namespace

void GenerarInforme(QWidget* paso, const TGeneracionInforme& generacion)
{
    const int filas = FilasPregEncTemp();
    if (g_vistasAbiertas > 0 || (filas > 0 && report::FindPreviewWindow())) {
        TDM_General::MensajeError(g_vistasAbiertas > 0 ? g_avisoEnPantalla
                                                       : generacion.AvisoEnPantalla);
        return;
    }
    if (filas > 0)
        VaciarPregEncTemp();

    F_CrearEncuestaPFinal = new TF_CrearEncuestaPFinal(paso);
    const QPointer<TF_CrearEncuestaPFinal> progreso = F_CrearEncuestaPFinal.data();
    progreso->show();
    progreso->StepBy(25);
    if (!generacion.EscribirFilas()) {
        if (progreso)
            progreso->close();
        return;
    }
    progreso->StepBy(25);

    QPointer<TVentanaInforme> informe;
    try {
        informe = generacion.CrearInforme();
        progreso->StepBy(25);
        generacion.NombrarDimension(*informe);
        progreso->StepBy(25);
    } catch (...) {
        delete informe.data();
        try {
            VaciarPregEncTemp();
            DM_BdatosADO->Table->Close();
        } catch (const std::exception&) {
        }
        throw;
    }
    progreso->close();

    // The preview runs its own loop, and the user may close the step meanwhile: from
    // then on nothing of it is touched.
    const QPointer<QWidget> ventana(paso);
    ++g_vistasAbiertas;
    g_avisoEnPantalla = generacion.AvisoEnPantalla;
    if (generacion.AlAbrirVista)
        generacion.AlAbrirVista();
    const auto alCerrar = qScopeGuard([ventana, cerrada = generacion.AlCerrarVista] {
        --g_vistasAbiertas;
        if (ventana && cerrada)
            cerrada();
    });
    informe->Informe()->Preview();
}
