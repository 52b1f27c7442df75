// Lays out questionnaires of 10 to 5,000 questions and compares what the preview
// costs (the counting pass, then the preview's own run) with one plain layout
// pass of the same pages, how memory grows with the pages, and the run's peak memory.
//
//   bench/run bench_report_layout   (it works in a temporary folder)

#include "Medidas.h"
#include "Preguntas.h"

#include "TestSupport.h"
#include "platform/report/QuickRep.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Application.h"
#include "survey/FEncuesta.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// What the pages hold: their items and the texts they carry.
qint64 PageBytes(const QVector<report::TQRPage>& pages)
{
    qint64 bytes = 0;
    for (const report::TQRPage& page : pages) {
        bytes += qint64(sizeof(report::TQRPage)) +
                 page.Items.capacity() * qint64(sizeof(report::TPageItem));
        for (const report::TPageItem& item : page.Items)
            bytes += (item.Text.capacity() + item.Source.capacity()) * 2;
    }
    return bytes;
}

double Milliseconds(const std::function<void()>& work, int repeats)
{
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);

    testing::Workspace espacio;
    bench::CrearModulosEncuesta();

    std::printf("%8s %6s %12s %14s %7s %11s %11s %12s\n", "questions", "pages", "one pass ms",
                "count+preview", "ratio", "pages KiB", "KiB/page", "RSS +KiB");
    for (const int count : {10, 100, 1000, 5000}) {
        bench::EscribirPreguntas(espacio.Db(), count);
        const double before = bench::MemoriaResidenteMB();
        auto* encuesta = new TF_Encuesta(ui::ApplicationObject());
        report::TQuickRep* informe = encuesta->QR_Encuesta;
        const int repeats = count >= 1000 ? 10 : 50;
        // Texts are measured once per report; each timing starts with none measured,
        // as a new questionnaire does.
        auto forget = [&] {
            for (report::TQRDBText* text : {encuesta->QRDBNum, encuesta->QRDBDefinicion})
                text->ForgetMeasures();
        };
        // One plain layout pass of the questionnaire, the whole report laid out.
        informe->KeepDetail = false;
        const double one = Milliseconds(
            [&] {
                forget();
                informe->Prepare();
            },
            repeats);
        // What the preview costs: the counting pass of a new questionnaire, which has
        // no earlier run to keep, then the preview's own run.
        const double pair = Milliseconds(
            [&] {
                forget();
                informe->KeepDetail = false;
                informe->Prepare();
                encuesta->TotalPaginas = informe->QRPrinter()->PageCount();
                informe->KeepDetail = true;
                informe->Prepare();
            },
            repeats);
        const QVector<report::TQRPage>& pages = informe->QRPrinter()->Pages();
        const double kib = PageBytes(pages) / 1024.0;
        const double grown = (bench::MemoriaResidenteMB() - before) * 1024;
        std::printf("%8d %6d %12.1f %14.1f %7.2f %11.0f %11.1f %12.0f\n", count, int(pages.size()),
                    one, pair, pair / one, kib, kib / pages.size(), grown);
        delete encuesta;
    }

    // Once with the real window, for reference: creation with its counting pass,
    // then the preview opened, laid out and closed.
    bench::EscribirPreguntas(espacio.Db(), 1000);
    QElapsedTimer timer;
    timer.start();
    F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
    QTimer::singleShot(0, [] {
        if (QWidget* preview = report::FindPreviewWindow())
            preview->close();
    });
    F_Encuesta->QR_Encuesta->Preview();
    std::printf("\n1000 questions through the preview window, creation to close: %.1f ms\n",
                timer.nsecsElapsed() / 1e6);
    std::printf("Memoria pico: %.1f MB\n", bench::MemoriaPicoMB());
    ui::ReleaseApplicationObject();
    return 0;
}
