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
#include <QPdfWriter>
#include <QRawFont>
#include <QRegion>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QtEndian>
#include <cmath>

using namespace report;
using testing::FullDisk;
using testing::ItemsOf;
using testing::Near;
using testing::RowSource;
using testing::TextsOf;

namespace {

constexpr double kTolerance = 0.02;

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

// A test report of `rows` numbered rows of `words`: header 20 mm, detail 10 mm, footer
// 12 mm, with the page number.
struct SampleReport
{
    TQuickRep report;
    TQRBand* header;
    TQRBand* detail;
    TQRBand* footer;
    TQRDBText* number;

    explicit SampleReport(int rows, const QString& words = QStringLiteral("x"))
    {
        QVector<QMap<QString, QString>> data;
        for (int i = 1; i <= rows; ++i)
            data.append({{QStringLiteral("n"), QString::number(i)}, {QStringLiteral("t"), words}});
        report.DataSet = std::make_shared<RowSource>(data);
        header = report.AddBand(TBandType::PageHeader, QStringLiteral("Header"), 20);
        detail = report.AddBand(TBandType::Detail, QStringLiteral("Detail"), 10);
        footer = report.AddBand(TBandType::PageFooter, QStringLiteral("Footer"), 12);
        AddLabel(header, QStringLiteral("Title"), QStringLiteral("Título"), 5, 3, TQRFont());
        number = Put<TQRDBText>(detail, "Number", 1, 2, 8, 5);
        auto* text = AddWrappedText(detail, QStringLiteral("Text"), 10, 2, 60, 5, TQRFont());
        for (TQRDBText* field : {number, text})
            field->DataSet = report.DataSet;
        number->DataField = QStringLiteral("n");
        text->DataField = QStringLiteral("t");
        auto* page = AddLabel(footer, QStringLiteral("PageText"), QString(), 100, 5, TQRFont());
        footer->BeforePrint = [this, page](TQRBand&) {
            page->Caption = QStringLiteral("Página %1").arg(report.PageNumber());
        };
    }

    const QVector<TQRPage>& Pages() const { return report.QRPrinter()->Pages(); }
};

// A page with one of every kind of element: a framed, centred box; a transparent and a
// switched-off label; a line through a shape, the rules of another and a dotted frame;
// a picture, with some transparency, at its natural size and stretched.
TQRPage ElementsPage()
{
    TQuickRep report;
    TQRBand* header = report.AddBand(TBandType::PageHeader, QStringLiteral("Header"), 40);
    auto* boxed = Put<TQRLabel>(header, "Boxed", 10, 5, 20, 5);
    boxed->Caption = QStringLiteral("NC");
    boxed->Alignment = Qt::AlignHCenter;
    boxed->Frame.SetAll(true);
    auto* clear = Put<TQRLabel>(header, "Clear", 0, 0, 0, 0);
    clear->Transparent = true;
    clear->Caption = QStringLiteral("¿qué? ñ €");
    clear->Font = MakeFont(QStringLiteral("Book Antiqua"), 8, true, true);
    auto* off = Put<TQRLabel>(header, "Off", 0, 0, 0, 0);
    off->Caption = QStringLiteral("b");
    off->Enabled = false;
    Put<TQRShape>(header, "Line", 2, 10, 100, 4)->Shape = TShapeType::HorLine;
    Put<TQRShape>(header, "Rule", -20, 30, 230, 1)->Shape = TShapeType::TopAndBottom;
    Put<TQRShape>(header, "Dotted", 150, 5, 30, 10)->PenStyle = Qt::DotLine;
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    picture.setPixel(0, 0, qRgba(1, 2, 3, 4));
    Put<TQRImage>(header, "Natural", 0, 0, PxToMm(30), 30)->Picture = picture;
    auto* stretched = Put<TQRImage>(header, "Stretched", 50, 0, 33, 17);
    stretched->Picture = picture;
    stretched->Stretch = true;
    report.Prepare();
    return report.QRPrinter()->Pages().first();
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

TPageItem Item(TItemKind kind, const QRectF& rect)
{
    TPageItem item;
    item.Kind = kind;
    item.Rect = rect;
    return item;
}

TPageItem Text(const QString& text, double points = 10, const QString& family = "Arial")
{
    TPageItem item = Item(TItemKind::Text, QRectF(10, 10, 50, 5));
    item.Baseline = 14;
    item.Text = text;
    item.Font.Family = family;
    item.Font.Points = points;
    return item;
}

TPageItem Picture(const QImage& image, const QRectF& rect = QRectF(0, 0, 1, 1))
{
    TPageItem item = Item(TItemKind::Image, rect);
    item.Image = image;
    return item;
}

QImage Pixels(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return image;
}

// One page of `items`, A4 unless told.
QVector<TQRPage> OnePage(const QVector<TPageItem>& items, QSizeF size = QSizeF(210, 297))
{
    return {TQRPage{size, items}};
}

// `count` elements that paint nothing, on as many full pages as they take.
QVector<TQRPage> Elements(qint64 count)
{
    QVector<TQRPage> pages;
    for (; count > 0; count -= kMaxPageItems)
        pages << OnePage(QVector<TPageItem>(int(qMin<qint64>(count, kMaxPageItems)),
                                            Item(TItemKind::Fill, QRectF())))
                     .first();
    return pages;
}

double Above(double v)
{
    return std::nextafter(v, HUGE_VAL);
}

double Below(double v)
{
    return std::nextafter(v, -HUGE_VAL);
}

} // namespace

class ReportEngineTest : public QObject
{
    Q_OBJECT

private slots:
    // Rows fill each page between its header and its footer, which stand where the
    // margins put them, and go on to the next page when the body is full.
    void rowsFlowOntoPages_data()
    {
        QTest::addColumn<bool>("turned");
        QTest::addColumn<QMarginsF>("margins"); // the right one unused
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages"); // none: nothing printed when there are no rows
        const QMarginsF tens(10, 10, 0, 10);
        // 297 - 10 - 10 - 20 (header) - 12 (footer) leaves 245 mm: 24 rows of 10 mm.
        QTest::newRow("no rows") << false << tens << 0 << 1;
        QTest::newRow("no rows, nothing printed") << false << tens << 0 << 0;
        QTest::newRow("one row") << false << tens << 1 << 1;
        QTest::newRow("a full page") << false << tens << 24 << 1;
        QTest::newRow("one more") << false << tens << 25 << 2;
        QTest::newRow("two full pages") << false << tens << 48 << 2;
        QTest::newRow("many") << false << tens << 1000 << 42;
        QTest::newRow("odd margins: 23 rows a page")
            << false << QMarginsF(25, 7.5, 0, 18) << 24 << 2;
        QTest::newRow("A4 turned: 15 rows a page") << true << tens << 16 << 2;
    }

    void rowsFlowOntoPages()
    {
        QFETCH(bool, turned);
        QFETCH(QMarginsF, margins);
        QFETCH(int, rows);
        QFETCH(int, pages);
        SampleReport sample(rows);
        sample.report.Orientation = turned ? TOrientation::Landscape : TOrientation::Portrait;
        sample.report.LeftMargin = margins.left();
        sample.report.TopMargin = margins.top();
        sample.report.BottomMargin = margins.bottom();
        sample.report.PrintIfEmpty = pages > 0;
        sample.report.Prepare();

        QCOMPARE(sample.report.QRPrinter()->PageCount(), pages);
        const QSizeF size = turned ? QSizeF(297, 210) : QSizeF(210, 297);
        const double left = margins.left(), top = margins.top();
        int printed = 0;
        for (int p = 0; p < pages; ++p) {
            const TQRPage& page = sample.Pages().at(p);
            QCOMPARE(page.Size, size);
            const TPageItem title =
                ItemsOf(page, QStringLiteral("Title"), TItemKind::Text).value(0);
            QCOMPARE(title.Text, QStringLiteral("Título"));
            QVERIFY(Near(title.Rect.left(), left + 5) && Near(title.Rect.top(), top + 3));
            const auto numbers = ItemsOf(page, QStringLiteral("Number"), TItemKind::Text);
            for (int row = 0; row < numbers.size(); ++row) {
                QCOMPARE(numbers.at(row).Text, QString::number(++printed));
                QVERIFY(Near(numbers.at(row).Rect.left(), left + 1));
                QVERIFY(Near(numbers.at(row).Rect.top(), top + 20 + 10 * row + 2));
            }
            const auto footer = ItemsOf(page, QStringLiteral("PageText"), TItemKind::Text);
            QCOMPARE(footer.size(), 1);
            QCOMPARE(footer.first().Text, QStringLiteral("Página %1").arg(p + 1));
            QVERIFY(Near(footer.first().Rect.left(), left + 100));
            QVERIFY(Near(footer.first().Rect.top(), size.height() - margins.bottom() - 12 + 5));
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
        const QStringList first = events;
        QCOMPARE(first, (QStringList{"report", "header 1", "detail", "print 1", "detail", "print 2",
                                     "footer"}));
        // The print event of a row's text runs before the rest of its band prints.
        QCOMPARE(TextsOf(sample.Pages().first(), QStringLiteral("Marker")),
                 (QStringList{"row 1", "row 2"}));
        events.clear();
        sample.report.Prepare();
        QCOMPARE(events, first);
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
    }

    // A row's text wraps within its width and stretches the row, pushing the next row
    // down; a row taller than a page goes on over the next pages, cut between its lines.
    // A text with no place to break wraps anywhere, but only between whole characters.
    void stretchedRowsKeepEveryLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator"); // what the lines leave out between them
        QTest::addColumn<int>("pages");
        QStringList words;
        for (int i = 1; i <= 150; ++i)
            words << QStringLiteral("línea%1").arg(i);
        QTest::newRow("wrapped words") << words.mid(0, 40).join(' ') << " " << 1;
        QTest::newRow("lines taller than a page") << words.join('\n') << "\n" << 3;
        QTest::newRow("emoji") << QStringLiteral("😀").repeated(300) << "" << 1;
        QTest::newRow("emoji with skin tone")
            << QStringLiteral("👍🏽").repeated(300) << "" << 1;
        QTest::newRow("family sequence")
            << QStringLiteral("👨‍👩‍👧").repeated(300) << "" << 1;
        QTest::newRow("combining accents")
            << QStringLiteral("n\u0303e\u0301\u0301").repeated(300) << "" << 1;
        QTest::newRow("right to left") << QStringLiteral("مرحبا").repeated(300) << "" << 1;
    }

    void stretchedRowsKeepEveryLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(int, pages);
        SampleReport sample(2, text);
        sample.report.Prepare();

        QVERIFY(sample.Pages().size() >= pages);
        QList<QStringList> rows;
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
        for (const TQRPage& page : sample.Pages()) {
            QCOMPARE(TextsOf(page, QStringLiteral("PageText")).size(), 1);
            double y = 10 + 20; // the top of the body, then the bottom of the text above
            for (const TPageItem& item : page.Items) {
                if (item.Kind != TItemKind::Text)
                    continue;
                if (item.Source == QLatin1String("Number")) {
                    y += 2;
                    QVERIFY(Near(item.Rect.top(), y));
                    rows.append(QStringList());
                } else if (item.Source == QLatin1String("Text")) {
                    QVERIFY(Near(item.Rect.top(), y));
                    QVERIFY(item.Rect.width() <= 60 + kTolerance);
                    characters.setPosition(int(rows.last().join(separator).size()));
                    QVERIFY(characters.isAtBoundary());
                    y = item.Rect.bottom();
                    rows.last() << item.Text;
                }
            }
            QVERIFY(y <= 297 - 10 - 12 + kTolerance);
        }
        QCOMPARE(rows.size(), 2);
        QVERIFY(rows.first().size() >= 3);
        for (const QStringList& row : rows)
            QCOMPARE(row.join(separator), text);
    }

    void elementsDrawAsTheyAreSet()
    {
        const TQRPage page = ElementsPage();
        auto items = [&page](const char* source, TItemKind kind) {
            return ItemsOf(page, QString::fromLatin1(source), kind);
        };

        QCOMPARE(items("Boxed", TItemKind::Fill).value(0).Rect, QRectF(20, 15, 20, 5));
        QCOMPARE(items("Boxed", TItemKind::Line).size(), 4);
        QVERIFY(Near(items("Boxed", TItemKind::Text).value(0).Rect.center().x(), 30));
        QVERIFY(items("Clear", TItemKind::Fill).isEmpty());
        QCOMPARE(TextsOf(page, QStringLiteral("Clear")), QStringList{"¿qué? ñ €"});
        QVERIFY(TextsOf(page, QStringLiteral("Off")).isEmpty());

        const auto through = items("Line", TItemKind::Line);
        QCOMPARE(through.size(), 1);
        QCOMPARE(through.first().Rect, QRectF(QPointF(12, 22), QPointF(112, 22)));
        const auto rules = items("Rule", TItemKind::Line);
        QCOMPARE(rules.size(), 2);
        QVERIFY(Near(rules.at(0).Rect.top(), 40) && Near(rules.at(1).Rect.top(), 41));
        QVERIFY(Near(rules.at(0).Rect.left(), -10));
        QCOMPARE(items("Dotted", TItemKind::Frame).value(0).PenStyle, Qt::DotLine);

        const TPageItem cut = items("Natural", TItemKind::Image).value(0);
        QCOMPARE(cut.Image.size(), QSize(30, 20));
        QVERIFY(Near(cut.Rect.width(), PxToMm(30)) && Near(cut.Rect.height(), PxToMm(20)));
        const TPageItem whole = items("Stretched", TItemKind::Image).value(0);
        QCOMPARE(whole.Rect, QRectF(60, 10, 33, 17));
        QCOMPARE(whole.Image.size(), QSize(40, 20));
    }

    // Texts are drawn from the glyphs they were measured with; drawn from their
    // characters instead, as pages read from a file are, they look the same. Either way
    // the page is painted white and its ink stays in the texts' boxes.
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

        // Four pixels a millimetre.
        auto paint = [](const TQRPage& page) {
            QImage sheet(840, 1188, QImage::Format_RGB32);
            sheet.fill(Qt::blue);
            QPainter painter(&sheet);
            PaintPage(painter, page, QRectF(0, 0, 840, 1188));
            return sheet;
        };
        const QImage fromGlyphs = paint(shaped);
        const QImage fromTexts = paint(plain);
        QRegion boxes;
        for (const TPageItem& item : shaped.Items)
            boxes += QRectF(item.Rect.topLeft() * 4, item.Rect.size() * 4)
                         .toAlignedRect()
                         .adjusted(-4, -4, 4, 4);
        int inked = 0;
        int apart = 0;
        for (int y = 0; y < fromGlyphs.height(); ++y) {
            for (int x = 0; x < fromGlyphs.width(); ++x) {
                const QRgb a = fromGlyphs.pixel(x, y);
                if (a == qRgb(255, 255, 255))
                    continue;
                ++inked;
                apart += qAbs(qGray(a) - qGray(fromTexts.pixel(x, y))) > 48;
                QVERIFY2(boxes.contains(QPoint(x, y)),
                         qPrintable(QStringLiteral("ink at %1, %2").arg(x).arg(y)));
            }
        }
        QVERIFY(inked > 2000);
        QVERIFY2(apart <= inked / 100,
                 qPrintable(QStringLiteral("%1 of %2").arg(apart).arg(inked)));
    }

    // Texts in any script, those that no installed font shapes among them, print the
    // toolkit's own glyphs at the toolkit's places, whether its font has them (Hebrew,
    // Arabic) or, on this machine, none does (it prints boxes). They come back from a
    // file as they were saved, and paint.
    void everyScriptPrintsTheToolkitsGlyphs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Hindi, marks and a question mark") << QStringLiteral("क्या आप संतुष्ट हैं?");
        QTest::newRow("blanks, digits and a mark before the first letter")
            << QStringLiteral(" 1. ि(क) ख a");
        QTest::newRow("a mark after a Latin letter") << QStringLiteral("aि क");
        QTest::newRow("scripts one after another") << QStringLiteral("தமிழ்ಕನ್ನಡ ខ្មែរ සිංහල");
        QTest::newRow("right to left, N'Ko and Arabic") << QStringLiteral("ߊߋ عربي ߌ");
        QTest::newRow("Latin, Han, Hangul, Hebrew") << QStringLiteral("Sí ✓ 你 한 ש");
        QTest::newRow("Gujarati, then a letter beyond 16 bits") << QStringLiteral("ક 𑀓");
    }

    void everyScriptPrintsTheToolkitsGlyphs()
    {
        QFETCH(QString, text);
        // Each run: where its glyphs come from, which they are and where they go.
        const auto describe = [](const QList<QGlyphRun>& runs, QPointF origin) {
            QStringList described;
            for (const QGlyphRun& run : runs) {
                const QRawFont font = run.rawFont();
                // A run of boxes has no font file: nor name, tables or size.
                QString line = font.pixelSize() <= 0 && font.fontTable("head").isEmpty()
                                   ? QStringLiteral("boxes")
                                   : font.familyName() + QString::number(font.pixelSize());
                for (int i = 0; i < run.glyphIndexes().size(); ++i) {
                    const QPointF at = run.positions().at(i) - origin;
                    line += QStringLiteral(" %1@%2,%3")
                                .arg(run.glyphIndexes().at(i))
                                .arg(at.x(), 0, 'f', 2)
                                .arg(at.y(), 0, 'f', 2);
                }
                described << line;
            }
            return described;
        };
        // A size of its own for each row: no font of the row has been asked for yet.
        static double points = 7;
        const TQRFont font = MakeFont(QStringLiteral("Arial"), points += 0.5, true, true);
        ShapeLine(text, MakeFont(QStringLiteral("Book Antiqua"), 9)); // each script found out
        // The scripts that fonts were tried for, one for each font tried.
        QList<int> sought;
        static QList<int>* tried = nullptr;
        tried = &sought;
        const QtMessageHandler before = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& message) {
                static const QRegularExpression missing(
                    QStringLiteral("OpenType support missing.*script (\\d+)"));
                if (const auto match = missing.match(message); match.hasMatch())
                    tried->append(match.captured(1).toInt());
            });
        const TShapedLinePtr shaped = ShapeLine(text, font);
        qInstallMessageHandler(before);
        QVERIFY(shaped);

        QTextLayout layout(text, TextFont(font));
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const QStringList expected =
            describe(line.glyphRuns(), QPointF(line.x(), line.y() + line.ascent()));
        QCOMPARE(describe(shaped->Runs, QPointF()), expected);
        // A script that the toolkit prints as boxes is not sought again in every font: at
        // most one is tried, for the boxes of a size not met before.
        for (qsizetype i = 0; i < text.size(); i += text.at(i).isHighSurrogate() ? 2 : 1) {
            const QString letter = text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1);
            const QChar::Script script = QChar::script(letter.toUcs4().first());
            const QList<QGlyphRun> runs = line.glyphRuns(int(i), int(letter.size()));
            if (script > QChar::Script_Common && !runs.isEmpty() &&
                describe(runs, QPointF()).first().startsWith(QLatin1String("boxes")))
                QVERIFY2(sought.count(script) <= 1,
                         qPrintable(QStringLiteral("script %1 sought in %2 fonts")
                                        .arg(script)
                                        .arg(sought.count(script))));
        }
        // Scripts that need no font's own rules always print from a font.
        if (QTest::currentDataTag() == QLatin1String("Latin, Han, Hangul, Hebrew"))
            QVERIFY2(!expected.join(' ').contains(QLatin1String("boxes")),
                     qPrintable(expected.join(QLatin1String(" | "))));

        TQRPage page{QSizeF(210, 297), {}};
        TPageItem item;
        item.Kind = TItemKind::Text;
        item.Rect = QRectF(10, 10, 150, 8);
        item.Baseline = 16;
        item.Font = font;
        item.Text = text;
        page.Items << item;
        const QVector<TQRPage> reopened = Loaded(Saved({page}));
        QVERIFY(reopened == QVector<TQRPage>{page});
        // Four pixels a millimetre.
        QImage sheet(840, 1188, QImage::Format_RGB32);
        QPainter painter(&sheet);
        PaintPage(painter, reopened.first(), QRectF(0, 0, 840, 1188));
        painter.end();
        QImage white(600, 32, QImage::Format_RGB32);
        white.fill(Qt::white);
        QVERIFY(sheet.copy(40, 40, 600, 32) != white);
    }

    // The report file of saved questionnaires: the printer's pages go to a file and come
    // back; files that cannot be read or written raise, and a failed load keeps the pages.
    void savedPagesComeBackTheSame()
    {
        QTemporaryDir dir;
        TQRPrinter printer;
        const TQRPage page = ElementsPage();
        printer.SetPages({page, page});
        printer.Save(dir.filePath("encuesta.qrp"));
        TQRPrinter other;
        other.Load(dir.filePath("encuesta.qrp"));
        QVERIFY(other.Pages() == printer.Pages());
        // A picture printed on every page is stored and held once.
        const auto picture = [&other](int p) {
            return ItemsOf(other.Pages().at(p), QStringLiteral("Stretched"), TItemKind::Image)
                .value(0)
                .Image;
        };
        QVERIFY(!picture(0).isNull());
        QCOMPARE(picture(0).cacheKey(), picture(1).cacheKey());
        QVERIFY_THROWS_EXCEPTION(EReportError, other.Load(dir.filePath("no.qrp")));
        QCOMPARE(other.PageCount(), 2);
        QVERIFY_THROWS_EXCEPTION(EReportError, printer.Save(dir.filePath("no/such/dir.qrp")));
        QVERIFY(Loaded(Saved({})).isEmpty());
    }

    void badFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const TQRPage sample = ElementsPage();
        const QByteArray good = Saved({sample, sample});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("text") << QByteArray("[Base_de_Datos]\nrutabd=\\datos\n");
        for (const int cut : {7, 19, 20, 21, 60, int(good.size()) / 2, int(good.size()) - 1})
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

    // What cannot be shown or printed says so: pages without a preview window to show
    // them in, and a print that cannot start (a PDF file in a folder that is a file).
    void whatCannotBeShownOrPrintedSaysSo()
    {
        SampleReport sample(3);
        sample.report.Prepare();
        QTemporaryFile notAFolder;
        QVERIFY(notAFolder.open());
        QPdfWriter pdf(notAFolder.fileName() + "/informe.pdf");
        const std::pair<std::function<void()>, QString> failures[] = {
            {[&] { sample.report.Preview(); }, "No hay ventana de vista previa."},
            {[&] { sample.report.QRPrinter()->Preview(); }, "No hay ventana de vista previa."},
            {[&] { PrintPages(pdf, sample.Pages(), 0, 0); },
             "No se ha podido iniciar la impresión."}};
        for (const auto& [failure, message] : failures) {
            try {
                failure();
                QFAIL(qPrintable(message));
            } catch (const EReportError& error) {
                QCOMPARE(QString::fromUtf8(error.what()), message);
            }
        }
    }

    // Each failure of a saved report's file says what failed, why it may have, and (for
    // the system's failures) the system's own words; a failed save leaves the file that
    // was there as it was.
    void fileFailuresSayWhy_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("message"); // %1: the file's path
        QTest::newRow("a missing file")
            << "missing"
            << "No se puede abrir el archivo '%1': puede que ya no exista o que no se pueda leer.";
        QTest::newRow("a foreign file") << "foreign"
                                        << "El archivo no es un informe guardado.";
        QTest::newRow("a damaged file") << "damaged"
                                        << "El informe guardado está dañado o incompleto.";
        QTest::newRow("a later version")
            << "newer"
            << "El informe guardado es de una versión más reciente del programa.";
        QTest::newRow("a file for a folder") << "no folder"
                                             << "No se puede crear el archivo '%1': puede que su "
                                                "carpeta no exista o sea de solo lectura.";
        QTest::newRow("a full disk, a short report")
            << "full, short"
            << "No se ha podido guardar el archivo '%1': puede que el disco esté lleno.";
        QTest::newRow("a full disk, a long report")
            << "full, long"
            << "No se ha podido guardar el archivo '%1': puede que el disco esté lleno.";
        QTest::newRow("a full device")
            << "full device"
            << "No se ha podido escribir el informe: puede que el disco esté lleno.";
    }

    void fileFailuresSayWhy()
    {
        QFETCH(QString, failure);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString path = dir.filePath("encuesta.qrp");
        const QVector<TQRPage> pages{ElementsPage()};
        QByteArray bytes = Saved(pages);
        if (failure == "damaged")
            bytes[30] = char(bytes.at(30) ^ 1);
        if (failure == "newer")
            bytes[9] = char(kReportFileVersion + 1);
        if (failure == "foreign")
            bytes = "[Base_de_Datos]\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        QString error;
        try {
            if (failure == "missing") {
                path = dir.filePath("otra.qrp");
                LoadReportFile(path);
            } else if (failure == "no folder") {
                path += "/encuesta.qrp";
                SaveReportFile(path, pages);
            } else if (failure == "full device") {
                QFile device("/dev/full");
                QVERIFY(device.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
                WriteReport(device, pages);
            } else if (failure.startsWith("full")) {
                QVector<TQRPage> report = OnePage({Text(QString(200, 'a'))});
                if (failure == "full, long")
                    report = QVector<TQRPage>(
                        2, OnePage(QVector<TPageItem>(8, Text(QString(2000, 'a')))).first());
                FullDisk full(64);
                SaveReportFile(path, report);
            } else {
                LoadReportFile(path);
            }
        } catch (const EReportError& e) {
            error = QString::fromUtf8(e.what());
        }
        const QStringList lines = error.split("\nDetalle técnico: ");
        QCOMPARE(lines.first(), message.replace("%1", path));
        if (!QStringList{"foreign", "damaged", "newer"}.contains(failure))
            QVERIFY2(lines.size() == 2 && !lines.last().isEmpty(), qPrintable(error));
        // The system's words say "archivo" too, as the program does.
        QVERIFY2(!error.contains(QStringLiteral("fichero")), qPrintable(error));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    // A saved file holds what the reports print, with room to spare, and no more: at the
    // end of each limit it opens as it was saved; one past it the writer refuses to save
    // it and the reader takes its file for a damaged one.
    void savedFilesHoldNoMoreThanTheReportsPrint_data()
    {
        QTest::addColumn<QVector<TQRPage>>("pages");
        QTest::addColumn<bool>("accepted");
        const auto ends = [](const char* limit, const auto& make, auto end, auto past) {
            QTest::addRow("%s: at its end", limit) << QVector<TQRPage>(make(end)) << true;
            QTest::addRow("%s: past it", limit) << QVector<TQRPage>(make(past)) << false;
        };
        const auto line = [](double length, double pen = 0, Qt::PenStyle style = Qt::SolidLine) {
            TPageItem item = Item(TItemKind::Line, QRectF(1, 1, length, 0));
            item.PenWidth = pen;
            item.PenStyle = style;
            return item;
        };
        const auto fill = [](double left, double top, double width, double height) {
            return Item(TItemKind::Fill, QRectF(left, top, width, height));
        };

        ends(
            "pages", [](int n) { return QVector<TQRPage>(n, OnePage({}).first()); },
            kMaxReportPages, kMaxReportPages + 1);
        ends(
            "elements on a page",
            [=](int n) { return OnePage(QVector<TPageItem>(n, fill(0, 0, 0, 0))); }, kMaxPageItems,
            kMaxPageItems + 1);
        ends("elements in a file", Elements, kMaxReportItems, kMaxReportItems + 1);
        ends(
            "characters on a page",
            [](int n) {
                return OnePage({Text(QString(n / 2, 'a')), Text(QString(n - n / 2, QChar(0xF1)))});
            },
            int(kMaxPageText), int(kMaxPageText) + 1);
        ends(
            "an element's name",
            [=](const QString& name) {
                TPageItem item = fill(0, 0, 1, 1);
                item.Source = name;
                return OnePage({item});
            },
            QString(kMaxSourceName / 2, QChar(0xF1)),
            QString(kMaxSourceName / 2, QChar(0xF1)) + 'a');
        const auto sized = [](double points) { return OnePage({Text("a", points)}); };
        ends("the largest font", sized, kMaxFontPoints, Above(kMaxFontPoints));
        ends("the smallest font", sized, Above(0), 0.0);
        const auto family = [](const QString& name) { return OnePage({Text("a", 10, name)}); };
        ends("a font of the reports", family, QStringLiteral("Book Antiqua"),
             QStringLiteral("MS Sans Serif"));
        const auto style = [](bool italic) {
            TPageItem text = Text("a", kMaxFontPoints, "Book Antiqua");
            text.Font.Bold = text.Font.Underline = true;
            text.Font.Italic = italic;
            return OnePage({text});
        };
        ends("a style of the reports", style, false, true);
        // Only the reports' paper, A4 upright or turned (on a smaller page the zooms that
        // fit it draw glyphs too large to be kept): one side a hair off, the other as on A4.
        for (const QSizeF a4 :
             {QSizeF(kPaperWidth, kPaperHeight), QSizeF(kPaperHeight, kPaperWidth)})
            for (const bool wide : {true, false}) {
                const auto page = [=](double side) {
                    return OnePage({}, wide ? QSizeF(side, a4.height()) : QSizeF(a4.width(), side));
                };
                const double end = wide ? a4.width() : a4.height();
                const QString name = QStringLiteral("A4 %1 x %2, its %3")
                                         .arg(a4.width())
                                         .arg(a4.height())
                                         .arg(wide ? "width" : "height");
                ends(qPrintable(name + ", longer"), page, end, Above(end));
                ends(qPrintable(name + ", shorter"), page, end, Below(end));
            }
        // The slowest pages to paint: as many texts and characters as a page may hold, in
        // as many fonts as it may hold, and one more.
        for (const auto& [name, cost] :
             {std::pair{"fonts", testing::PaintCost::ManyFonts},
              std::pair{"fonts, characters no font has", testing::PaintCost::MissingGlyphs},
              std::pair{"fonts, 25 scripts", testing::PaintCost::ManyScripts}})
            ends(
                name,
                [cost = cost](int fonts) {
                    return QVector<TQRPage>{
                        testing::CostlyPage(cost, QSizeF(kPaperWidth, kPaperHeight), fonts)};
                },
                kMaxReportFonts, kMaxReportFonts + 1);
        // A font met anew costs its finding again on the page that brings it: the file as a
        // whole holds no more fonts than a page, one new on each page here.
        ends(
            "fonts of the whole file",
            [](int fonts) {
                QVector<TQRPage> pages;
                for (int i = 0; i < fonts; ++i) {
                    TPageItem text = Text("a");
                    text.Font = testing::CostlyFont(i);
                    pages << OnePage({text}).first();
                }
                return pages;
            },
            kMaxReportFonts, kMaxReportFonts + 1);
        ends(
            "the largest glyphs, on a turned page",
            [](double points) {
                TQRPage page = testing::CostlyPage(testing::PaintCost::LargeGlyphs,
                                                   QSizeF(kPaperHeight, kPaperWidth), 1);
                page.Items.last().Font.Points = points;
                return QVector<TQRPage>{page};
            },
            kMaxFontPoints, Above(kMaxFontPoints));
        const auto at = [=](double place) { return OnePage({fill(place, -place, 1, 1)}); };
        ends("the farthest place", at, kMaxPlace, Above(kMaxPlace));
        ends("the farthest place back", at, -kMaxPlace, Below(-kMaxPlace));
        const auto pen = [=](double width) { return OnePage({line(1, width)}); };
        ends("the widest pen", pen, kMaxPenWidth, Above(kMaxPenWidth));
        ends("the thinnest pen", pen, 0.0, Below(0));

        const auto images = [](int count) {
            QVector<TPageItem> items;
            for (int i = 0; i < count; ++i)
                items << Picture(Pixels(1, 1));
            return OnePage(items);
        };
        ends("pictures", images, kMaxImages, kMaxImages + 1);
        ends(
            "a picture's pixels",
            [](int height) { return OnePage({Picture(Pixels(2048, height))}); }, 2048, 2049);
        ends(
            "all pictures' pixels",
            [](int height) {
                return OnePage({Picture(Pixels(2048, 2048)), Picture(Pixels(1024, height))});
            },
            1024, 1025);

        // The ink of an A4 page: 4 x 62,370 mm2, reached by each kind of element, and
        // passed by a thousandth of a millimetre.
        ends(
            "ink of fills",
            [=](double height) {
                const TPageItem page = fill(0, 0, kPaperWidth, kPaperHeight);
                return OnePage({page, page, page, fill(0, 0, kPaperWidth, height)});
            },
            kPaperHeight, kPaperHeight + 0.001);
        ends(
            "ink of pictures, four times their area",
            [=](double height) {
                const QImage image = Pixels(1, 1);
                const TPageItem quarter = Picture(image, QRectF(0, 0, 105, 148.5));
                return OnePage(
                    {quarter, quarter, quarter, Picture(image, QRectF(0, 0, 105, height))});
            },
            148.5, 148.501);
        // A line 590 mm long counts (590 + 4) x 4 = 2,376 mm2: 105 of them.
        ends(
            "ink of lines",
            [=](double length) {
                QVector<TPageItem> items(104, line(590, kMaxPenWidth));
                return OnePage(items << line(length));
            },
            590.0, 590.001);
        // A dotted frame 36.125 mm square counts (144.5 + 4) x 4 x 4 = 2,376 mm2.
        ends(
            "ink of dotted frames",
            [=](double side) {
                TPageItem frame = Item(TItemKind::Frame, QRectF(0, 0, 36.125, 36.125));
                frame.PenStyle = Qt::DotLine;
                QVector<TPageItem> items(104, frame);
                frame.Rect.setWidth(side);
                return OnePage(items << frame);
            },
            36.125, 36.126);
    }

    void savedFilesHoldNoMoreThanTheReportsPrint()
    {
        QFETCH(QVector<TQRPage>, pages);
        QFETCH(bool, accepted);
        if (accepted) {
            QVERIFY(Loaded(Saved(pages)) == pages);
            return;
        }
        try {
            Saved(pages);
            QFAIL("saved");
        } catch (const EReportError& error) {
            QCOMPARE(QString::fromUtf8(error.what()),
                     QStringLiteral("El informe es demasiado grande para guardarlo."));
        }
        const QByteArray body = ReportFileBody(pages);
        try {
            Loaded(ReportFileHeader(body) + body);
            QFAIL("read");
        } catch (const EReportFileError& error) {
            QCOMPARE(QString::fromUtf8(error.what()),
                     QStringLiteral("El informe guardado está dañado o incompleto."));
        }
    }

    // The fullest file that may be saved (every limit reached at once, the largest one
    // may be) opens as it was saved; a byte more and it is refused.
    void theFullestFileOpens()
    {
        QVector<TQRPage> pages = testing::FullestSavedReport();
        const QByteArray bytes = Saved(pages);
        QCOMPARE(bytes.size(), ReportFileHeader({}).size() + qsizetype(kMaxReportBody));
        QVERIFY(Loaded(bytes) == pages);
        pages.first().Items.first().Source += 'x';
        QVERIFY_THROWS_EXCEPTION(EReportError, Saved(pages));
        const QByteArray longer = bytes.mid(ReportFileHeader({}).size()) + 'x';
        QVERIFY_THROWS_EXCEPTION(EReportFileError, Loaded(ReportFileHeader(longer) + longer));
    }
};

DIMARVOLTECA_TEST_MAIN(ReportEngineTest)
#include "ReportEngineTest.moc"
