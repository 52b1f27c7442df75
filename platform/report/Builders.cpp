#include "Builders.h"

#include "QuickRep.h"

namespace report {

TQRFont MakeFont(const QString& family, double points, bool bold, bool underline)
{
    TQRFont font;
    font.Family = family;
    font.Points = points;
    font.Bold = bold;
    font.Underline = underline;
    return font;
}

TQRLabel* AddLabel(TQRBand* band, const QString& name, const QString& caption, double left,
                   double top, const TQRFont& font, const QColor& color)
{
    auto* label = band->Add<TQRLabel>(name);
    label->Left = left;
    label->Top = top;
    label->AutoSize = true;
    label->Caption = caption;
    label->Font = font;
    label->FontColor = color;
    return label;
}

TQRShape* AddShape(TQRBand* band, const QString& name, TShapeType shape, double left, double top,
                   double width, double height)
{
    auto* form = band->Add<TQRShape>(name);
    form->Shape = shape;
    form->Left = left;
    form->Top = top;
    form->SetWidth(width);
    form->Height = height;
    return form;
}

TQRDBText* AddWrappedText(TQRBand* band, const QString& name, double left, double top, double width,
                          double height, const TQRFont& font)
{
    auto* text = band->Add<TQRDBText>(name);
    text->Left = left;
    text->Top = top;
    text->SetWidth(width);
    text->Height = height;
    text->Font = font;
    text->WordWrap = true;
    text->AutoStretch = true;
    return text;
}

} // namespace report
