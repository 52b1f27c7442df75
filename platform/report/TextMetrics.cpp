#include "TextMetrics.h"

#include "Units.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QTextLayout>
#include <QTextOption>
#include <memory>
#include <vector>

namespace report {

namespace {

struct TFontEntry
{
    TQRFont Design;
    QFont Font;
    QFontMetricsF Metrics;
};

// A report uses a handful of fonts; finding one by a short walk is cheaper than
// building a QFont and its metrics for every text. Saved reports bring fonts of any
// size: the oldest go when there are many, each returned entry lasting until another
// font is asked for.
const TFontEntry& Entry(const TQRFont& design)
{
    constexpr size_t kMaxEntries = 64;
    static std::vector<std::unique_ptr<TFontEntry>> entries;
    static const TFontEntry* last = nullptr;
    if (last && last->Design == design)
        return *last;
    for (const auto& entry : entries) {
        if (entry->Design == design) {
            last = entry.get();
            return *last;
        }
    }
    if (entries.size() >= kMaxEntries)
        entries.erase(entries.begin());
    const QFont font = TextFont(design);
    entries.push_back(std::make_unique<TFontEntry>(TFontEntry{design, font, QFontMetricsF(font)}));
    last = entries.back().get();
    return *last;
}

// Wide enough for any line a page can hold.
constexpr double kUnbounded = 1e7;

// The glyphs of the first `length` characters of `line`, placed from the line's
// start on its baseline: the layout places them from its own top-left corner.
TShapedLinePtr Shaped(const QTextLine& line, int length, const TFontEntry& entry)
{
    if (length <= 0)
        return {};
    auto* shaped = new TShapedLine;
    shaped->Runs = line.glyphRuns(line.textStart(), length);
    const QPointF origin(line.x(), line.y() + line.ascent());
    for (QGlyphRun& run : shaped->Runs) {
        QVector<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position -= origin;
        run.setPositions(positions);
        run.setBoundingRect(run.boundingRect().translated(-origin));
        // Qt underlines glyphs drawn on a scaled painter away from them: the line
        // draws its own underline.
        run.setUnderline(false);
    }
    if (entry.Design.Underline) {
        const double thickness = entry.Metrics.lineWidth();
        shaped->Underline = QRectF(0, entry.Metrics.underlinePos() - thickness / 2,
                                   line.naturalTextWidth(), thickness);
    }
    return TShapedLinePtr(shaped);
}

// Characters that end a line even where lines do not wrap.
bool BreaksLine(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

QString WithoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

} // namespace

QFont TextFont(const TQRFont& design)
{
    QFont font(design.Family);
    font.setPixelSize(qMax(1, qRound(design.Points * kTextDpi / 72.0)));
    font.setBold(design.Bold);
    font.setItalic(design.Italic);
    font.setUnderline(design.Underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

TFontMetricsMm FontMetricsMm(const TQRFont& font)
{
    const QFontMetricsF& metrics = Entry(font).Metrics;
    return {TextUnitsToMm(metrics.ascent()), TextUnitsToMm(metrics.descent())};
}

double TextWidthMm(const QString& text, const TQRFont& font)
{
    return TextUnitsToMm(Entry(font).Metrics.horizontalAdvance(text));
}

TShapedLinePtr ShapeLine(const QString& text, const TQRFont& font)
{
    // A separator that would break the line prints as a blank.
    QString line = text;
    for (QChar& c : line)
        if (BreaksLine(c))
            c = QLatin1Char(' ');
    const TFontEntry& entry = Entry(font);
    QTextLayout layout(line, entry.Font);
    QTextOption single;
    single.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(single);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(kUnbounded);
    layout.endLayout();
    if (layout.lineCount() != 1)
        return {};
    return Shaped(layout.lineAt(0), int(line.size()), entry);
}

QVector<TTextLine> BreakLines(const QString& text, const TQRFont& font, double widthMm,
                              bool wordWrap)
{
    QVector<TTextLine> lines;
    if (text.isEmpty())
        return lines;
    const TFontEntry& entry = Entry(font);
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList paragraphs = plain.split(QLatin1Char('\n'));

    QTextOption wrapped;
    wrapped.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextOption single;
    single.setWrapMode(QTextOption::NoWrap);
    const double width = qMax(0.0, MmToTextUnits(widthMm));
    for (const QString& paragraph : paragraphs) {
        const bool wrap = wordWrap && !paragraph.isEmpty();
        const QString whole = wrap ? paragraph : WithoutTrailingBlanks(paragraph);
        if (whole.isEmpty()) {
            lines.append(TTextLine());
            continue;
        }
        QTextLayout layout(whole, entry.Font);
        layout.setTextOption(wrap ? wrapped : single);
        // Its glyphs outlive the layout pass: the lines take them from there.
        layout.setCacheEnabled(true);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(wrap ? width : kUnbounded);
        layout.endLayout();
        // An unwrapped text is one line whatever separators it holds.
        if (!wrap && layout.lineCount() != 1) {
            lines.append({whole, TextUnitsToMm(entry.Metrics.horizontalAdvance(whole)),
                          ShapeLine(whole, font)});
            continue;
        }
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const QString printed =
                WithoutTrailingBlanks(whole.mid(line.textStart(), line.textLength()));
            lines.append({printed, TextUnitsToMm(line.naturalTextWidth()),
                          Shaped(line, int(printed.size()), entry)});
        }
    }
    return lines;
}

} // namespace report
