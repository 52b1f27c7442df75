#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QComboBox;
class QWidget;

namespace ui {

// Colour values with red in the lowest byte, then green, then blue.
QColor ColorValue(quint32 value);

inline QColor Navy()
{
    return QColor(0, 0, 128);
}
// 13665296: the panels, group boxes and radio groups of the work windows.
inline QColor PanelColor()
{
    return ColorValue(13665296);
}
// The light blue of the active caption's gradient, as the desktop draws it: the
// panels of the performance-indicator windows.
inline QColor GradientActiveCaption()
{
    return QColor(185, 209, 234);
}
// 16744576: a few lists.
inline QColor ListColor()
{
    return ColorValue(16744576);
}

// A font by the windowing library's height: negative is the character height in
// pixels, positive the cell height (internal leading included).
QFont FontByHeight(const QString& family, int height, bool bold = false);
QFont FontByPoints(const QString& family, int points, bool bold = false);

// Paints a widget's background with a solid colour and its texts in another.
void SetColors(QWidget* widget, const QColor& background, const QColor& text = Qt::white);

// Paints a widget's background (and its texts, when a colour is given) without
// touching its children's look: buttons and edit boxes keep their own colours.
void PaintBackground(QWidget* widget, const QColor& background, const QColor& text = QColor());

// The grey of disabled texts, as the desktop the windows were designed for draws them.
inline QColor DisabledTextColor()
{
    return QColor(128, 128, 128);
}

// A text's font in "MS Sans Serif" by the windowing library's height, and its colour;
// disabled, the text turns grey.
void SetTextLook(QWidget* widget, int height, bool bold = true, const QColor& color = Qt::white,
                 bool underline = false);

// A list coloured by its window: the box and its open drop-down both drawn in
// `background` with `text`, the chosen item readable in white on navy, and the
// texts grey while the list is disabled. The font stays the widget's own.
void SetListColors(QComboBox* combo, const QColor& background, const QColor& text = Qt::white);

// The lookup lists' drop-down: as wide as the widest item from `first` on in the combo's
// own font plus `margin` pixels.
void WidenDropDown(QComboBox* combo, int margin, int first = 0);

} // namespace ui
