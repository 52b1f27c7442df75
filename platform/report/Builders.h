#pragma once

#include "Controls.h"

#include <QColor>
#include <QString>

namespace report {

class TQRBand;

// A report font by family and points.
TQRFont MakeFont(const QString& family, double points, bool bold = false, bool underline = false);

// A label as wide as its text, at `left`, `top` of its band.
TQRLabel* AddLabel(TQRBand* band, const QString& name, const QString& caption, double left,
                   double top, const TQRFont& font, const QColor& color = Qt::black);

// A shape in the box `left`, `top`, `width` x `height` of its band.
TQRShape* AddShape(TQRBand* band, const QString& name, TShapeType shape, double left, double top,
                   double width, double height);

// A data-bound text of `width` that wraps its words and grows downwards with them.
TQRDBText* AddWrappedText(TQRBand* band, const QString& name, double left, double top, double width,
                          double height, const TQRFont& font);

} // namespace report
