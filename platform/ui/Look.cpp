#include "Look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QWidget>

namespace ui {

QColor ColorValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QFont FontByHeight(const QString& family, int height, bool bold)
{
    QFont font(family);
    font.setBold(bold);
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // The cell height includes the internal leading: shrink until the font's
        // line height fits it.
        int pixels = height;
        font.setPixelSize(pixels);
        while (pixels > 1 && QFontMetrics(font).height() > height)
            font.setPixelSize(--pixels);
    }
    return font;
}

QFont FontByPoints(const QString& family, int points, bool bold)
{
    QFont font(family, points);
    font.setBold(bold);
    return font;
}

void SetColors(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void PaintBackground(QWidget* widget, const QColor& background, const QColor& text)
{
    // Buttons and check boxes fill their background with the button colour.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(widget->backgroundRole(), background);
    if (text.isValid())
        palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextLook(QWidget* widget, int height, bool bold, const QColor& color, bool underline)
{
    QFont font = FontByHeight(QStringLiteral("MS Sans Serif"), height, bold);
    font.setUnderline(underline);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, DisabledTextColor());
    widget->setPalette(palette);
}

void SetListColors(QComboBox* combo, const QColor& background, const QColor& text)
{
    // A palette reaches neither the box's face, which the style shades, nor the
    // drop-down, a window of its own: a style sheet colours both exactly.
    const QString colors = QStringLiteral("background-color: %1; color: %2; "
                                          "selection-background-color: #000080; "
                                          "selection-color: white;")
                               .arg(background.name(), text.name());
    // With a border of its own the face is drawn flat, in the colour as given.
    combo->setStyleSheet(QStringLiteral("QComboBox { %1 border: 1px solid #808080; "
                                        "padding: 0px 2px; }"
                                        "QComboBox:disabled { color: %2; }"
                                        "QComboBox QAbstractItemView { %1 outline: 0; }")
                             .arg(colors, DisabledTextColor().name()));
}

void WidenDropDown(QComboBox* combo, int margin, int first)
{
    const QFontMetrics metrics(combo->font());
    int widest = 0;
    for (int i = first; i < combo->count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(combo->itemText(i)));
    combo->view()->setMinimumWidth(widest + margin);
}

} // namespace ui
