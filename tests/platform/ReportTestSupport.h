#pragma once

#include "platform/report/DataSource.h"
#include "platform/report/Page.h"
#include "platform/report/ReportFile.h"
#ifdef QT_PRINTSUPPORT_LIB
#include "platform/report/preview/PrintDialogs.h"
#include <QPrinter>
#endif

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QVector>
#include <QWidget>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace testing {

// Rows held in memory, walked as a report walks its table.
class RowSource : public report::TQRDataSource
{
public:
    explicit RowSource(QVector<QMap<QString, QString>> rows) : m_rows(std::move(rows)) {}

    void First() override { m_row = 0; }
    void Next() override { ++m_row; }
    bool Eof() const override { return m_row >= m_rows.size(); }
    QString FieldText(const QString& field) const override { return m_rows.at(m_row).value(field); }

private:
    QVector<QMap<QString, QString>> m_rows;
    int m_row = 0;
};

// Whether two places on a page, in millimetres, are the same to a fiftieth of one.
inline bool Near(double a, double b, double tolerance = 0.02)
{
    return qAbs(a - b) < tolerance;
}

inline QVector<report::TPageItem> ItemsOf(const report::TQRPage& page, const QString& source,
                                          report::TItemKind kind)
{
    QVector<report::TPageItem> found;
    for (const report::TPageItem& item : page.Items)
        if (item.Source == source && item.Kind == kind)
            found << item;
    return found;
}

// The page's printed texts of one element, line after line.
inline QStringList TextsOf(const report::TQRPage& page, const QString& source)
{
    QStringList texts;
    for (const report::TPageItem& item : ItemsOf(page, source, report::TItemKind::Text))
        texts << item.Text;
    return texts;
}

// Deletes every preview window left open. Deleting one window may delete others
// of the list (its pop-up menus), so they are all named before any goes.
inline void DeletePreviews()
{
    QList<QPointer<QWidget>> previews;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("TQRStandardPreview"))
            previews << window;
    for (const QPointer<QWidget>& preview : previews)
        delete preview.data();
}

// The text of a PDF's pages through poppler's pdftotext, pages separated by form feeds.
inline QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Whether the program `tool` is installed. Under CI a missing one fails the test, naming it
// (the set-up script installs it); elsewhere it skips the test.
inline bool HasTool(const QString& tool)
{
    if (!QStandardPaths::findExecutable(tool).isEmpty())
        return true;
    if (qEnvironmentVariableIsSet("CI"))
        QTest::qFail(qPrintable(tool + QStringLiteral(" is missing: scripts/setup installs it")),
                     __FILE__, __LINE__);
    else
        QTest::qSkip(qPrintable(tool + QStringLiteral(" is not installed")), __FILE__, __LINE__);
    return false;
}

// The sheets of a PDF's pages, in points, as their media boxes give them.
inline QList<QSizeF> PdfSheets(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression box(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"));
    QList<QSizeF> sheets;
    for (const QRegularExpressionMatch& m : box.globalMatch(QString::fromLatin1(file.readAll())))
        sheets << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    return sheets;
}

// Page `page` (from 1) of a PDF as poppler's pdftoppm paints it, at `dpi`.
inline QImage PdfPicture(const QString& path, int page, int dpi)
{
    const QString prefix = path + QStringLiteral("-%1").arg(page);
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                   QString::number(dpi), QStringLiteral("-f"), QString::number(page),
                   QStringLiteral("-l"), QString::number(page), path, prefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}

// How many pages a PDF file has.
inline int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF"))
        return -1;
    int count = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at, 12) != "/Type /Pages")
            ++count;
    return count;
}

// While it lives, no file of the process grows past `bytes`, as on a full disk.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_before{};
    void (*m_signal)(int) = SIG_DFL;
};

// What makes a page slow to paint: glyphs as large as a page may print, many fonts,
// characters that no installed font has (each font then asks every other), and many
// scripts (each shaped on its own and sought in other fonts).
enum class PaintCost
{
    LargeGlyphs,
    ManyFonts,
    MissingGlyphs,
    ManyScripts,
};

// The `n`th of the fonts a page may hold the most of: the reports' two families, bold,
// underlined, both or neither, at the largest size and half a point less at each step.
inline report::TQRFont CostlyFont(int n)
{
    report::TQRFont font;
    font.Family = n % 2 ? QStringLiteral("Book Antiqua") : QStringLiteral("Arial");
    font.Bold = n / 2 % 2 == 0;
    font.Underline = n / 4 % 2 == 1;
    font.Points = report::kMaxFontPoints - n / 8 * 0.5;
    return font;
}

// A page of `size` as slow to paint as `cost` makes it: as many texts as a page may hold
// elements, of as many characters as it may hold, in `fonts` fonts one after another
// (CostlyFont). Pages of another `variant` hold other characters.
inline report::TQRPage CostlyPage(PaintCost cost, QSizeF size, int fonts, int variant = 0)
{
    using namespace report;
    // Twenty-five scripts: their first letter and how many follow.
    static const char32_t scripts[25][2] = {
        {0x4E00, 20000}, {0xAC00, 11000}, {0x0627, 26}, {0x05D0, 27},  {0x0915, 37},
        {0x0E01, 46},    {0x10D0, 43},    {0x03B1, 25}, {0x0430, 32},  {0x0531, 38},
        {0x0995, 37},    {0x0B95, 36},    {0x0C15, 37}, {0x0C95, 37},  {0x0D15, 37},
        {0x0A95, 37},    {0x0A15, 37},    {0x0B15, 37}, {0x0D9A, 40},  {0x1780, 35},
        {0x0E81, 36},    {0x0F40, 40},    {0x1000, 33}, {0x1200, 300}, {0x3041, 86}};
    TQRPage page{size, {}};
    const int texts = int(kMaxPageText / 4);
    int n = variant * int(kMaxPageText);
    for (int i = 0; i < texts; ++i) {
        TPageItem text;
        text.Kind = TItemKind::Text;
        text.Rect = QRectF(i % 20 * 10.0, 6 + i / 20 % 55 * 5.0, 10, 5);
        text.Baseline = text.Rect.top() + 4;
        text.Font = CostlyFont(cost == PaintCost::LargeGlyphs ? 0 : i % fonts);
        for (int j = 0; j < 4; ++j, ++n) {
            char32_t c = 0;
            switch (cost) {
            case PaintCost::LargeGlyphs:
            case PaintCost::ManyFonts:
                c = 0x21 + char32_t(n) % 94;
                break;
            case PaintCost::MissingGlyphs: {
                // Code points that the standard leaves unassigned.
                static const char32_t unassigned[3][2] = {{0x2FE0, 16}, {0xFFF0, 9}, {0x07B2, 14}};
                const auto* range = unassigned[n % 3];
                c = range[0] + char32_t(n / 3) % range[1];
                break;
            }
            case PaintCost::ManyScripts: {
                const auto* script = scripts[n % 25];
                c = script[0] + char32_t(n / 25) % script[1];
                break;
            }
            }
            text.Text += QString::fromUcs4(&c, 1);
        }
        page.Items.append(text);
    }
    return page;
}

// The fullest report a saved file may hold: every limit of the format reached at once,
// in what costs the most to read and to paint. As many pictures as a file may hold, of
// all the pixels it may hold. Pages of as many elements as a page may hold: texts in as
// many fonts as a page may hold, of the largest sizes, in eight scripts, of as many
// characters as a page may hold; and pictures, frames and lines (solid, dotted and
// dash-dotted) and fills that paint as much as a page may. As many pages as the file may
// hold, every element named on its own, the names as long as to make the file as large
// as it may be.
inline QVector<report::TQRPage> FullestSavedReport()
{
    using namespace report;
    auto picture = [](int width, int height) {
        QImage image(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] = qRgba(x & 255, y & 255, (x ^ y) & 255, 128 + (x & 127));
        }
        return image;
    };
    // The largest picture, and fifteen sharing the pixels left.
    QVector<QImage> pictures{picture(2048, 2048)};
    for (int i = 0; i < 14; ++i)
        pictures << picture(256, 273);
    pictures << picture(256, 274);

    TQRPage page{QSizeF(210, 297), {}};
    auto add = [&page](TItemKind kind, const QRectF& rect) -> TPageItem& {
        TPageItem item;
        item.Kind = kind;
        item.Rect = rect;
        item.Color = QColor(10, 20, 30, 200);
        page.Items.append(item);
        return page.Items.last();
    };
    // Eight characters a text, from eight scripts, emoji among them.
    const char32_t scripts[8][2] = {{0xC0, 64},   {0x4E00, 20000}, {0x0627, 26}, {0x0915, 37},
                                    {0x05D0, 27}, {0x0E01, 46},    {0x03B1, 25}, {0x1F600, 80}};
    const int texts = int(kMaxPageText / 8);
    for (int i = 0; i < texts; ++i) {
        TPageItem& text =
            add(TItemKind::Text, QRectF(5 + (i % 6) * 33, (i / 6) % 37 * 7.5, 33, 7.5));
        text.Baseline = text.Rect.top() + 6;
        text.Font = CostlyFont(i % kMaxReportFonts);
        const auto* script = scripts[i % 8];
        while (text.Text.size() < 8) {
            const char32_t c = script[0] + char32_t(i * 8 + text.Text.size()) % script[1];
            text.Text += QString::fromUcs4(&c, 1);
        }
    }
    // The ink a page may paint (4 pages of 62,370 mm2): pictures over a quarter of the
    // page and in 10 mm squares (68,370), frames 5 mm square, dotted (96,000) and solid
    // (24,000), lines 2 mm long and dash-dotted (24,000) and 20 mm long and solid (24,000),
    // and fills for the rest.
    add(TItemKind::Image, QRectF(0, 0, 105, 148.5)).Image = pictures.first();
    for (int i = 1; i < pictures.size(); ++i)
        add(TItemKind::Image, QRectF(10 * i, 280, 10, 10)).Image = pictures.at(i);
    for (int i = 0; i < 250; ++i) {
        const QPointF at(i % 38 * 5, i / 38 * 20);
        add(TItemKind::Frame, QRectF(at, QSizeF(5, 5))).PenStyle = Qt::DotLine;
        add(TItemKind::Frame, QRectF(at + QPointF(0, 5), QSizeF(5, 5))).PenWidth = kMaxPenWidth;
        add(TItemKind::Line, QRectF(at + QPointF(0, 10), QSizeF(2, 0))).PenStyle = Qt::DashDotLine;
        add(TItemKind::Line, QRectF(at + QPointF(0, 15), QSizeF(20, 0))).PenWidth = 0.26;
    }
    const int fills = int(kMaxPageItems) - int(page.Items.size());
    for (int i = 0; i < fills - 1; ++i)
        add(TItemKind::Fill, QRectF(i % 80 * 2.5, i / 80 * 20, 2.5, 5));
    add(TItemKind::Fill, QRectF(0, 0, 2.5, 89));

    // As many pages as the file may hold, then names that fill it to its last byte.
    const qint64 one = ReportFileBody({page}).size();
    const qint64 perPage = ReportFileBody({page, page}).size() - one;
    const qint64 none = one - perPage;
    const int count = int(
        qMin<qint64>(kMaxReportItems / kMaxPageItems, (qint64(kMaxReportBody) - none) / perPage));
    QVector<TQRPage> pages(count, page);
    const qint64 spare = qint64(kMaxReportBody) - none - count * perPage;
    const qint64 items = qint64(count) * kMaxPageItems;
    int n = 0;
    for (TQRPage& each : pages) {
        for (TPageItem& item : each.Items) {
            const qint64 length =
                qMin<qint64>(kMaxSourceName, spare / items + (n < spare % items ? 1 : 0));
            item.Source =
                QString::number(n++, 36).leftJustified(int(length), QLatin1Char('.'), true);
        }
    }
    return pages;
}

#ifdef QT_PRINTSUPPORT_LIB
// Answers the print dialogs by printing to the PDF file `path` (pages `from` to `to` when
// given), and remembers which dialogs were asked.
class PdfAnswer
{
public:
    explicit PdfAnswer(const QString& path, int from = 0, int to = 0)
    {
        m_previous =
            report::SetPrintDialogHook([=](QPrinter& printer, report::TPrintDialogKind kind) {
                kinds << kind;
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(path);
                if (from > 0) {
                    printer.setPrintRange(QPrinter::PageRange);
                    printer.setFromTo(from, to);
                }
                return true;
            });
    }
    ~PdfAnswer() { report::SetPrintDialogHook(m_previous); }
    QList<report::TPrintDialogKind> kinds;

private:
    report::PrintDialogHook m_previous;
};
#endif

} // namespace testing
