// A saved questionnaire as the user reopens it: the file read, then its pages painted in
// the preview. Two files: the fullest one the reader accepts (every limit of the format
// reached at once, see FullestSavedReport) and the program's own largest questionnaire
// (5,000 questions). Prints for each:
//  - its pages and size, and the time to read it (median of five reads);
//  - the first paint of its first page, fonts and glyphs not yet at hand, at the
//    preview's first zoom;
//  - the repaint of its first page at each of the preview's zooms (fit, 100 %, page
//    width; median of five), on a maximised preview.
// Target: the fullest file reads, and paints each page, well under a second.
//
//   bench/run bench_encuesta_guardada   (on a virtual X display; it works in a temporary
//                                        folder)

#include "Medidas.h"
#include "Preguntas.h"

#include "TestSupport.h"
#include "platform/report/QRPrinter.h"
#include "platform/report/QuickRep.h"
#include "platform/report/ReportFile.h"
#include "platform/report/preview/QRStandardPreview.h"
#include "platform/ui/Application.h"
#include "survey/FEncuesta.h"
#include "tests/platform/ReportTestSupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScrollArea>
#include <cstdio>

namespace {

using bench::Mediana;
using bench::Milisegundos;
using report::TQRPage;

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

void Medir(const char* nombre, const QString& archivo)
{
    QVector<TQRPage> leidas;
    const double lectura = MedianaDe(5, [&] { leidas = report::LoadReportFile(archivo); });

    report::TQRStandardPreview vista;
    vista.SetPages(leidas);
    // As a maximised preview on a common screen.
    vista.resize(1920, 1080);
    vista.show();
    bench::Esperar();
    QWidget* pagina = vista.findChild<QScrollArea*>(QStringLiteral("PageArea"))->widget();
    const double primera = Tiempo([pagina] { pagina->repaint(); });
    QList<double> zooms;
    for (const auto orden :
         {&report::TQRStandardPreview::ZoomToFitClick, &report::TQRStandardPreview::ZoomTo100Click,
          &report::TQRStandardPreview::ZoomToWidthClick}) {
        (vista.*orden)();
        bench::Esperar();
        zooms << MedianaDe(5, [pagina] { pagina->repaint(); });
    }
    qint64 elementos = 0;
    for (const TQRPage& hoja : leidas)
        elementos += hoja.Items.size();
    std::printf("%-30s %7d %9lld %6.1f %8.1f %8.1f %9.1f %8.1f %8.1f\n", nombre, int(leidas.size()),
                elementos, double(QFileInfo(archivo).size()) / (1024 * 1024), lectura, primera,
                zooms[0], zooms[1], zooms[2]);
    vista.close();
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    testing::Workspace espacio;
    bench::CrearModulosEncuesta();

    const QString llena = espacio.Dir() + QStringLiteral("/llena.qrp");
    const QString grande = espacio.Dir() + QStringLiteral("/grande.qrp");
    report::SaveReportFile(llena, testing::FullestSavedReport());
    report::SaveReportFile(grande, EncuestaGrande(espacio.Db()));

    std::printf("Encuesta guardada, leída y pintada en la vista previa (%s); objetivo: muy por "
                "debajo de un segundo\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-30s %7s %9s %6s %8s %8s %9s %8s %8s\n", "archivo", "páginas", "elementos", "MB",
                "leer ms", "1.ª ms", "ajust. ms", "100% ms", "ancho ms");
    // The fullest file first: its first paint meets fonts and glyphs not yet at hand.
    Medir("el más lleno que se acepta", llena);
    Medir("encuesta de 5.000 preguntas", grande);
    std::printf("Memoria pico: %.1f MB\n", bench::MemoriaPicoMB());
    ui::ReleaseApplicationObject();
    return 0;
}
