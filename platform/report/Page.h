#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QImage>
#include <QRectF>
#include <QSharedData>
#include <QSizeF>
#include <QString>
#include <QVector>

class QPagedPaintDevice;
class QPainter;

namespace report {

// A font as the report designer names it; the machine's substitutes apply when
// it is measured or drawn.
struct TQRFont
{
    QString Family = QStringLiteral("Arial");
    double Points = 10.0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    bool operator==(const TQRFont& other) const
    {
        return Family == other.Family && Points == other.Points && Bold == other.Bold &&
               Italic == other.Italic && Underline == other.Underline;
    }
    bool operator!=(const TQRFont& other) const { return !(*this == other); }
};

enum class TItemKind : quint8
{
    Fill = 1,  // Rect filled with Color
    Frame = 2, // outline of Rect
    Line = 3,  // from Rect's top-left to its bottom-right
    Text = 4,  // one line of text; Rect is its box, Baseline where the glyphs stand
    Image = 5, // Image drawn into Rect
};

// A line of text as the layout shaped it: its glyphs in runs of one font each (a
// character the font lacks comes from another), placed from the line's start on its
// baseline, in text units (kTextDpi). Measured once, it is shared by every item that
// prints the same line, on every page and on every device.
struct TShapedLine : QSharedData
{
    QVector<QGlyphRun> Runs;
    // Where the line's underline goes, likewise; empty when its font is not underlined.
    QRectF Underline;
};
using TShapedLinePtr = QExplicitlySharedDataPointer<const TShapedLine>;

// One drawing operation of a laid-out page. Places are millimetres from the
// page's top-left corner.
struct TPageItem
{
    TItemKind Kind = TItemKind::Fill;
    QString Source; // the name of the report element it comes from
    QRectF Rect;
    QColor Color = Qt::black;
    double PenWidth = 0.0; // millimetres
    Qt::PenStyle PenStyle = Qt::SolidLine;
    double Baseline = 0.0;
    TQRFont Font;
    QString Text;
    QImage Image;
    // How Text was shaped when the page was laid out, if it prints as it was measured;
    // without it (pages read from a file, a text shrunk to fit) Text is shaped when it is
    // first drawn. Not part of what prints, so neither compared nor saved.
    TShapedLinePtr Glyphs;

    bool operator==(const TPageItem& other) const;
    bool operator!=(const TPageItem& other) const { return !(*this == other); }
};

// A laid-out page: its paper size and what is drawn on it, in drawing order.
struct TQRPage
{
    QSizeF Size; // millimetres
    QVector<TPageItem> Items;

    bool operator==(const TQRPage& other) const
    {
        return Size == other.Size && Items == other.Items;
    }
    bool operator!=(const TQRPage& other) const { return !(*this == other); }
};

// The one way a page reaches a device: the preview, the printer, PDF files and
// pictures all paint through here. The page fills `target`, in the painter's
// coordinates.
void PaintPage(QPainter& painter, const TQRPage& page, const QRectF& target);

// Paints pages `first` to `last` (0-based, inclusive) on a printer or a PDF writer, one
// sheet each, of the size and orientation the device is set to: each page whole, as
// large as the sheet holds it and centred on it, 1:1 on a sheet of its own size. Throws
// EReportError when the device cannot start.
void PrintPages(QPagedPaintDevice& device, const QVector<TQRPage>& pages, int first, int last);

} // namespace report
