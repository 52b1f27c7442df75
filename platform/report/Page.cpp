#include "Page.h"

#include "ReportError.h"
#include "TextMetrics.h"
#include "Units.h"

#include <QCache>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <optional>

namespace report {

bool TPageItem::operator==(const TPageItem& other) const
{
    return Kind == other.Kind && Source == other.Source && Rect == other.Rect &&
           Color.rgba() == other.Color.rgba() && PenWidth == other.PenWidth &&
           PenStyle == other.PenStyle && Baseline == other.Baseline && Font == other.Font &&
           Text == other.Text && Image == other.Image;
}

namespace {

// Pages are drawn in text units, the glyphs' own: every item then shares the one
// transformation and no device hears of a new one for each text.
constexpr double kUnitsPerMm = MmToTextUnits(1.0);

QPointF Units(QPointF mm)
{
    return mm * kUnitsPerMm;
}

QRectF Units(const QRectF& mm)
{
    return QRectF(Units(mm.topLeft()), mm.size() * kUnitsPerMm);
}

// Texts read from a file come without their glyphs. Shaping a text (finding its fonts,
// its scripts' rules) costs far more than drawing it, so each is shaped once, when it
// is first drawn, and kept for the next paints while there is room.
class TShapedTexts
{
public:
    TShapedLinePtr Find(const TQRFont& font, const QString& text)
    {
        const QString key = font.Family + QChar(0) + QString::number(font.Points, 'g', 17) +
                            QChar(0x30 + FontStyle(font)) + text;
        if (const TEntry* found = m_cache.object(key))
            return found->Line;
        TShapedLinePtr line = ShapeLine(text, font);
        m_cache.insert(key, new TEntry{line}, int(qMin<qsizetype>(key.size(), kRoom)) + kEntryCost);
        return line;
    }

private:
    struct TEntry
    {
        TShapedLinePtr Line;
    };
    // What an entry costs besides its characters, in characters.
    static constexpr int kEntryCost = 16;
    static constexpr int kRoom = 1 << 18;
    static int FontStyle(const TQRFont& font)
    {
        return (font.Bold ? 1 : 0) | (font.Italic ? 2 : 0) | (font.Underline ? 4 : 0);
    }
    QCache<QString, TEntry> m_cache{kRoom};
};

TShapedLinePtr ShapedText(const TPageItem& item)
{
    static TShapedTexts texts;
    return texts.Find(item.Font, item.Text);
}

// What the items of a page share while they are drawn.
struct TPainting
{
    QPainter& Painter;
    double MinimumPen = 0;         // millimetres
    const TQRFont* Font = nullptr; // the painter's font, for texts shaped as drawn
};

bool SamePlace(QPointF a, QPointF b)
{
    constexpr double kEpsilon = 1e-6; // millimetres
    return qAbs(a.x() - b.x()) < kEpsilon && qAbs(a.y() - b.y()) < kEpsilon;
}

// A label's framed box comes as four solid lines: top, bottom, left and right. The
// box they enclose, when `sides` are those four: drawn as one rectangle they print the
// same (square caps close the corners as mitred joins do) for a quarter of the work.
std::optional<QRectF> FrameOf(const TPageItem* sides)
{
    for (int i = 0; i < 4; ++i) {
        const TPageItem& side = sides[i];
        if (side.Kind != TItemKind::Line || side.PenStyle != Qt::SolidLine ||
            side.Color != sides[0].Color || side.PenWidth != sides[0].PenWidth)
            return std::nullopt;
    }
    const QRectF box(sides[0].Rect.topLeft(), sides[1].Rect.bottomRight());
    const QPointF ends[4][2] = {{box.topLeft(), box.topRight()},
                                {box.bottomLeft(), box.bottomRight()},
                                {box.topLeft(), box.bottomLeft()},
                                {box.topRight(), box.bottomRight()}};
    for (int i = 0; i < 4; ++i)
        if (!SamePlace(sides[i].Rect.topLeft(), ends[i][0]) ||
            !SamePlace(sides[i].Rect.bottomRight(), ends[i][1]))
            return std::nullopt;
    return box;
}

// The pen of a frame or a line.
void SetPen(TPainting& painting, const TPageItem& item)
{
    painting.Painter.setPen(QPen(item.Color, qMax(item.PenWidth, painting.MinimumPen) * kUnitsPerMm,
                                 item.PenStyle, Qt::SquareCap, Qt::MiterJoin));
    painting.Painter.setBrush(Qt::NoBrush);
}

void PaintItem(TPainting& painting, const TPageItem& item)
{
    QPainter& painter = painting.Painter;
    switch (item.Kind) {
    case TItemKind::Fill:
        painter.fillRect(Units(item.Rect), item.Color);
        break;
    case TItemKind::Frame:
        SetPen(painting, item);
        painter.drawRect(Units(item.Rect));
        break;
    case TItemKind::Line:
        SetPen(painting, item);
        painter.drawLine(Units(item.Rect.topLeft()), Units(item.Rect.bottomRight()));
        break;
    case TItemKind::Text: {
        // Glyphs take only the pen's colour: a pen of that colour stays, so that the
        // frame drawn after a label's text usually finds its own pen already set.
        if (painter.pen().style() == Qt::NoPen || painter.pen().color() != item.Color)
            painter.setPen(item.Color);
        const QPointF origin = Units(QPointF(item.Rect.left(), item.Baseline));
        const TShapedLinePtr glyphs = item.Glyphs ? item.Glyphs : ShapedText(item);
        if (glyphs) {
            for (const QGlyphRun& run : glyphs->Runs)
                painter.drawGlyphRun(origin, run);
            if (!glyphs->Underline.isEmpty())
                painter.fillRect(glyphs->Underline.translated(origin), item.Color);
            break;
        }
        if (!painting.Font || *painting.Font != item.Font) {
            painter.setFont(TextFont(item.Font));
            painting.Font = &item.Font;
        }
        painter.drawText(origin, item.Text);
        break;
    }
    case TItemKind::Image:
        painter.drawImage(Units(item.Rect), item.Image);
        break;
    }
}

} // namespace

void PaintPage(QPainter& painter, const TQRPage& page, const QRectF& target)
{
    if (page.Size.isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.translate(target.topLeft());
    painter.scale(target.width() / page.Size.width(), target.height() / page.Size.height());
    const QRectF paper(QPointF(0, 0), page.Size);
    painter.setClipRect(paper, Qt::IntersectClip);
    painter.fillRect(paper, Qt::white);
    TPainting painting{painter};
    // Hairlines stay visible at small zooms: never thinner than one device pixel.
    const double pixelsPerMm = painter.deviceTransform().map(QLineF(0, 0, 1, 0)).length();
    painting.MinimumPen = pixelsPerMm > 0 ? 1.0 / pixelsPerMm : 0.0;
    painter.scale(1 / kUnitsPerMm, 1 / kUnitsPerMm);
    // A label's frame comes as four lines: each four that close a box are drawn as one.
    const TPageItem* items = page.Items.constData();
    const qsizetype count = page.Items.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (i + 4 <= count && items[i].Kind == TItemKind::Line) {
            if (const std::optional<QRectF> box = FrameOf(items + i)) {
                SetPen(painting, items[i]);
                painter.drawRect(Units(*box));
                i += 3;
                continue;
            }
        }
        PaintItem(painting, items[i]);
    }
    painter.restore();
}

void PrintPages(QPagedPaintDevice& device, const QVector<TQRPage>& pages, int first, int last)
{
    first = qMax(first, 0);
    last = qMin(last, int(pages.size()) - 1);
    if (first > last)
        return;
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&device))
        throw EReportError(QStringLiteral("No se ha podido iniciar la impresión."));
    for (int i = first; i <= last; ++i) {
        if (i > first)
            device.newPage();
        // The device may keep margins of its own: the sheet starts that far up and left.
        const QPageLayout layout = device.pageLayout();
        const int dpi = device.logicalDpiX();
        const QRectF full = layout.fullRectPixels(dpi);
        const QRect paint = layout.paintRectPixels(dpi);
        const QSizeF page = pages.at(i).Size * (dpi / kMmPerInch);
        // The whole page, as large as the sheet holds it. A sheet of the page's own size
        // holds it 1:1: its size is rounded to whole points, a fraction of a millimetre
        // that only the blank margin feels.
        double scale = qMin(full.width() / page.width(), full.height() / page.height());
        if (qAbs(scale - 1) < 0.005)
            scale = 1;
        const QSizeF size = page * scale;
        const QPointF corner =
            full.topLeft() - paint.topLeft() +
            QPointF(full.width() - size.width(), full.height() - size.height()) / 2;
        PaintPage(painter, pages.at(i), QRectF(corner, size));
    }
    painter.end();
}

} // namespace report
