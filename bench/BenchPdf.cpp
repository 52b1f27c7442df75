// Questionnaires of 30, 1,000 and 5,000 questions printed to PDF as the user prints
// them: the questionnaire's preview, its print command, the print dialog answered
// with a PDF file. Prints for each size the pages, the time of the print (median and
// spread) and the peak memory of the whole run, which should grow in step with the
// pages.
//
//   xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb bench_pdf
//   (run from anywhere; it works in a temporary folder)

#include "Medidas.h"
#include "Preguntas.h"

#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "platform/report/QuickRep.h"
#include "platform/report/preview/PrintDialogs.h"
#include "platform/report/preview/QRStandardPreview.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Application.h"
#include "survey/FEncuesta.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTimer>
#include <cstdio>
#include <malloc.h>

namespace {

using bench::Mediana;
using bench::Milisegundos;

struct TTamano
{
    int Preguntas;
    int Veces;
};

struct TResultado
{
    int Paginas = 0;
    std::vector<double> Impresiones; // ms
    double PdfKiB = 0;
    double PicoMB = 0;
    double CrecimientoMB = 0;
};

// The questionnaire of the questions now in the scratch table, in its preview: runs
// `trabajo` once the preview shows, then closes it.
void EnLaVistaPrevia(const std::function<void(report::TQRStandardPreview&)>& trabajo)
{
    F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
    std::function<void()> mirar = [&] {
        auto* vista = qobject_cast<report::TQRStandardPreview*>(report::FindPreviewWindow());
        if (vista && vista->isVisible()) {
            trabajo(*vista);
            vista->close();
        } else {
            QTimer::singleShot(0, mirar);
        }
    };
    QTimer::singleShot(0, mirar);
    F_Encuesta->QR_Encuesta->Preview();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The preview's print command, its dialog answered with all pages to `pdf`.
double Imprimir(report::TQRStandardPreview& vista)
{
    QElapsedTimer reloj;
    reloj.start();
    vista.PrintClick();
    return Milisegundos(reloj.nsecsElapsed());
}

double Spread(const std::vector<double>& valores)
{
    const auto [menor, mayor] = std::minmax_element(valores.begin(), valores.end());
    return *mayor - *menor;
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    testing::Workspace espacio;
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    DM_Encuesta = new TDM_Encuesta(ui::ApplicationObject());
    DM_Encuesta->InicializarCabecera();
    DM_Encuesta->Cabecera.Centro = QStringLiteral("IES Ribera del Júcar");
    DM_Encuesta->Cabecera.Direccion = QStringLiteral("Avda. de la Albufera, 12 - Sueca");
    DM_Encuesta->Cabecera.Telefono = QStringLiteral("961 234 567");

    const QString pdf = espacio.Dir() + QStringLiteral("/encuesta.pdf");
    report::SetPrintDialogHook([pdf](QPrinter& printer, report::TPrintDialogKind) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });

    std::printf("Preguntas a PDF por la orden de imprimir de la vista previa (%s)\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("%9s %7s %12s %10s %9s %9s %9s %11s\n", "preguntas", "páginas", "mediana ms",
                "dispersión", "ms/pág", "PDF KiB", "pico MB", "KiB/pág");
    for (const TTamano tamano : {TTamano{30, 7}, TTamano{1000, 5}, TTamano{5000, 3}}) {
        bench::EscribirPreguntas(espacio.Db(), tamano.Preguntas);
        malloc_trim(0);
        const double antes = bench::MemoriaResidenteMB();
        bench::ReiniciarMemoriaPico();
        TResultado r;
        EnLaVistaPrevia([&](report::TQRStandardPreview& vista) {
            r.Paginas = vista.PageCount();
            for (int vez = 0; vez < tamano.Veces; ++vez)
                r.Impresiones.push_back(Imprimir(vista));
            r.PdfKiB = QFileInfo(pdf).size() / 1024.0;
        });
        r.PicoMB = bench::MemoriaPicoMB();
        r.CrecimientoMB = r.PicoMB - antes;
        const double mediana = Mediana(r.Impresiones);
        std::printf("%9d %7d %12.1f %10.1f %9.2f %9.0f %9.1f %11.1f\n", tamano.Preguntas,
                    r.Paginas, mediana, Spread(r.Impresiones), mediana / r.Paginas, r.PdfKiB,
                    r.PicoMB, r.CrecimientoMB * 1024 / r.Paginas);
    }
    ui::ReleaseApplicationObject();
    return 0;
}
