// Step 3 of a new questionnaire on a large catalogue: one dimension of 20
// subdimensions and 1,000 perception measures. Prints the time of a view switch once
// every control exists and the peak memory of the run.

#include "CatalogoGrande.h"

#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "platform/ui/Application.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP3.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {

const int kSubdimensiones = 20;
const int kMedidas = 1000;

double Milisegundos(qint64 nanos)
{
    return double(nanos) / 1e6;
}

double Mediana(std::vector<double> valores)
{
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

// The view's handler and the painting it causes.
double CambiarVista(int vista)
{
    QElapsedTimer reloj;
    reloj.start();
    bench::ElegirVista(vista);
    QCoreApplication::processEvents();
    return Milisegundos(reloj.nsecsElapsed());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::TApplication app(argc, argv);

    testing::Workspace espacio;
    bench::CrearCatalogoGrande(espacio.Db(), kSubdimensiones, kMedidas);
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    MainForm = new TMainForm;
    MainForm->show();
    bench::AbrirPaso3(0, 0, 0);
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    QWidget* contenido = paso3->SB_IndicadoresContenido;

    const double primera = CambiarVista(0);
    const int controles = int(contenido->children().size());
    paso3->CB_Todos->setChecked(true);
    QCoreApplication::processEvents();

    std::vector<double> aSubdimension;
    std::vector<double> aTodas;
    for (int ronda = 0; ronda < 5; ++ronda) {
        for (int vista = 1; vista <= kSubdimensiones; ++vista) {
            aSubdimension.push_back(CambiarVista(vista));
            aTodas.push_back(CambiarVista(0));
        }
    }
    const int hechosDespues = int(contenido->children().size()) - controles;
    std::vector<double> tiempos = aSubdimension;
    tiempos.insert(tiempos.end(), aTodas.begin(), aTodas.end());
    const double mediana = Mediana(tiempos);

    std::printf("Catálogo: %d subdimensiones, %d medidas\n", kSubdimensiones, kMedidas);
    std::printf("Primera vista de todas (crea %d controles): %.1f ms\n", controles, primera);
    std::printf("Cambio de vista: mediana %.1f ms, máximo %.1f ms en %zu cambios "
                "(objetivo: mediana < 50 ms)\n",
                mediana, *std::max_element(tiempos.begin(), tiempos.end()), tiempos.size());
    std::printf("  hacia una subdimensión: mediana %.1f ms; hacia todas: mediana %.1f ms\n",
                Mediana(aSubdimension), Mediana(aTodas));
    std::printf("Controles creados tras la primera vista: %d (objetivo: 0)\n", hechosDespues);
    std::printf("Memoria pico: %.1f MB\n", bench::MemoriaPicoMB());

    if (QWidget* foco = QApplication::focusWidget())
        foco->clearFocus();
    MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::ReleaseApplicationObject();
    return 0;
}
