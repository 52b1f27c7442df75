#include "SurveyTestSupport.h"
#include "platform/report/QuickRep.h"
#include "platform/report/TextMetrics.h"
#include "platform/report/preview/PrintDialogs.h"

#include <QFontInfo>
#include <QLocale>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>

using report::TItemKind;
using report::TPageItem;
using report::TQRPage;
using testing::ItemsOf;
using testing::TextsOf;

namespace {

constexpr double kTolerance = 0.02;

bool Near(double a, double b)
{
    return qAbs(a - b) < kTolerance;
}

QImage Logo()
{
    QImage logo(145, 113, QImage::Format_RGB32);
    logo.fill(QColor(200, 30, 30));
    return logo;
}

QString Larga(int palabras)
{
    QStringList texto;
    for (int i = 0; i < palabras; ++i)
        texto << (i % 3 ? QStringLiteral("formación") : QStringLiteral("profesorado"));
    return QStringLiteral("¿Valora ") + texto.join(QLatin1Char(' ')) + QLatin1Char('?');
}

// The detail rows of a page, top to bottom: the top of each row's cells.
QList<double> RowTops(const TQRPage& page)
{
    QList<double> tops;
    for (const TPageItem& item : ItemsOf(page, QStringLiteral("QRDBNum"), TItemKind::Fill))
        tops << item.Rect.top();
    return tops;
}

// What the answer boxes of the row whose cells start at `top` show.
QStringList BoxesAt(const TQRPage& page, double top)
{
    QStringList boxes;
    for (int i = 1; i <= 6; ++i) {
        const QString name = QStringLiteral("QRL%1").arg(i);
        QString shown;
        int sides = 0;
        bool filled = false;
        for (const TPageItem& item : page.Items) {
            const double at = qMin(item.Rect.top(), item.Rect.bottom());
            if (item.Source != name || at < top - kTolerance || at > top + 4.76 + kTolerance)
                continue;
            if (item.Kind == TItemKind::Text)
                shown = item.Text;
            sides += item.Kind == TItemKind::Line;
            filled |= item.Kind == TItemKind::Fill;
        }
        boxes << QStringLiteral("%1%2%3").arg(shown, sides == 4 ? "[]" : "", filled ? "" : "~");
    }
    return boxes;
}

} // namespace

class FEncuestaTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::SurveyWorkspace> ws;

private slots:
    void init()
    {
        ws = std::make_unique<testing::SurveyWorkspace>();
        for (int codigo = -1; codigo <= 13; ++codigo)
            ws->Db().Exec(QStringLiteral("INSERT INTO Subcriterio(codigo,definicion,cod_criterio) "
                                         "VALUES(?,?,1)"),
                          {codigo, QStringLiteral("Dimensión %1").arg(codigo)});
    }

    void cleanup() { ws.reset(); }

    void theFontsAreTheSameEverywhere()
    {
        const QString antiqua =
            QFontInfo(report::TextFont({QStringLiteral("Book Antiqua"), 9})).family();
        const QString arial = QFontInfo(report::TextFont({QStringLiteral("Arial"), 8})).family();
        QVERIFY2(antiqua.startsWith(QLatin1String("P052")), qPrintable(antiqua));
        QVERIFY2(arial.startsWith(QLatin1String("Liberation Sans")), qPrintable(arial));
    }

    void elementsStandAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRectF>("place"); // on the page; a size of 0 is not checked
        auto row = [](const char* source, TItemKind kind, QRectF place) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(source).arg(int(kind))))
                << QString::fromLatin1(source) << int(kind) << place;
        };
        // Page header: 10 mm in and down.
        row("QRImage1", TItemKind::Image, {5.50, 11.85, 32.28, 17.20});
        row("QRShape1", TItemKind::Frame, {38.57, 11.85, 135.73, 16.67});
        row("QRLabel1", TItemKind::Text, {39.10, 12.65, 0, 0});
        row("QRLCentro", TItemKind::Text, {52.33, 12.65, 0, 0});
        row("QRLabel2", TItemKind::Text, {39.10, 17.94, 0, 0});
        row("QRLDireccion", TItemKind::Text, {52.33, 17.94, 0, 0});
        row("QRLabel3", TItemKind::Text, {39.10, 23.23, 0, 0});
        row("QRLTelefono", TItemKind::Text, {52.33, 23.23, 0, 0});
        row("QRLabel4", TItemKind::Text, {148.64, 23.23, 0, 0});
        row("QRLFecha", TItemKind::Text, {158.70, 23.23, 0, 0});
        row("QRI_Logo", TItemKind::Image, {175.10, 11.85, 33.34, 17.20});
        row("QRLabel5", TItemKind::Text, {32.23, 34.61, 0, 0});
        row("QRShape2", TItemKind::Line, {46.78, 39.505, 144.20, 0.001});
        row("QRShape3", TItemKind::Line, {46.78, 47.705, 144.20, 0.001});
        row("QRShape4", TItemKind::Frame, {166.63, 49.42, 39.16, 12.96});
        row("QRLabel7", TItemKind::Text, {168.22, 51.01, 0, 0});
        row("QRLabel8", TItemKind::Text, {168.22, 54.19, 0, 0});
        row("QRLabel9", TItemKind::Text, {168.22, 57.62, 0, 0});
        row("QRLabel10", TItemKind::Text, {187.54, 51.01, 0, 0});
        row("QRLabel11", TItemKind::Text, {187.54, 54.19, 0, 0});
        row("QRLabel12", TItemKind::Text, {187.54, 57.62, 0, 0});
        row("QRLabel14", TItemKind::Text, {28.52, 58.95, 0, 0});
        row("QRShape5", TItemKind::Line, {-11.96, 63.45, 224.90, 0.001});
        // First detail row: the band starts at 10 + 57.68.
        row("QRDBNum", TItemKind::Fill, {10.53, 72.71, 5.03, 4.76});
        row("QRDBDefinicion", TItemKind::Text, {16.61, 72.71, 0, 0});
        row("QRL1", TItemKind::Fill, {168.75, 72.71, 5.29, 4.76});
        row("QRL2", TItemKind::Fill, {174.31, 72.71, 5.29, 4.76});
        row("QRL3", TItemKind::Fill, {179.86, 72.71, 5.29, 4.76});
        row("QRL4", TItemKind::Fill, {185.42, 72.71, 5.29, 4.76});
        row("QRL5", TItemKind::Fill, {190.97, 72.71, 5.29, 4.76});
        row("QRL6", TItemKind::Fill, {196.53, 72.71, 5.29, 4.76});
        // Page footer: on the bottom margin, 12.70 high.
        row("QRLabel13", TItemKind::Text, {183.04, 281.44, 0, 0});
    }

    void elementsStandAtTheirPlaces()
    {
        QFETCH(QString, source);
        QFETCH(int, kind);
        QFETCH(QRectF, place);
        ws->Cabecera(QDate(2024, 3, 15), Logo());
        ws->Preguntas({{QStringLiteral("¿Conoce el proyecto educativo del centro?"), 0}});
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        F_Encuesta->InsertarSubcriterio(4);
        const QVector<TQRPage> pages = testing::PreviewPages(F_Encuesta);

        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages.first().Size, QSizeF(210, 297));
        const auto items = ItemsOf(pages.first(), source, TItemKind(kind));
        QVERIFY2(!items.isEmpty(), qPrintable(source));
        const QRectF rect = items.first().Rect;
        QVERIFY2(Near(rect.left(), place.left()) && Near(rect.top(), place.top()),
                 qPrintable(
                     QStringLiteral("%1 at %2, %3").arg(source).arg(rect.left()).arg(rect.top())));
        if (place.width() > 0)
            QVERIFY(Near(rect.width(), place.width()));
        if (place.height() > 0.01)
            QVERIFY(Near(rect.height(), place.height()));
    }

    void theHeaderShowsTheSurveyHeader()
    {
        ws->Cabecera(QDate(2024, 3, 15), Logo());
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        const TQRPage page = F_Encuesta->QR_Encuesta->QRPrinter()->Pages().first();
        QCOMPARE(TextsOf(page, QStringLiteral("QRLCentro")), QStringList{"IES Ribera del Júcar"});
        QCOMPARE(TextsOf(page, QStringLiteral("QRLTelefono")), QStringList{"961 234 567"});
        QCOMPARE(TextsOf(page, QStringLiteral("QRLFecha")),
                 QStringList{QLocale().toString(QDate(2024, 3, 15), QLocale::ShortFormat)});
        QCOMPARE(TextsOf(page, QStringLiteral("QRLabel6")), QStringList{"Estudios/Profesión:"});
        const TPageItem centro =
            ItemsOf(page, QStringLiteral("QRLCentro"), TItemKind::Text).first();
        QCOMPARE(centro.Font.Family, QStringLiteral("Arial"));
        QCOMPARE(centro.Font.Points, 8.0);
        QCOMPARE(centro.Color, QColor(128, 128, 128));
        const TPageItem leyenda =
            ItemsOf(page, QStringLiteral("QRLabel9"), TItemKind::Text).first();
        QCOMPARE(leyenda.Text, QStringLiteral("3- Término medio"));
        QVERIFY(leyenda.Font.Bold && leyenda.Font.Points == 6.0);
        QCOMPARE(ItemsOf(page, QStringLiteral("QRShape4"), TItemKind::Frame).first().PenStyle,
                 Qt::DotLine);
        QCOMPARE(ItemsOf(page, QStringLiteral("QRShape5"), TItemKind::Line).size(), 2);
        const TPageItem logo = ItemsOf(page, QStringLiteral("QRI_Logo"), TItemKind::Image).first();
        QCOMPARE(logo.Image.pixelColor(70, 50), QColor(200, 30, 30));
        QCOMPARE(ItemsOf(page, QStringLiteral("QRImage1"), TItemKind::Image).first().Image.size(),
                 QSize(122, 65));
    }

    void aHeaderLeavesOutWhatItLacks_data()
    {
        QTest::addColumn<bool>("conCabecera");
        QTest::addColumn<bool>("conFecha");
        QTest::addColumn<bool>("conLogo");
        QTest::newRow("no date") << true << false << true;
        QTest::newRow("no logo") << true << true << false;
        QTest::newRow("neither") << true << false << false;
        QTest::newRow("no header module") << false << false << false;
    }

    void aHeaderLeavesOutWhatItLacks()
    {
        QFETCH(bool, conCabecera);
        QFETCH(bool, conFecha);
        QFETCH(bool, conLogo);
        if (conCabecera)
            ws->Cabecera(conFecha ? QDate(2024, 5, 2) : QDate(), conLogo ? Logo() : QImage());
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        const TQRPage page = testing::PreviewPages(F_Encuesta).first();
        QCOMPARE(TextsOf(page, QStringLiteral("QRLabel4")), QStringList{"Fecha:"});
        QCOMPARE(TextsOf(page, QStringLiteral("QRLFecha")).size(), conFecha ? 1 : 0);
        QCOMPARE(ItemsOf(page, QStringLiteral("QRI_Logo"), TItemKind::Image).size(),
                 conLogo ? 1 : 0);
        QCOMPARE(TextsOf(page, QStringLiteral("QRLCentro")).size(), conCabecera ? 1 : 0);
        QCOMPARE(ItemsOf(page, QStringLiteral("QRImage1"), TItemKind::Image).size(), 1);
    }

    void noQuestionsStillGiveOnePage()
    {
        ws->Cabecera(QDate(), QImage());
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        QCOMPARE(F_Encuesta->TotalPaginas, 1);
        const QVector<TQRPage> pages = testing::PreviewPages(F_Encuesta);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(TextsOf(pages.first(), QStringLiteral("QRLabel13")), QStringList{"Página 1 de 1"});
        QVERIFY(TextsOf(pages.first(), QStringLiteral("QRDBNum")).isEmpty());
        QVERIFY(!TextsOf(pages.first(), QStringLiteral("QRLabel1")).isEmpty());
    }

    void theRespondentLabelFollowsTheDimension_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("etiqueta");
        QTest::addColumn<bool>("segundaLinea");
        const QString estudios = QStringLiteral("Estudios/Profesión:");
        QTest::newRow("1") << 1 << QStringLiteral("Ciclo formativo/Grupo:") << true;
        QTest::newRow("2") << 2 << QStringLiteral("Departamento:") << true;
        QTest::newRow("5") << 5 << QStringLiteral("Departamento:") << true;
        QTest::newRow("3") << 3 << QStringLiteral("Actividad que desarrolla:") << true;
        QTest::newRow("6") << 6 << estudios << true;
        for (int codigo : {8, 9, 10, 12})
            QTest::newRow(qPrintable(QString::number(codigo)))
                << codigo << QStringLiteral("Función:") << true;
        QTest::newRow("11") << 11 << QString() << false;
        for (int codigo : {0, 4, 7, 13, -1})
            QTest::newRow(qPrintable(QString::number(codigo))) << codigo << estudios << true;
    }

    void theRespondentLabelFollowsTheDimension()
    {
        QFETCH(int, codigo);
        QFETCH(QString, etiqueta);
        QFETCH(bool, segundaLinea);
        ws->Cabecera(QDate(), QImage());
        ws->Preguntas({{QStringLiteral("¿Pregunta?"), 0}});
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        F_Encuesta->InsertarSubcriterio(codigo);
        const TQRPage page = testing::PreviewPages(F_Encuesta).first();

        QCOMPARE(TextsOf(page, QStringLiteral("QRLDimension")),
                 QStringList{QStringLiteral("Dimensión %1").arg(codigo)});
        const auto label = ItemsOf(page, QStringLiteral("QRLabel6"), TItemKind::Text);
        QCOMPARE(label.size(), etiqueta.isEmpty() ? 0 : 1);
        if (!etiqueta.isEmpty()) {
            QCOMPARE(label.first().Text, etiqueta);
            // Whatever the caption, it ends 135 pixels (35.72 mm) into the band.
            QVERIFY(Near(label.first().Rect.right(), 10 + 35.72));
        }
        QCOMPARE(ItemsOf(page, QStringLiteral("QRShape2"), TItemKind::Line).size(), 1);
        QCOMPARE(ItemsOf(page, QStringLiteral("QRShape3"), TItemKind::Line).size(),
                 segundaLinea ? 1 : 0);
        QCOMPARE(F_Encuesta->TotalPaginas, 1);
    }

    void eachRowShowsItsOwnScale()
    {
        ws->Cabecera(QDate(), QImage());
        ws->Preguntas({{QStringLiteral("Niveles"), 0},
                       {QStringLiteral("Sí o no"), 1},
                       {QStringLiteral("Sin tipo"), QVariant()},
                       {QStringLiteral("Otro valor"), 5},
                       {QStringLiteral("Niveles otra vez"), 0}});
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        const TQRPage page = testing::PreviewPages(F_Encuesta).first();
        const QList<double> tops = RowTops(page);
        QCOMPARE(tops.size(), 5);
        const QStringList niveles{"1[]", "2[]", "3[]", "4[]", "5[]", "NC[]"};
        const QStringList siNo{"SI[]", "NO[]", "NC[]", "~", "~", "~"};
        QCOMPARE(BoxesAt(page, tops.at(0)), niveles);
        QCOMPARE(BoxesAt(page, tops.at(1)), siNo);
        QCOMPARE(BoxesAt(page, tops.at(2)), niveles);
        QCOMPARE(BoxesAt(page, tops.at(3)), siNo);
        QCOMPARE(BoxesAt(page, tops.at(4)), niveles);
        QCOMPARE(TextsOf(page, QStringLiteral("QRDBNum")), (QStringList{"1", "2", "3", "4", "5"}));
    }

    void longQuestionsWrapAndTheTotalHolds()
    {
        ws->Cabecera(QDate(), QImage());
        QList<QPair<QString, QVariant>> preguntas;
        for (int i = 0; i < 45; ++i)
            preguntas.append(
                {i % 4 == 1 ? Larga(40) : QStringLiteral("Pregunta corta %1").arg(i), i % 2});
        ws->Preguntas(preguntas);
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        const int total = F_Encuesta->TotalPaginas;
        const QVector<TQRPage> pages = testing::PreviewPages(F_Encuesta);

        // 45 one-line rows would take three pages; the long ones take four.
        QCOMPARE(total, 4);
        QCOMPARE(pages.size(), total);
        int rows = 0;
        for (int p = 0; p < total; ++p) {
            QCOMPARE(TextsOf(pages.at(p), QStringLiteral("QRLabel13")),
                     QStringList{QStringLiteral("Página %1 de %2").arg(p + 1).arg(total)});
            rows += RowTops(pages.at(p)).size();
            for (const TPageItem& item :
                 ItemsOf(pages.at(p), QStringLiteral("QRDBDefinicion"), TItemKind::Text)) {
                QVERIFY(item.Rect.width() <= 150.81 + kTolerance);
                QVERIFY(item.Rect.bottom() <= 297 - 10 - 12.70 + kTolerance);
            }
        }
        QCOMPARE(rows, 45);

        // The long second question pushes the third one down by its extra lines.
        const QList<double> tops = RowTops(pages.first());
        const auto lines =
            ItemsOf(pages.first(), QStringLiteral("QRDBDefinicion"), TItemKind::Text);
        const double lineHeight = lines.first().Rect.height();
        int longLines = 0;
        for (const TPageItem& line : lines)
            longLines += line.Rect.top() >= tops.at(1) - kTolerance &&
                         line.Rect.top() < tops.at(2) - kTolerance;
        QVERIFY(longLines >= 3);
        QVERIFY(Near(tops.at(2) - tops.at(1), qMax(10.58, 5.03 + longLines * lineHeight)));
        QVERIFY(Near(tops.at(1) - tops.at(0), 10.58));
    }

    void closingThePreviewEmptiesTheScratchTable()
    {
        ws->Cabecera(QDate(), QImage());
        ws->Preguntas({{QStringLiteral("Una"), 0}, {QStringLiteral("Dos"), 1}});
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        F_Encuesta->InsertarSubcriterio(2);
        bool sinBarra = false;
        int filasDurante = 0;
        testing::PreviewPages(F_Encuesta, [&](report::TQRStandardPreview* preview) {
            sinBarra =
                preview->isMaximized() && preview->windowFlags().testFlag(Qt::FramelessWindowHint);
            filasDurante =
                ws->Db().Scalar(QStringLiteral("SELECT COUNT(*) FROM PregEncTemp")).toInt();
        });
        QVERIFY(sinBarra);
        QCOMPARE(filasDurante, 2);
        QCOMPARE(ws->Db().Scalar(QStringLiteral("SELECT COUNT(*) FROM PregEncTemp")).toInt(), 0);
        QVERIFY(!DM_BdatosADO->Table->Active());
        QTRY_VERIFY(!F_Encuesta);
    }

    void aWindowFreedWithItsOwnerDuringThePreviewStillCleansUp()
    {
        ws->Cabecera(QDate(), QImage());
        ws->Preguntas({{QStringLiteral("Una"), 0}});
        auto* paso = new QObject(ui::ApplicationObject());
        F_Encuesta = new TF_Encuesta(paso);
        QTimer::singleShot(0, [paso] { delete paso; });
        F_Encuesta->QR_Encuesta->Preview();
        QVERIFY(!F_Encuesta);
        QCOMPARE(ws->Db().Scalar(QStringLiteral("SELECT COUNT(*) FROM PregEncTemp")).toInt(), 0);
        QTRY_VERIFY(!testing::PreviewWindow());
    }

    void thePreviewPrintsToPdf()
    {
        // DIMARVOLTECA_PDF_DIR keeps the printed questionnaire there, to look at.
        QTemporaryDir dir;
        const QString keep = qEnvironmentVariable("DIMARVOLTECA_PDF_DIR");
        const QString pdf = (keep.isEmpty() ? dir.path() : keep) + QStringLiteral("/encuesta.pdf");
        ws->Cabecera(QDate(2024, 3, 15), Logo());
        QList<QPair<QString, QVariant>> preguntas;
        for (int i = 0; i < 30; ++i)
            preguntas.append({QStringLiteral("Pregunta %1").arg(i + 1), 0});
        ws->Preguntas(preguntas);
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        const int total = F_Encuesta->TotalPaginas;
        const auto previous =
            report::SetPrintDialogHook([&](QPrinter& printer, report::TPrintDialogKind) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                return true;
            });
        testing::PreviewPages(F_Encuesta,
                              [](report::TQRStandardPreview* preview) { preview->PrintClick(); });
        report::SetPrintDialogHook(previous);
        QCOMPARE(total, 2);
        QCOMPARE(testing::PdfPageCount(pdf), total);

        // What a person reads on the printed pages.
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QStringList pages = testing::PdfText(pdf).split(QLatin1Char('\f'));
        QVERIFY(pages.size() >= 2);
        for (const QString& expected :
             {QStringLiteral("IES Ribera del Júcar"), QStringLiteral("Avda. de la Albufera, 12 - Sueca"),
              QStringLiteral("Estudios/Profesión:"), QStringLiteral("1- Nada"),
              QStringLiteral("NC - No contesta"), QStringLiteral("Pregunta 1 "),
              QStringLiteral("Página 1 de 2")})
            QVERIFY2(pages[0].contains(expected), qPrintable(expected + " missing in:\n" + pages[0]));
        QVERIFY(pages[1].contains(QStringLiteral("Pregunta 30")));
        QVERIFY(pages[1].contains(QStringLiteral("Página 2 de 2")));
        QVERIFY(!pages[0].contains(QStringLiteral("Pregunta 30")));
        QCOMPARE(pages[0].count(QStringLiteral("NC")) - 1, pages[0].count(QStringLiteral("Pregunta ")));
    }
};

DIMARVOLTECA_TEST_MAIN(FEncuestaTest)
#include "FEncuestaTest.moc"
