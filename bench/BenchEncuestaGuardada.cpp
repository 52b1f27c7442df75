// A saved questionnaire as the user reopens it: the file read, then its pages painted in
// the preview. The files:
//  - the fullest one the reader accepts (every limit of the format reached at once, see
//    FullestSavedReport) and the program's own largest questionnaire (5,000 questions);
//  - the slowest to paint that the reader accepts, each built to one cost (CostlyPage):
//    the largest glyphs on an upright and on a turned page, the most fonts a page may
//    hold, characters that no installed font has, and twenty-five scripts;
//  - twenty-five scripts in as many fonts as a page may hold, each a font the toolkit
//    looks for on its own (family, weight and size in pixels: an underline is no other
//    font to it), and a file whose second page brings all but one of them (a file holds
//    no more fonts than a page), paged through from the first to the last.
// Prints for each its pages and size, the time to read it (median of five reads), and
// the slowest paint of each view of a maximised preview: its first page as it opens,
// each zoom (fit, 100 %, page width) as it is chosen, and its last page; each paint of
// a view is timed five times; and, for the file paged through, the slowest page turn
// (the next page shown and painted). Target: no paint over 250 ms; the files over it
// are named at the end.
//
//   bench/run bench_encuesta_guardada   (on a virtual X display; it works in a temporary
//                                        folder)

#include "Medidas.h"
#include "Preguntas.h"

#include "TestSupport.h"
#include "platform/report/QRPrinter.h"
#include "platform/report/QuickRep.h"
#include "platform/report/ReportFile.h"
#include "platform/report/Units.h"
#include "platform/report/preview/QRStandardPreview.h"
#include "platform/ui/Application.h"
#include "survey/FEncuesta.h"
#include "tests/platform/ReportTestSupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScrollArea>
#include <algorithm>
#include <cstdio>

namespace {

using bench::Mediana;
using bench::Milisegundos;
using report::TQRPage;
using testing::PaintCost;

constexpr double kObjetivo = 250.0; // milliseconds a paint

double Tiempo(const std::function<void()>& trabajo)
{
    QElapsedTimer reloj;
    reloj.start();
    trabajo();
    return Milisegundos(reloj.nsecsElapsed());
}

double MedianaDe(int veces, const std::function<void()>& trabajo)
{
    std::vector<double> tiempos;
    for (int i = 0; i < veces; ++i)
        tiempos.push_back(Tiempo(trabajo));
    return Mediana(tiempos);
}

// The questionnaire of 5,000 questions as the program lays it out.
QVector<TQRPage> EncuestaGrande(testing::TestDb& db)
{
    bench::EscribirPreguntas(db, 5000);
    F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
    const QVector<TQRPage> paginas = F_Encuesta->QR_Encuesta->QRPrinter()->Pages();
    delete F_Encuesta;
    return paginas;
}

// Three pages of one cost, each with characters of its own.
QVector<TQRPage> Costosa(PaintCost coste, QSizeF papel, int fuentes)
{
    QVector<TQRPage> paginas;
    for (int i = 0; i < 3; ++i)
        paginas << testing::CostlyPage(coste, papel, fuentes, i);
    return paginas;
}

// The `n`th font the toolkit looks for on its own: both families of the reports, plain
// and bold, each step a pixel smaller from the largest size a file may hold.
report::TQRFont FuentePropia(int n)
{
    report::TQRFont fuente = testing::CostlyFont(n % 4);
    fuente.Underline = false;
    const int pixeles = int(report::kMaxFontPoints * report::kTextDpi / 72) - n / 4;
    fuente.Points = pixeles * 72.0 / report::kTextDpi;
    return fuente;
}

// `paginas` pages of twenty-five scripts, their texts in as many FuentePropia as a file
// may hold: the first ones; with `nuevas`, the next ones (that no file before asked for),
// the first page in only one of them.
QVector<TQRPage> Escrituras(int paginas, bool nuevas)
{
    QVector<TQRPage> hojas;
    for (int i = 0; i < paginas; ++i) {
        const int fuentes = nuevas && i == 0 ? 1 : report::kMaxReportFonts;
        TQRPage hoja = testing::CostlyPage(PaintCost::ManyScripts, QSizeF(210, 297), fuentes, i);
        for (int j = 0; j < hoja.Items.size(); ++j)
            hoja.Items[j].Font = FuentePropia((nuevas ? report::kMaxReportFonts : 0) + j % fuentes);
        hojas << hoja;
    }
    return hojas;
}

// The slowest of five paints of the page shown, the first of them right after `paso`.
double PeorPintado(QWidget* pagina, const std::function<void()>& paso)
{
    paso();
    double peor = 0;
    for (int i = 0; i < 5; ++i)
        peor = std::max(peor, Tiempo([pagina] { pagina->repaint(); }));
    return peor;
}

// The slowest paint of any view; with `hojear`, of every page turn too.
double Medir(const char* nombre, const QString& archivo, bool hojear)
{
    QVector<TQRPage> leidas;
    const double lectura = MedianaDe(5, [&] { leidas = report::LoadReportFile(archivo); });

    report::TQRStandardPreview vista;
    vista.setAttribute(Qt::WA_DeleteOnClose, false);
    // As a maximised preview on a common screen.
    vista.resize(1920, 1080);
    QWidget* pagina = vista.findChild<QScrollArea*>(QStringLiteral("PageArea"))->widget();
    // On screen before its pages come, so that their first paint is the one timed.
    vista.show();
    bench::Esperar();
    QList<double> vistas;
    vistas << PeorPintado(pagina, [&] { vista.SetPages(leidas); });
    for (const auto orden :
         {&report::TQRStandardPreview::ZoomToFitClick, &report::TQRStandardPreview::ZoomTo100Click,
          &report::TQRStandardPreview::ZoomToWidthClick,
          &report::TQRStandardPreview::LastPageClick})
        vistas << PeorPintado(pagina, [&] { (vista.*orden)(); });
    if (hojear) {
        vista.FirstPageClick();
        pagina->repaint();
        double peor = 0;
        for (int i = 1; i < leidas.size(); ++i)
            peor = std::max(peor, Tiempo([&] {
                                vista.NextPageClick();
                                pagina->repaint();
                            }));
        vistas << peor;
    }
    qint64 elementos = 0;
    for (const TQRPage& hoja : leidas)
        elementos += hoja.Items.size();
    std::printf("%-34s %7d %9lld %6.1f %8.1f %8.1f %9.1f %8.1f %8.1f %8.1f\n", nombre,
                int(leidas.size()), elementos, double(QFileInfo(archivo).size()) / (1024 * 1024),
                lectura, vistas[0], vistas[1], vistas[2], vistas[3], vistas[4]);
    if (hojear)
        std::printf("%-34s página a página, la más lenta: %.1f ms\n", "", vistas[5]);
    std::fflush(stdout);
    vista.close();
    bench::Esperar();
    return *std::max_element(vistas.begin(), vistas.end());
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    testing::Workspace espacio;
    bench::CrearModulosEncuesta();

    const QSizeF a4(210, 297);
    const int fuentes = report::kMaxReportFonts;
    struct TArchivo
    {
        const char* Nombre;
        QVector<TQRPage> Paginas;
        bool Hojear = false;
    };
    const TArchivo archivos[] = {
        {"el más lleno que se acepta", testing::FullestSavedReport()},
        {"encuesta de 5.000 preguntas", EncuestaGrande(espacio.Db())},
        {"letra mayor, A4 vertical", Costosa(PaintCost::LargeGlyphs, a4, 1)},
        {"letra mayor, A4 apaisado", Costosa(PaintCost::LargeGlyphs, a4.transposed(), 1)},
        {"más tipos de letra", Costosa(PaintCost::ManyFonts, a4, fuentes)},
        {"caracteres sin letra que los tenga", Costosa(PaintCost::MissingGlyphs, a4, fuentes)},
        {"25 escrituras", Costosa(PaintCost::ManyScripts, a4, fuentes)},
        {"25 escrituras, 16 letras propias", Escrituras(3, false)},
        {"25 escrituras, 15 letras nuevas", Escrituras(6, true), true},
    };

    std::printf("Encuesta guardada, leída y pintada en la vista previa (%s); objetivo: ningún "
                "pintado de más de %.0f ms\n",
                qPrintable(QGuiApplication::platformName()), kObjetivo);
    std::printf("%-34s %7s %9s %6s %8s %8s %9s %8s %8s %8s\n", "archivo", "páginas", "elementos",
                "MB", "leer ms", "1.ª ms", "ajust. ms", "100% ms", "ancho ms", "últ. ms");
    QStringList lentos;
    int n = 0;
    for (const auto& [nombre, paginas, hojear] : archivos) {
        const QString ruta = espacio.Dir() + QStringLiteral("/%1.qrp").arg(n++);
        report::SaveReportFile(ruta, paginas);
        if (Medir(nombre, ruta, hojear) > kObjetivo)
            lentos << QString::fromUtf8(nombre);
    }
    if (lentos.isEmpty())
        std::printf("Todos los pintados dentro del objetivo.\n");
    else
        std::printf("Por encima del objetivo: %s\n", qPrintable(lentos.join(QStringLiteral("; "))));
    std::printf("Memoria pico: %.1f MB\n", bench::MemoriaPicoMB());
    ui::ReleaseApplicationObject();
    return lentos.isEmpty() ? 0 : 1;
}
