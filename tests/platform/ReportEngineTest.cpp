#include "ReportTestSupport.h"
#include "TestSupport.h"
#include "platform/report/Builders.h"
#include "platform/report/QRPrinter.h"
#include "platform/report/QuickRep.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportFile.h"
#include "platform/report/TextMetrics.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

using namespace report;
using testing::ItemsOf;
using testing::Near;
using testing::RowSource;
using testing::TextsOf;

namespace {

constexpr double kTolerance = 0.02;

QVector<QMap<QString, QString>> NumberedRows(int count, const QString& text = QStringLiteral("x"))
{
    QVector<QMap<QString, QString>> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({{QStringLiteral("n"), QString::number(i)}, {QStringLiteral("t"), text}});
    return rows;
}

template <class T>
T* Put(TQRBand* band, const char* name, double left, double top, double width, double height)
{
    auto* control = band->Add<T>(QString::fromLatin1(name));
    control->Left = left;
    control->Top = top;
    control->SetWidth(width);
    control->Height = height;
    return control;
}

// A test report: header 20 mm, detail 10 mm, footer 12 mm, each with one text.
struct SampleReport
{
    TQuickRep report;
    TQRBand* header;
    TQRBand* detail;
    TQRBand* footer;
    TQRDBText* number;
    TQRDBText* text;

    explicit SampleReport(int rows, const QString& words = QStringLiteral("x"))
    {
        report.DataSet = std::make_shared<RowSource>(NumberedRows(rows, words));
        header = report.AddBand(TBandType::PageHeader, QStringLiteral("Header"), 20);
        detail = report.AddBand(TBandType::Detail, QStringLiteral("Detail"), 10);
        footer = report.AddBand(TBandType::PageFooter, QStringLiteral("Footer"), 12);
        auto* title = Put<TQRLabel>(header, "Title", 5, 3, 0, 0);
        title->AutoSize = true;
        title->Caption = QStringLiteral("Título");
        number = Put<TQRDBText>(detail, "Number", 1, 2, 8, 5);
        number->DataSet = report.DataSet;
        number->DataField = QStringLiteral("n");
        text = Put<TQRDBText>(detail, "Text", 10, 2, 60, 5);
        text->WordWrap = text->AutoStretch = true;
        text->DataSet = report.DataSet;
        text->DataField = QStringLiteral("t");
        auto* page = Put<TQRLabel>(footer, "PageText", 100, 5, 0, 0);
        page->AutoSize = true;
        footer->BeforePrint = [this, page](TQRBand&) {
            page->Caption = QStringLiteral("Página %1").arg(report.PageNumber());
        };
    }

    const QVector<TQRPage>& Pages() const { return report.QRPrinter()->Pages(); }
};

QImage Picture(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    image.setPixel(0, 0, qRgba(1, 2, 3, 4));
    return image;
}

// Two pages with one of every kind of item, the logo shared by both.
QVector<TQRPage> SamplePages()
{
    const QImage logo = Picture(12, 7, Qt::darkGreen);
    const TQRFont font{QStringLiteral("Book Antiqua"), 8, true, false, true};
    const QRectF box(175.1, 11.85, 33.34, 17.2);
    QVector<TQRPage> pages;
    for (int p = 1; p <= 2; ++p) {
        TPageItem text{TItemKind::Text, "QRLabel13", QRectF(183.04, 281.44, 22.1, 3.9), Qt::gray};
        text.Baseline = 284.2;
        text.Font = font;
        text.Text = QStringLiteral("Página %1 de 2 — ¿qué? ñ €").arg(p);
        TPageItem shared{TItemKind::Image, "QRI_Logo", box}, own{TItemKind::Image, "Pagina", box};
        shared.Image = logo;
        own.Image = Picture(3, 5 + p, Qt::blue);
        pages << TQRPage{
            QSizeF(210, 297),
            {{TItemKind::Fill, "QRDBNum", QRectF(10.53, 72.74, 5.03, 4.76), QColor(192, 192, 192)},
             {TItemKind::Frame, "Leyenda", QRectF(166.63, 49.42, 39.16, 12.96), Qt::gray, 0.26,
              Qt::DotLine},
             {TItemKind::Line, "QRShape2", QRectF(QPointF(46.78, 39.5), QPointF(190.98, 39.5)),
              Qt::gray, 0.26},
             text,
             shared,
             own}};
    }
    return pages;
}

QByteArray Saved(const QVector<TQRPage>& pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteReport(buffer, pages);
    return buffer.data();
}

QVector<TQRPage> Loaded(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadReport(buffer);
}

QByteArray U32(quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    return QByteArray(b, 4);
}

} // namespace

class ReportEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void bandsStandWhereTheMarginsPutThem_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("bottom");
        QTest::newRow("A4 upright, 10 mm") << int(TOrientation::Portrait) << 10.0 << 10.0 << 10.0;
        QTest::newRow("A4 upright, odd margins")
            << int(TOrientation::Portrait) << 25.0 << 7.5 << 18.0;
        QTest::newRow("A4 turned") << int(TOrientation::Landscape) << 10.0 << 10.0 << 10.0;
    }

    void bandsStandWhereTheMarginsPutThem()
    {
        QFETCH(int, orientation);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, bottom);
        SampleReport sample(3);
        sample.report.Orientation = TOrientation(orientation);
        sample.report.LeftMargin = left;
        sample.report.TopMargin = top;
        sample.report.BottomMargin = bottom;
        sample.report.Prepare();

        QCOMPARE(sample.report.QRPrinter()->PageCount(), 1);
        const TQRPage& page = sample.Pages().first();
        const QSizeF size =
            orientation == int(TOrientation::Portrait) ? QSizeF(210, 297) : QSizeF(297, 210);
        QCOMPARE(page.Size, size);
        const TPageItem title = ItemsOf(page, QStringLiteral("Title"), TItemKind::Text).first();
        QVERIFY(Near(title.Rect.left(), left + 5));
        QVERIFY(Near(title.Rect.top(), top + 3));
        QVERIFY(Near(title.Rect.width(), TextWidthMm(QStringLiteral("Título"), title.Font)));
        const auto numbers = ItemsOf(page, QStringLiteral("Number"), TItemKind::Text);
        QCOMPARE(numbers.size(), 3);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(numbers.at(row).Text, QString::number(row + 1));
            QVERIFY(Near(numbers.at(row).Rect.left(), left + 1));
            QVERIFY(Near(numbers.at(row).Rect.top(), top + 20 + 10 * row + 2));
        }
        // The footer sits on the bottom margin.
        const TPageItem footer = ItemsOf(page, QStringLiteral("PageText"), TItemKind::Text).first();
        QVERIFY(Near(footer.Rect.left(), left + 100));
        QVERIFY(Near(footer.Rect.top(), size.height() - bottom - 12 + 5));
    }

    void rowsFlowOntoNewPages_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("printIfEmpty");
        QTest::addColumn<int>("pages");
        // 297 - 10 - 10 - 20 (header) - 12 (footer) leaves 245 mm: 24 rows of 10 mm.
        QTest::newRow("no rows") << 0 << true << 1;
        QTest::newRow("no rows, nothing printed") << 0 << false << 0;
        QTest::newRow("one row") << 1 << true << 1;
        QTest::newRow("a full page") << 24 << true << 1;
        QTest::newRow("one more") << 25 << true << 2;
        QTest::newRow("two full pages") << 48 << true << 2;
        QTest::newRow("many") << 1000 << true << 42;
    }

    void rowsFlowOntoNewPages()
    {
        QFETCH(int, rows);
        QFETCH(bool, printIfEmpty);
        QFETCH(int, pages);
        SampleReport sample(rows);
        sample.report.PrintIfEmpty = printIfEmpty;
        sample.report.Prepare();

        QCOMPARE(sample.report.QRPrinter()->PageCount(), pages);
        int printed = 0;
        for (int p = 0; p < pages; ++p) {
            const TQRPage& page = sample.Pages().at(p);
            QCOMPARE(TextsOf(page, QStringLiteral("Title")), QStringList{QStringLiteral("Título")});
            QCOMPARE(TextsOf(page, QStringLiteral("PageText")),
                     QStringList{QStringLiteral("Página %1").arg(p + 1)});
            const QStringList numbers = TextsOf(page, QStringLiteral("Number"));
            for (const QString& n : numbers)
                QCOMPARE(n, QString::number(++printed));
            for (const TPageItem& item : page.Items)
                if (item.Source == QLatin1String("Number"))
                    QVERIFY(item.Rect.bottom() <= 297 - 10 - 12 + kTolerance);
        }
        QCOMPARE(printed, rows);
    }

    void eventsRunInTheirOrder()
    {
        SampleReport sample(2);
        QStringList events;
        sample.report.BeforePrint = [&](TQuickRep&) { events << QStringLiteral("report"); };
        sample.header->BeforePrint = [&](TQRBand& band) {
            events << QStringLiteral("header %1").arg(band.Report()->PageNumber());
        };
        sample.detail->BeforePrint = [&](TQRBand&) { events << QStringLiteral("detail"); };
        auto* marker = Put<TQRLabel>(sample.detail, "Marker", 80, 0, 0, 0);
        marker->AutoSize = true;
        sample.number->OnPrint = [&](TQRDBText&, QString& value) {
            events << QStringLiteral("print %1").arg(value);
            marker->Caption = QStringLiteral("row ") + value;
        };
        const auto pageFooter = sample.footer->BeforePrint;
        sample.footer->BeforePrint = [&](TQRBand& band) {
            events << QStringLiteral("footer");
            pageFooter(band);
        };

        sample.report.Prepare();
        QCOMPARE(events, (QStringList{"report", "header 1", "detail", "print 1", "detail",
                                      "print 2", "footer"}));
        // The print event of a row's text runs before the rest of its band prints.
        QCOMPARE(TextsOf(sample.Pages().first(), QStringLiteral("Marker")),
                 (QStringList{"row 1", "row 2"}));

        events.clear();
        sample.report.Prepare();
        QCOMPARE(events.first(), QStringLiteral("report"));
        QCOMPARE(events.size(), 7);
    }

    // A report that keeps its detail lays out only its pages' headers and footers again,
    // and they come out as a whole run's; a header or a footer of another height lays
    // out the whole report.
    void aRunKeepingTheDetailIsAWholeRun_data()
    {
        QTest::addColumn<double>("headerHeight");
        QTest::addColumn<double>("footerHeight");
        QTest::addColumn<int>("rowsPrinted");
        QTest::newRow("another title") << 20.0 << 12.0 << 0;
        QTest::newRow("a taller header") << 30.0 << 12.0 << 60;
        QTest::newRow("a shorter footer") << 20.0 << 8.0 << 60;
    }

    void aRunKeepingTheDetailIsAWholeRun()
    {
        QFETCH(double, headerHeight);
        QFETCH(double, footerHeight);
        QFETCH(int, rowsPrinted);
        auto change = [&](SampleReport& sample) {
            sample.header->findChild<TQRLabel*>(QStringLiteral("Title"))->Caption =
                QStringLiteral("Otro título");
            sample.header->Height = headerHeight;
            sample.footer->Height = footerHeight;
        };
        SampleReport kept(60);
        kept.report.KeepDetail = true;
        kept.report.Prepare();
        change(kept);
        int printed = 0;
        kept.number->OnPrint = [&](TQRDBText&, QString&) { ++printed; };
        kept.report.Prepare();
        SampleReport whole(60);
        change(whole);
        whole.report.Prepare();

        QCOMPARE(printed, rowsPrinted);
        QCOMPARE(kept.Pages().size(), 3);
        QVERIFY(kept.Pages() == whole.Pages());
        QCOMPARE(TextsOf(kept.Pages().last(), QStringLiteral("Title")),
                 QStringList{QStringLiteral("Otro título")});
    }

    void longTextWrapsAndPushesTheNextRowDown()
    {
        const QString words = QStringLiteral(
            "¿En qué medida considera que la información recibida sobre los procedimientos de "
            "evaluación, los criterios de calificación y las actividades de recuperación ha sido "
            "clara, suficiente y puntual a lo largo de todo el curso académico?");
        SampleReport sample(2, words);
        sample.report.Prepare();
        const TQRPage& page = sample.Pages().first();
        const auto lines = ItemsOf(page, QStringLiteral("Text"), TItemKind::Text);
        const double lineHeight = FontMetricsMm(sample.text->Font).Height();
        const int perRow = int(lines.size()) / 2;
        QVERIFY(perRow >= 3);
        QStringList first;
        for (int i = 0; i < perRow; ++i) {
            QVERIFY(lines.at(i).Rect.width() <= 60 + kTolerance);
            QVERIFY(Near(lines.at(i).Rect.top(), 10 + 20 + 2 + i * lineHeight));
            first << lines.at(i).Text;
        }
        QCOMPARE(first.join(QLatin1Char(' ')), words);
        // The second row starts where the first one's stretched text ends.
        const double rowHeight = 2 + perRow * lineHeight;
        const auto numbers = ItemsOf(page, QStringLiteral("Number"), TItemKind::Text);
        QVERIFY(Near(numbers.at(1).Rect.top(), 10 + 20 + rowHeight + 2));
        QVERIFY(Near(lines.at(perRow).Rect.top(), 10 + 20 + rowHeight + 2));
    }

    void aRowTallerThanAPageGoesOnOverTheNextPages()
    {
        QStringList paragraphs;
        for (int i = 1; i <= 150; ++i)
            paragraphs << QStringLiteral("línea %1").arg(i);
        SampleReport sample(1, paragraphs.join(QLatin1Char('\n')));
        sample.report.Prepare();

        QVERIFY(sample.report.QRPrinter()->PageCount() >= 3);
        QStringList printed;
        for (const TQRPage& page : sample.Pages()) {
            QCOMPARE(TextsOf(page, QStringLiteral("PageText")).size(), 1);
            for (const TPageItem& item : ItemsOf(page, QStringLiteral("Text"), TItemKind::Text)) {
                QVERIFY(item.Rect.top() >= 10 + 20 - kTolerance);
                QVERIFY(item.Rect.bottom() <= 297 - 10 - 12 + kTolerance);
                printed << item.Text;
            }
        }
        QCOMPARE(printed, paragraphs);
        QCOMPARE(TextsOf(sample.Pages().first(), QStringLiteral("Number")), QStringList{"1"});
    }

    void elementsDrawAsTheyAreSet()
    {
        TQuickRep report;
        TQRBand* header = report.AddBand(TBandType::PageHeader, QStringLiteral("Header"), 40);
        auto* boxed = Put<TQRLabel>(header, "Boxed", 10, 5, 20, 5);
        boxed->Caption = QStringLiteral("NC");
        boxed->Alignment = Qt::AlignHCenter;
        boxed->Frame.SetAll(true);
        auto* clear = Put<TQRLabel>(header, "Clear", 0, 0, 0, 0);
        clear->Transparent = true;
        clear->Caption = QStringLiteral("a");
        auto* off = Put<TQRLabel>(header, "Off", 0, 0, 0, 0);
        off->Caption = QStringLiteral("b");
        off->Enabled = false;
        Put<TQRShape>(header, "Line", 2, 10, 100, 4)->Shape = TShapeType::HorLine;
        Put<TQRShape>(header, "Rule", -20, 30, 230, 1)->Shape = TShapeType::TopAndBottom;
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        Put<TQRImage>(header, "Natural", 0, 0, PxToMm(30), 30)->Picture = picture;
        auto* stretched = Put<TQRImage>(header, "Stretched", 50, 0, 33, 17);
        stretched->Picture = picture;
        stretched->Stretch = true;
        report.Prepare();
        const TQRPage& page = report.QRPrinter()->Pages().first();

        const auto fill = ItemsOf(page, QStringLiteral("Boxed"), TItemKind::Fill);
        QCOMPARE(fill.size(), 1);
        QCOMPARE(fill.first().Rect, QRectF(20, 15, 20, 5));
        QCOMPARE(ItemsOf(page, QStringLiteral("Boxed"), TItemKind::Line).size(), 4);
        const TPageItem nc = ItemsOf(page, QStringLiteral("Boxed"), TItemKind::Text).first();
        QVERIFY(Near(nc.Rect.center().x(), 30));
        QVERIFY(ItemsOf(page, QStringLiteral("Clear"), TItemKind::Fill).isEmpty());
        QCOMPARE(TextsOf(page, QStringLiteral("Clear")), QStringList{"a"});
        QVERIFY(TextsOf(page, QStringLiteral("Off")).isEmpty());

        const auto through = ItemsOf(page, QStringLiteral("Line"), TItemKind::Line);
        QCOMPARE(through.size(), 1);
        QCOMPARE(through.first().Rect, QRectF(QPointF(12, 22), QPointF(112, 22)));
        const auto rules = ItemsOf(page, QStringLiteral("Rule"), TItemKind::Line);
        QCOMPARE(rules.size(), 2);
        QVERIFY(Near(rules.at(0).Rect.top(), 40));
        QVERIFY(Near(rules.at(1).Rect.top(), 41));
        QVERIFY(Near(rules.at(0).Rect.left(), -10));

        const TPageItem cut = ItemsOf(page, QStringLiteral("Natural"), TItemKind::Image).first();
        QCOMPARE(cut.Image.size(), QSize(30, 20));
        QVERIFY(Near(cut.Rect.width(), PxToMm(30)));
        QVERIFY(Near(cut.Rect.height(), PxToMm(20)));
        const TPageItem whole =
            ItemsOf(page, QStringLiteral("Stretched"), TItemKind::Image).first();
        QCOMPARE(whole.Rect, QRectF(60, 10, 33, 17));
        QCOMPARE(whole.Image.size(), QSize(40, 20));
    }

    void pagesPaintAtTheirPlace()
    {
        TQRPage page{QSizeF(210, 297), {}};
        TPageItem block;
        block.Kind = TItemKind::Fill;
        block.Rect = QRectF(100, 100, 10, 10);
        block.Color = Qt::black;
        page.Items << block;

        QImage sheet(210, 297, QImage::Format_RGB32);
        sheet.fill(Qt::blue);
        QPainter painter(&sheet);
        PaintPage(painter, page, QRectF(0, 0, 210, 297));
        painter.end();
        QCOMPARE(QColor(sheet.pixel(105, 105)), QColor(Qt::black));
        QCOMPARE(QColor(sheet.pixel(50, 50)), QColor(Qt::white));
    }

    // Texts are drawn from the glyphs they were measured with; drawn from their
    // characters instead, as pages read from a file are, they look the same.
    void measuredGlyphsPaintAsTheirTexts()
    {
        TQuickRep report;
        TQRBand* header = report.AddBand(TBandType::PageHeader, QStringLiteral("Header"), 60);
        AddLabel(header, QStringLiteral("Title"), QStringLiteral("Dimensión: Organización ✓"), 5, 2,
                 MakeFont(QStringLiteral("Arial"), 14, true), Qt::darkBlue);
        AddLabel(header, QStringLiteral("Underlined"), QStringLiteral("Satisfacción del alumnado"),
                 5, 30, MakeFont(QStringLiteral("Arial"), 14, true, true), Qt::darkBlue);
        auto* wrapped = Put<TQRLabel>(header, "Wrapped", 5, 12, 60, 5);
        wrapped->WordWrap = wrapped->AutoStretch = true;
        wrapped->Font = MakeFont(QStringLiteral("Book Antiqua"), 9);
        wrapped->Caption = QStringLiteral("¿En qué medida considera que la información recibida "
                                          "sobre la evaluación ha sido clara y suficiente?");
        auto* number = Put<TQRLabel>(header, "Number", 5, 40, 5.03, 4.76);
        number->ShrinkToFit = true;
        number->Alignment = Qt::AlignHCenter;
        number->Caption = QStringLiteral("12345");
        number->Font = MakeFont(QStringLiteral("Book Antiqua"), 8);
        report.Prepare();
        const TQRPage shaped = report.QRPrinter()->Pages().first();

        const TPageItem heading = ItemsOf(shaped, QStringLiteral("Title"), TItemKind::Text).first();
        QVERIFY(heading.Glyphs && heading.Glyphs->Runs.size() > 1); // ✓ comes from another font
        QVERIFY(!ItemsOf(shaped, QStringLiteral("Number"), TItemKind::Text).first().Glyphs);
        TQRPage plain = shaped;
        for (TPageItem& item : plain.Items)
            item.Glyphs.reset();
        QVERIFY(plain == shaped);

        auto paint = [](const TQRPage& page) {
            QImage sheet(840, 1188, QImage::Format_RGB32);
            QPainter painter(&sheet);
            PaintPage(painter, page, QRectF(0, 0, 840, 1188));
            return sheet;
        };
        const QImage fromGlyphs = paint(shaped);
        const QImage fromTexts = paint(plain);
        int inked = 0;
        int apart = 0;
        for (int y = 0; y < fromGlyphs.height(); ++y) {
            for (int x = 0; x < fromGlyphs.width(); ++x) {
                const QRgb a = fromGlyphs.pixel(x, y);
                const QRgb b = fromTexts.pixel(x, y);
                inked += a != qRgb(255, 255, 255);
                apart += qAbs(qGray(a) - qGray(b)) > 48;
            }
        }
        QVERIFY(inked > 2000);
        QVERIFY2(apart <= inked / 100,
                 qPrintable(QStringLiteral("%1 of %2").arg(apart).arg(inked)));
    }

    // The report file of saved questionnaires.
    void savedPagesComeBackTheSame()
    {
        const QVector<TQRPage> pages = SamplePages();
        const QVector<TQRPage> loaded = Loaded(Saved(pages));
        QCOMPARE(loaded.size(), 2);
        QVERIFY(loaded == pages);
        // A picture printed on every page is stored and held once.
        QCOMPARE(loaded.at(0).Items.at(4).Image.cacheKey(),
                 loaded.at(1).Items.at(4).Image.cacheKey());
        QVERIFY(Loaded(Saved({})).isEmpty());
    }

    void badFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = Saved(SamplePages());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("text") << QByteArray("[Base_de_Datos]\nrutabd=\\datos\n");
        QTest::newRow("header only") << good.left(20);
        for (const int cut : {7, 19, 21, 60, int(good.size()) / 2, int(good.size()) - 1})
            QTest::newRow(qPrintable(QStringLiteral("cut at %1").arg(cut))) << good.left(cut);
        QTest::newRow("trailing bytes") << good + "x";
        for (const int at : {12, 16, 25, int(good.size()) / 3, int(good.size()) - 2}) {
            QByteArray flipped = good;
            flipped[at] = char(flipped.at(at) ^ 0x10);
            QTest::newRow(qPrintable(QStringLiteral("byte %1 changed").arg(at))) << flipped;
        }
        QByteArray newer = good;
        newer[9] = char(kReportFileVersion + 1);
        QTest::newRow("a later version") << newer;

        // Well framed bodies that lie about their sizes.
        auto framed = [](const QByteArray& body) { return ReportFileHeader(body) + body; };
        QTest::newRow("four thousand million pages") << framed(U32(0) + U32(0xFFFFFFFFu));
        QTest::newRow("too many pictures") << framed(U32(5000));
        QTest::newRow("a huge picture") << framed(U32(1) + U32(60000) + U32(60000) + U32(0));
        QTest::newRow("a picture bigger than it says")
            << framed(U32(1) + U32(2) + U32(2) + U32(8) + U32(0x7FFFFFFF) + U32(0));
        const QByteArray page = QByteArray::fromHex("4060400000000000"
                                                    "4072900000000000");
        QTest::newRow("a page of countless items")
            << framed(U32(0) + U32(1) + page + U32(0x10000000));
        QTest::newRow("an unknown item") << framed(U32(0) + U32(1) + page + U32(1) +
                                                   QByteArray(1, '\x09') + QByteArray(60, '\0'));
        QTest::newRow("a text longer than the file")
            << framed(U32(0) + U32(1) + page + U32(1) + QByteArray(1, '\x01') + U32(0x00FFFFFF));
    }

    void badFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY_THROWS_EXCEPTION(EReportFileError, Loaded(bytes));
    }

    // The printer's pages go to a file and come back; files that cannot be read or
    // written raise, and a failed load keeps the pages.
    void thePrinterLoadsAndSavesFiles()
    {
        QTemporaryDir dir;
        TQRPrinter printer;
        printer.SetPages(SamplePages());
        printer.Save(dir.filePath("encuesta.qrp"));
        TQRPrinter other;
        other.Load(dir.filePath("encuesta.qrp"));
        QVERIFY(other.Pages() == printer.Pages());
        QVERIFY_THROWS_EXCEPTION(EReportError, other.Load(dir.filePath("no.qrp")));
        QCOMPARE(other.PageCount(), 2);
        QVERIFY_THROWS_EXCEPTION(EReportError, printer.Save(dir.filePath("no/such/dir.qrp")));
    }
};

DIMARVOLTECA_TEST_MAIN(ReportEngineTest)
#include "ReportEngineTest.moc"
