#pragma once

#include "Page.h"

#include <QFont>
#include <QString>
#include <QVector>

namespace report {

// The font a text is measured and drawn with: sized in pixels of the text
// resolution (kTextDpi), so that measures do not depend on the device.
QFont TextFont(const TQRFont& font);

struct TFontMetricsMm
{
    double Ascent = 0;
    double Descent = 0;
    double Height() const { return Ascent + Descent; }
};

TFontMetricsMm FontMetricsMm(const TQRFont& font);

// The width of one line of text, in millimetres.
double TextWidthMm(const QString& text, const TQRFont& font);

struct TTextLine
{
    QString Text;
    double Width = 0;      // millimetres, trailing blanks left out
    TShapedLinePtr Glyphs; // Text's glyphs, as measured
};

// The lines a text prints as in a box `widthMm` wide: its own line breaks and,
// with `wordWrap`, the breaks between words that keep every line in the box (a
// word longer than the box is cut). An empty text is no line at all. Each line
// keeps the glyphs it was measured with, for drawing.
// The glyphs of `text` printed on one line as it stands, as BreakLines shapes them;
// none when the text does not print as one line.
TShapedLinePtr ShapeLine(const QString& text, const TQRFont& font);

QVector<TTextLine> BreakLines(const QString& text, const TQRFont& font, double widthMm,
                              bool wordWrap);

} // namespace report
