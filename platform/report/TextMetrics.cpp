#include "TextMetrics.h"

#include "Units.h"

#include <QFontMetricsF>
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
// building a QFont and its metrics for every text.
const TFontEntry& Entry(const TQRFont& design)
{
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
    const QFont font = TextFont(design);
    entries.push_back(std::make_unique<TFontEntry>(TFontEntry{design, font, QFontMetricsF(font)}));
    last = entries.back().get();
    return *last;
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

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const double width = qMax(0.0, MmToTextUnits(widthMm));
    for (const QString& paragraph : paragraphs) {
        if (!wordWrap || paragraph.isEmpty()) {
            const QString line = WithoutTrailingBlanks(paragraph);
            lines.append({line, TextUnitsToMm(entry.Metrics.horizontalAdvance(line))});
            continue;
        }
        QTextLayout layout(paragraph, entry.Font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            lines.append({WithoutTrailingBlanks(paragraph.mid(line.textStart(), line.textLength())),
                          TextUnitsToMm(line.naturalTextWidth())});
        }
    }
    return lines;
}

} // namespace report
