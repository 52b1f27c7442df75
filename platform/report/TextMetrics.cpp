#include "TextMetrics.h"

#include "Units.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace report {

namespace {

QFont FontOfNone(int pixelSize);

struct TFontEntry
{
    TQRFont Design;
    QFont Font;
    QFontMetricsF Metrics;
    // Of its size, for runs that no font shapes: kept, as the toolkit keeps what it found
    // for a font with the font.
    QFont Boxes;
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
    entries.push_back(std::make_unique<TFontEntry>(
        TFontEntry{design, font, QFontMetricsF(font), FontOfNone(font.pixelSize())}));
    last = entries.back().get();
    return *last;
}

// Letters of a script that needs a font's own shaping rules, when no installed font
// holds those rules, print as empty boxes whatever the font. But the toolkit finds that
// out afresh for each family, weight and size asked for with that script, trying every
// installed font: tens of milliseconds each, seconds for a page of many fonts and
// scripts. The same boxes come at once from a font that may take no other font's glyphs
// and names none installed: such a font serves the runs of those scripts.

// A font that names none installed and takes no other font's glyphs.
QFont FontOfNone(int pixelSize)
{
    QFont font(QStringLiteral("Dimarvolteca: sin letra"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Glyphs that no font file stands behind: the toolkit's boxes.
bool AreBoxes(const QRawFont& font)
{
    return !font.isValid() || (font.pixelSize() <= 0 && font.fontTable("head").isEmpty());
}

// Whether no installed font shapes `script`: the toolkit's own search, from a font of
// the reports, leaves `letter` (one of its letters) to boxes. That search ends by trying
// every installed font that may hold the script, whichever family, weight or size it
// starts from, so one answer a process serves every font. A script that needs no rules
// of a font's own is left to the toolkit: a letter that no font has prints as the
// font's own missing glyph, found at once.
bool NoFontShapes(QChar::Script script, char32_t letter)
{
    static std::array<signed char, QChar::ScriptCount> known{}; // 0 unknown, 1 yes, -1 no
    if (script <= QChar::Script_Common || script >= QChar::ScriptCount)
        return false;
    if (!known[script]) {
        TQRFont reference;
        reference.Family = QStringLiteral("Arial");
        reference.Points = 10;
        QTextLayout layout(QString::fromUcs4(&letter, 1), TextFont(reference));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.lineAt(0).glyphRuns();
        const bool boxes =
            !runs.isEmpty() && std::all_of(runs.begin(), runs.end(), [](const QGlyphRun& run) {
                return AreBoxes(run.rawFont());
            });
        known[script] = boxes ? 1 : -1;
    }
    return known[script] > 0;
}

bool IsMark(QChar::Category category)
{
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// `text` laid out in `font` when the layout's lines are made. The toolkit splits a text
// by script: marks, and characters common to all scripts (blanks, digits, punctuation),
// join the letters before them, or the first letter when none comes before. A run of a
// script that no font shapes is drawn in a font of none, as the same boxes.
void Prepare(QTextLayout& layout, const TFontEntry& font)
{
    const QString& text = layout.text();
    QList<QTextLayout::FormatRange> boxed;
    QChar::Script script = QChar::Script_Common;
    qsizetype start = 0;
    auto close = [&](qsizetype end, char32_t letter) {
        if (script > QChar::Script_Common && NoFontShapes(script, letter)) {
            QTextLayout::FormatRange range;
            range.start = int(start);
            range.length = int(end - start);
            range.format.setFont(font.Boxes);
            boxed.append(range);
        }
    };
    char32_t first = 0; // a character of the run's own script
    for (qsizetype i = 0; i < text.size();) {
        char32_t c = text.at(i).unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            c = QChar::surrogateToUcs4(text.at(i).unicode(), text.at(i + 1).unicode());
            width = 2;
        }
        const QChar::Script own = QChar::script(c);
        if (own != script && own > QChar::Script_Common) {
            if (script == QChar::Script_Common) {
                script = own;
                first = c;
            } else if (!IsMark(QChar::category(c))) {
                close(i, first);
                script = own;
                start = i;
                first = c;
            }
        }
        i += width;
    }
    close(text.size(), first);
    layout.setFont(font.Font);
    if (!boxed.isEmpty())
        layout.setFormats(boxed);
    layout.setCacheEnabled(true);
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
    QTextLayout layout(line);
    Prepare(layout, entry);
    QTextOption single;
    single.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(single);
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
        QTextLayout layout(whole);
        // Its glyphs outlive the layout pass: the lines take them from there.
        Prepare(layout, entry);
        layout.setTextOption(wrap ? wrapped : single);
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
