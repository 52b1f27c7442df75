#include "Page.h"

#include "ReportError.h"
#include "TextMetrics.h"
#include "Units.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace report {

bool TPageItem::operator==(const TPageItem& other) const
{
    return Kind == other.Kind && Source == other.Source && Rect == other.Rect &&
           Color.rgba() == other.Color.rgba() && PenWidth == other.PenWidth &&
           PenStyle == other.PenStyle && Baseline == other.Baseline && Font == other.Font &&
           Text == other.Text && Image == other.Image;
}

namespace {

void PaintItem(QPainter& painter, const TPageItem& item, double minimumPen)
{
    switch (item.Kind) {
    case TItemKind::Fill:
        painter.fillRect(item.Rect, item.Color);
        break;
    case TItemKind::Frame:
    case TItemKind::Line: {
        QPen pen(item.Color, qMax(item.PenWidth, minimumPen), item.PenStyle, Qt::SquareCap,
                 Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        if (item.Kind == TItemKind::Frame)
            painter.drawRect(item.Rect);
        else
            painter.drawLine(item.Rect.topLeft(), item.Rect.bottomRight());
        break;
    }
    case TItemKind::Text: {
        painter.save();
        painter.translate(item.Rect.left(), item.Baseline);
        painter.scale(TextUnitsToMm(1.0), TextUnitsToMm(1.0));
        painter.setFont(TextFont(item.Font));
        painter.setPen(item.Color);
        painter.drawText(QPointF(0, 0), item.Text);
        painter.restore();
        break;
    }
    case TItemKind::Image:
        painter.drawImage(item.Rect, item.Image);
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
    // Hairlines stay visible at small zooms: never thinner than one device pixel.
    const double pixelsPerMm = painter.deviceTransform().map(QLineF(0, 0, 1, 0)).length();
    const double minimumPen = pixelsPerMm > 0 ? 1.0 / pixelsPerMm : 0.0;
    for (const TPageItem& item : page.Items)
        PaintItem(painter, item, minimumPen);
    painter.restore();
}

void PrintPages(QPagedPaintDevice& device, const QVector<TQRPage>& pages, int first, int last)
{
    first = qMax(first, 0);
    last = qMin(last, int(pages.size()) - 1);
    if (first > last)
        return;
    // Paper sizes are named upright; a wide page is an upright sheet turned.
    auto setSheet = [&device](const TQRPage& page) {
        const bool wide = page.Size.width() > page.Size.height();
        const QSizeF upright = wide ? page.Size.transposed() : page.Size;
        device.setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);
        device.setPageSize(
            QPageSize(upright, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
    };
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    setSheet(pages.at(first));

    QPainter painter;
    if (!painter.begin(&device))
        throw EReportError(QStringLiteral("No se ha podido iniciar la impresión."));
    for (int i = first; i <= last; ++i) {
        if (i > first) {
            setSheet(pages.at(i));
            device.newPage();
        }
        // The device may keep margins of its own: the sheet starts that far up and left.
        const QPageLayout layout = device.pageLayout();
        const int dpi = device.logicalDpiX();
        const QRect full = layout.fullRectPixels(dpi);
        const QRect paint = layout.paintRectPixels(dpi);
        const QRectF sheet(full.left() - paint.left(), full.top() - paint.top(), full.width(),
                           full.height());
        PaintPage(painter, pages.at(i), sheet);
    }
    painter.end();
}

} // namespace report
