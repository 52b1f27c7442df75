#include "Controls.h"

#include "DataSource.h"
#include "QuickRep.h"

namespace report {

namespace {

TPageItem LineItem(const QString& source, QPointF from, QPointF to, const QColor& color,
                   double width, Qt::PenStyle style)
{
    TPageItem item;
    item.Kind = TItemKind::Line;
    item.Source = source;
    item.Rect = QRectF(from, to);
    item.Color = color;
    item.PenWidth = width;
    item.PenStyle = style;
    return item;
}

TPageItem FillItem(const QString& source, const QRectF& box, const QColor& color)
{
    TPageItem item;
    item.Kind = TItemKind::Fill;
    item.Source = source;
    item.Rect = box;
    item.Color = color;
    return item;
}

} // namespace

TQRControl::TQRControl(TQRBand* band, const QString& name) : QObject(band)
{
    setObjectName(name);
}

TQRBand* TQRControl::Band() const
{
    return static_cast<TQRBand*>(parent());
}

TQRCustomLabel::TQRCustomLabel(TQRBand* band, const QString& name) : TQRControl(band, name)
{
    if (band && band->Report())
        Font = band->Report()->Font;
}

const QVector<TTextLine>& TQRCustomLabel::Lines() const
{
    // Kept within bounds: a report of many thousand rows measures anew rather
    // than holding every text twice.
    constexpr int kMaxMeasured = 20000;
    const bool wrap = WordWrap && !AutoSize;
    if (m_measuredFont != Font || m_measuredWidth != m_width || m_measuredWrap != wrap ||
        m_measured.size() >= kMaxMeasured) {
        m_measured.clear();
        m_lines = nullptr;
        m_measuredFont = Font;
        m_measuredWidth = m_width;
        m_measuredWrap = wrap;
    }
    const QString text = Text();
    if (!m_lines || text != m_linesText) {
        auto found = m_measured.find(text);
        if (found == m_measured.end())
            found = m_measured.insert(text, BreakLines(text, Font, m_width, wrap));
        m_lines = &found.value();
        m_linesText = text;
    }
    return *m_lines;
}

void TQRCustomLabel::ForgetMeasures() const
{
    m_measured.clear();
    m_lines = nullptr;
}

double TQRCustomLabel::Width() const
{
    if (!AutoSize)
        return m_width;
    double widest = 0;
    for (const TTextLine& line : Lines())
        widest = qMax(widest, line.Width);
    return widest;
}

double TQRCustomLabel::PrintHeight() const
{
    const double own = Height > 0 ? Height : FontMetricsMm(Font).Height();
    if (!AutoStretch)
        return own;
    return qMax(own, Lines().size() * FontMetricsMm(Font).Height());
}

void TQRCustomLabel::Emit(QVector<TPageItem>& out) const
{
    const QRectF box(Left, Top, Width(), PrintHeight());
    const QString name = objectName();
    if (!Transparent && box.width() > 0 && box.height() > 0)
        out.append(FillItem(name, box, Color));

    const TFontMetricsMm metrics = FontMetricsMm(Font);
    double top = Top;
    for (const TTextLine& line : Lines()) {
        if (!line.Text.isEmpty()) {
            TQRFont font = Font;
            double width = line.Width;
            TShapedLinePtr glyphs = line.Glyphs;
            if (ShrinkToFit && width > box.width() && box.width() > 0) {
                font.Points *= box.width() / width;
                width = box.width();
                glyphs.reset();
            }
            double x = box.left();
            if (Alignment & Qt::AlignHCenter)
                x += (box.width() - width) / 2;
            else if (Alignment & Qt::AlignRight)
                x += box.width() - width;
            TPageItem text;
            text.Kind = TItemKind::Text;
            text.Source = name;
            text.Rect = QRectF(x, top, width, metrics.Height());
            text.Baseline = top + metrics.Ascent;
            text.Color = FontColor;
            text.Font = font;
            text.Text = line.Text;
            text.Glyphs = std::move(glyphs);
            out.append(std::move(text));
        }
        top += metrics.Height();
    }

    if (Frame.Top)
        out.append(
            LineItem(name, box.topLeft(), box.topRight(), Frame.Color, Frame.Width, Frame.Style));
    if (Frame.Bottom)
        out.append(LineItem(name, box.bottomLeft(), box.bottomRight(), Frame.Color, Frame.Width,
                            Frame.Style));
    if (Frame.Left)
        out.append(
            LineItem(name, box.topLeft(), box.bottomLeft(), Frame.Color, Frame.Width, Frame.Style));
    if (Frame.Right)
        out.append(LineItem(name, box.topRight(), box.bottomRight(), Frame.Color, Frame.Width,
                            Frame.Style));
}

TQRLabel::TQRLabel(TQRBand* band, const QString& name) : TQRCustomLabel(band, name) {}

TQRDBText::TQRDBText(TQRBand* band, const QString& name) : TQRCustomLabel(band, name) {}

void TQRDBText::BeforeBandPrint()
{
    m_value.clear();
    if (DataSet && !DataSet->Eof())
        m_value = DataSet->FieldText(DataField);
    if (OnPrint)
        OnPrint(*this, m_value);
}

TQRShape::TQRShape(TQRBand* band, const QString& name) : TQRControl(band, name) {}

void TQRShape::Emit(QVector<TPageItem>& out) const
{
    const QRectF box(Left, Top, Width(), Height);
    const QString name = objectName();
    auto line = [&](QPointF from, QPointF to) {
        out.append(LineItem(name, from, to, PenColor, PenWidth, PenStyle));
    };
    switch (Shape) {
    case TShapeType::Rectangle: {
        if (BrushColor.alpha() > 0)
            out.append(FillItem(name, box, BrushColor));
        TPageItem frame;
        frame.Kind = TItemKind::Frame;
        frame.Source = name;
        frame.Rect = box;
        frame.Color = PenColor;
        frame.PenWidth = PenWidth;
        frame.PenStyle = PenStyle;
        out.append(frame);
        break;
    }
    case TShapeType::HorLine:
        line({box.left(), box.center().y()}, {box.right(), box.center().y()});
        break;
    case TShapeType::VertLine:
        line({box.center().x(), box.top()}, {box.center().x(), box.bottom()});
        break;
    case TShapeType::TopAndBottom:
        line(box.topLeft(), box.topRight());
        line(box.bottomLeft(), box.bottomRight());
        break;
    case TShapeType::RightAndLeft:
        line(box.topLeft(), box.bottomLeft());
        line(box.topRight(), box.bottomRight());
        break;
    }
}

TQRImage::TQRImage(TQRBand* band, const QString& name) : TQRControl(band, name) {}

void TQRImage::Emit(QVector<TPageItem>& out) const
{
    if (Picture.isNull())
        return;
    const QSizeF box(Width(), Height);
    // Pages share one copy of the printed picture, converted and cut once.
    if (m_printedKey != Picture.cacheKey() || m_printedFor != box) {
        QImage printed = Picture;
        if (!Stretch) {
            const int w = qMin(printed.width(), qMax(0, qRound(MmToPx(box.width()))));
            const int h = qMin(printed.height(), qMax(0, qRound(MmToPx(box.height()))));
            printed = printed.copy(0, 0, w, h);
        }
        m_printed = printed.convertToFormat(QImage::Format_ARGB32);
        m_printedKey = Picture.cacheKey();
        m_printedFor = box;
    }
    if (m_printed.isNull())
        return;
    TPageItem item;
    item.Kind = TItemKind::Image;
    item.Source = objectName();
    item.Rect = Stretch ? QRectF(Left, Top, box.width(), box.height())
                        : QRectF(Left, Top, PxToMm(m_printed.width()), PxToMm(m_printed.height()));
    item.Image = m_printed;
    out.append(item);
}

} // namespace report
