// Questionnaires of 30, 1,000 and 5,000 questions printed to PDF as the user prints
// them: the questionnaire's preview, its print command, the print dialog answered
// with a PDF file. For each size, in one run:
//  - the time of the print (median and spread over several prints);
//  - the same pages printed the way every page printed before texts kept the glyphs
//    they were measured with (a copy of that painter below), and the ratio of the two
//    (target: at most 0.5 at 1,000 questions);
//  - the same pages printed by today's painter with every text shaped again as it is
//    drawn, as pages read from a file print;
//  - the peak memory of the layout and the print, which should grow in step with the
//    pages.
//
//   xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb bench_pdf [preguntas...]
//   (run from anywhere; it works in a temporary folder)
//
// Given sizes replace the three, e.g. 1000 under callgrind with
// --toggle-collect='(anonymous namespace)::ImprimirDesdeLaVista*' and again with
// --toggle-collect='(anonymous namespace)::ImprimirComoAntes*' for the two counts.
//
// Before texts kept their glyphs, this program timed 1,000 questions (58 pages) at
// 246 ms and 5,000 (302 pages) at 1,202 ms (medians of five runs under Xvfb while other
// builds ran; 267 and 256 KiB of peak memory per page).

#include "Medidas.h"
#include "Preguntas.h"

#include "TestSupport.h"
#include "platform/report/QuickRep.h"
#include "platform/report/TextMetrics.h"
#include "platform/report/preview/PrintDialogs.h"
#include "platform/report/preview/QRStandardPreview.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Application.h"
#include "survey/FEncuesta.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <cstdio>
#include <malloc.h>

namespace {

using bench::Mediana;
using bench::Milisegundos;
using report::TItemKind;
using report::TPageItem;
using report::TQRPage;

struct TTamano
{
    int Preguntas;
    int Veces;
};

// The painter as it was before texts kept their glyphs: each text shaped again
// under a transformation of its own, each side of a frame a line of its own, the page
// stretched to the sheet's whole points.
void PintarComoAntes(QPainter& painter, const TQRPage& pagina, const QRectF& hoja)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.translate(hoja.topLeft());
    painter.scale(hoja.width() / pagina.Size.width(), hoja.height() / pagina.Size.height());
    const QRectF papel(QPointF(0, 0), pagina.Size);
    painter.setClipRect(papel, Qt::IntersectClip);
    painter.fillRect(papel, Qt::white);
    const double minimo = 1.0 / painter.deviceTransform().map(QLineF(0, 0, 1, 0)).length();
    for (const TPageItem& item : pagina.Items) {
        if (item.Kind == TItemKind::Fill) {
            painter.fillRect(item.Rect, item.Color);
        } else if (item.Kind == TItemKind::Frame || item.Kind == TItemKind::Line) {
            painter.setPen(QPen(item.Color, qMax(item.PenWidth, minimo), item.PenStyle,
                                Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            if (item.Kind == TItemKind::Frame)
                painter.drawRect(item.Rect);
            else
                painter.drawLine(item.Rect.topLeft(), item.Rect.bottomRight());
        } else if (item.Kind == TItemKind::Text) {
            painter.save();
            painter.translate(item.Rect.left(), item.Baseline);
            painter.scale(report::TextUnitsToMm(1.0), report::TextUnitsToMm(1.0));
            painter.setFont(report::TextFont(item.Font));
            painter.setPen(item.Color);
            painter.drawText(QPointF(0, 0), item.Text);
            painter.restore();
        } else {
            painter.drawImage(item.Rect, item.Image);
        }
    }
    painter.restore();
}

// The pages (all of them upright A4) to `pdf` through the former painter, on a
// printer set up as the preview sets its own. Kept out of line, as the next, so that a
// profiler can be told to count it alone.
[[gnu::noinline]] void ImprimirComoAntes(const QVector<TQRPage>& paginas, const QString& pdf)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter(&printer);
    const QRectF hoja = printer.pageLayout().fullRectPixels(printer.logicalDpiX());
    for (int i = 0; i < paginas.size(); ++i) {
        if (i > 0)
            printer.newPage();
        PintarComoAntes(painter, paginas.at(i), hoja);
    }
}

// The preview's print command, its dialog answered with a PDF file.
[[gnu::noinline]] void ImprimirDesdeLaVista(report::TQRStandardPreview& vista)
{
    vista.PrintClick();
}

// The same pages without the glyphs their texts were measured with.
QVector<TQRPage> SinGlifos(QVector<TQRPage> paginas)
{
    for (TQRPage& pagina : paginas)
        for (TPageItem& item : pagina.Items)
            item.Glyphs.reset();
    return paginas;
}

// The median of `veces` timings of `trabajo`, and their spread.
std::pair<double, double> Tiempo(int veces, const std::function<void()>& trabajo)
{
    std::vector<double> tiempos;
    for (int vez = 0; vez < veces; ++vez) {
        QElapsedTimer reloj;
        reloj.start();
        trabajo();
        tiempos.push_back(Milisegundos(reloj.nsecsElapsed()));
    }
    const auto [menor, mayor] = std::minmax_element(tiempos.begin(), tiempos.end());
    return {Mediana(tiempos), *mayor - *menor};
}

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

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    testing::Workspace espacio;
    bench::CrearModulosEncuesta();

    const QString pdf = espacio.Dir() + QStringLiteral("/encuesta.pdf");
    report::SetPrintDialogHook([pdf](QPrinter& printer, report::TPrintDialogKind) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });

    std::printf("Preguntas a PDF por la orden de imprimir de la vista previa (%s); "
                "objetivo: razón <= 0.5 con 1000 preguntas, memoria proporcional a las "
                "páginas\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("%9s %7s %11s %10s %9s %6s %13s %7s %8s %8s\n", "preguntas", "páginas",
                "mediana ms", "dispersión", "antes ms", "razón", "sin glifos ms", "ms/pág",
                "pico MB", "KiB/pág");
    std::vector<TTamano> tamanos{{30, 7}, {1000, 5}, {5000, 3}};
    if (argc > 1)
        tamanos.clear();
    for (int i = 1; i < argc; ++i)
        tamanos.push_back({qBound(1, QByteArray(argv[i]).toInt(), 5000), 3});
    for (const TTamano tamano : tamanos) {
        bench::EscribirPreguntas(espacio.Db(), tamano.Preguntas);
        malloc_trim(0);
        const double antes = bench::MemoriaResidenteMB();
        bench::ReiniciarMemoriaPico();
        int paginas = 0;
        double pico = 0;
        std::pair<double, double> ahora, comoAntes, sinGlifos;
        EnLaVistaPrevia([&](report::TQRStandardPreview& vista) {
            paginas = vista.PageCount();
            ahora = Tiempo(tamano.Veces, [&vista] { ImprimirDesdeLaVista(vista); });
            pico = bench::MemoriaPicoMB();
            const QVector<TQRPage> hechas = vista.Pages();
            comoAntes = Tiempo(tamano.Veces, [&] { ImprimirComoAntes(hechas, pdf); });
            vista.SetPages(SinGlifos(hechas));
            sinGlifos = Tiempo(tamano.Veces, [&vista] { vista.PrintClick(); });
            vista.SetPages(hechas);
        });
        std::printf("%9d %7d %11.1f %10.1f %9.1f %6.2f %13.1f %7.2f %8.1f %8.1f\n",
                    tamano.Preguntas, paginas, ahora.first, ahora.second, comoAntes.first,
                    ahora.first / comoAntes.first, sinGlifos.first, ahora.first / paginas, pico,
                    (pico - antes) * 1024 / paginas);
    }
    ui::ReleaseApplicationObject();
    return 0;
}
