// Step 3 of a new questionnaire on a large catalogue: one dimension of 20
// subdimensions sharing 1,000 and then 5,000 perception measures, all of them ticked.
// Prints, for each size, the times of the view switches once every control exists (the
// handler and the painting it causes, with the mouse over the measures as a user's
// is), those to a subdimension apart from those to the all view, which lays out every
// measure, and how many controls were made after the first show.
//
//   bench_survey_step3 [medidas...]   (run from anywhere; it works in a temporary folder)
//
// Given sizes replace the two, e.g. 5000 under callgrind with
// --toggle-collect='(anonymous namespace)::HaciaTodas*' and again with
// --toggle-collect='(anonymous namespace)::HaciaSubdimension*' for the two counts.
//
// Run it on a real display, where showing and hiding a control costs what a user sees:
//   xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb bench_survey_step3

#include "CatalogoGrande.h"
#include "Medidas.h"
#include "Programa.h"

#include "TestSupport.h"
#include "platform/ui/Application.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP3.h"

#include <QCheckBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using bench::Mediana;
using bench::Milisegundos;

const int kSubdimensiones = 20;
const int kRondas = 5;
const double kObjetivoMs = 30;

// The view's handler and the painting it causes. Kept out of line, a function for each
// kind of view, so that a profiler can be told to count one kind alone.
void Elegir(int vista)
{
    bench::ElegirVista(vista);
    QCoreApplication::processEvents();
}

[[gnu::noinline]] void HaciaTodas()
{
    Elegir(0);
}

[[gnu::noinline]] void HaciaSubdimension(int vista)
{
    Elegir(vista);
}

// The first show of the all view, which makes every control, or a later switch.
double CambiarVista(int vista, bool primera = false)
{
    QElapsedTimer reloj;
    reloj.start();
    if (primera)
        Elegir(vista);
    else if (vista == 0)
        HaciaTodas();
    else
        HaciaSubdimension(vista);
    return Milisegundos(reloj.nsecsElapsed());
}

// The value that `parte` of the times do not exceed (nearest rank).
double Percentil(std::vector<double> valores, double parte)
{
    std::sort(valores.begin(), valores.end());
    const size_t rango = size_t(std::ceil(parte * double(valores.size())));
    return valores[qBound<size_t>(1, rango, valores.size()) - 1];
}

// One direction's figures, and whether its median meets the target.
void Imprimir(const char* sentido, const std::vector<double>& tiempos)
{
    const double mediana = Mediana(tiempos);
    std::printf("    %s mediana %5.1f ms, percentil 90 %5.1f ms, máximo %5.1f ms en %zu "
                "cambios: %s\n",
                sentido, mediana, Percentil(tiempos, 0.9),
                *std::max_element(tiempos.begin(), tiempos.end()), tiempos.size(),
                mediana < kObjetivoMs ? "cumple" : "NO CUMPLE");
}

int Controles(const QWidget* contenido)
{
    return int(contenido->findChildren<QCheckBox*>().size() +
               contenido->findChildren<QLabel*>().size());
}

struct TResultado
{
    double Primera = 0;
    int Controles = 0;
    std::vector<double> ASubdimension;
    std::vector<double> ATodas;
    int HechosDespues = 0;
};

// A fresh program on a catalogue of `medidas` measures, as far as step 3, whose views
// are then switched back and forth.
TResultado Medir(int medidas)
{
    TResultado r;
    testing::Workspace espacio;
    bench::CrearCatalogoGrande(espacio.Db(), kSubdimensiones, medidas);
    bench::AbrirPrograma(false);
    bench::AbrirPaso3(0, 0, 0);
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    QWidget* contenido = paso3->SB_IndicadoresContenido;
    bench::Esperar();
    QCursor::setPos(paso3->SB_Indicadores->mapToGlobal(paso3->SB_Indicadores->rect().center()));

    r.Primera = CambiarVista(0, true);
    r.Controles = Controles(contenido);
    paso3->CB_Todos->setChecked(true);
    QCoreApplication::processEvents();
    for (int ronda = 0; ronda < kRondas; ++ronda) {
        for (int vista = 1; vista <= kSubdimensiones; ++vista) {
            r.ASubdimension.push_back(CambiarVista(vista));
            r.ATodas.push_back(CambiarVista(0));
        }
    }
    r.HechosDespues = Controles(contenido) - r.Controles;

    if (QWidget* foco = QApplication::focusWidget())
        foco->clearFocus();
    MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete MainForm.data();
    ui::ReleaseApplicationObject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    std::printf("Paso 3, cambio de vista (%s; %d subdimensiones; objetivo en cada sentido: "
                "mediana < %.0f ms, 0 controles creados tras la primera vista)\n",
                qPrintable(QGuiApplication::platformName()), kSubdimensiones, kObjetivoMs);
    std::vector<int> tamanos{1000, 5000};
    if (argc > 1)
        tamanos.clear();
    for (int i = 1; i < argc; ++i)
        tamanos.push_back(qBound(1, QByteArray(argv[i]).toInt(), 5000));
    for (int medidas : tamanos) {
        const TResultado r = Medir(medidas);
        std::printf("  %4d medidas: primera vista %.1f ms (%d controles); creados después: %d\n",
                    medidas, r.Primera, r.Controles, r.HechosDespues);
        Imprimir("hacia una subdimensión:", r.ASubdimension);
        Imprimir("hacia todas:           ", r.ATodas);
    }
    std::printf("  memoria pico: %.1f MB\n", bench::MemoriaPicoMB());
    return 0;
}
