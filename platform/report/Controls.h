#pragma once

#include "Page.h"
#include "TextMetrics.h"
#include "Units.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QVector>
#include <functional>
#include <memory>

namespace report {

class TQRBand;
class TQRDataSource;

// The sides of a label's frame and the pen they are drawn with.
struct TFrame
{
    bool Top = false;
    bool Bottom = false;
    bool Left = false;
    bool Right = false;
    QColor Color = Qt::black;
    double Width = PxToMm(1);
    Qt::PenStyle Style = Qt::SolidLine;

    void SetAll(bool on) { Top = Bottom = Left = Right = on; }
    bool Any() const { return Top || Bottom || Left || Right; }
};

// An element of a band. Places are millimetres from the band's top-left corner.
class TQRControl : public QObject
{
    Q_OBJECT
public:
    TQRControl(TQRBand* band, const QString& name);

    TQRBand* Band() const;

    double Left = 0;
    double Top = 0;
    double Height = 0;
    bool Enabled = true; // a disabled element does not print

    virtual double Width() const { return m_width; }
    void SetWidth(double width) { m_width = width; }

    // Called once each time the band prints, before PrintHeight and Emit.
    virtual void BeforeBandPrint() {}
    // The height the element takes in this printing of its band.
    virtual double PrintHeight() const { return Height; }
    // Appends the element's drawing, in band coordinates.
    virtual void Emit(QVector<TPageItem>& out) const = 0;

protected:
    double m_width = 0;
};

// What labels and data-bound texts share: a text in a font, on a background,
// in a frame, sized to its text or wrapped in its width.
class TQRCustomLabel : public TQRControl
{
    Q_OBJECT
public:
    TQRCustomLabel(TQRBand* band, const QString& name);

    TQRFont Font;
    QColor FontColor = Qt::black;
    QColor Color = Qt::white;
    bool Transparent = false;
    Qt::Alignment Alignment = Qt::AlignLeft;
    bool AutoSize = false;    // as wide as its text
    bool WordWrap = false;    // breaks between words to stay in its width
    bool AutoStretch = false; // grows downwards with its lines (and the band with it)
    bool ShrinkToFit = false; // a line wider than its width prints smaller, on one line
    TFrame Frame;

    double Width() const override;
    double PrintHeight() const override;
    void Emit(QVector<TPageItem>& out) const override;

    // The text as it prints now.
    virtual QString Text() const = 0;

    // Drops the texts measured so far; they are otherwise kept while the element lives.
    void ForgetMeasures() const;

protected:
    // The text's lines. A text is measured once: the counting pass and the
    // preview's run print the same rows, and the second finds them measured.
    const QVector<TTextLine>& Lines() const;

private:
    mutable QHash<QString, QVector<TTextLine>> m_measured;
    mutable const QVector<TTextLine>* m_lines = nullptr;
    mutable QString m_linesText;
    mutable TQRFont m_measuredFont;
    mutable double m_measuredWidth = -1;
    mutable bool m_measuredWrap = false;
};

class TQRLabel : public TQRCustomLabel
{
    Q_OBJECT
public:
    TQRLabel(TQRBand* band, const QString& name);

    QString Caption;
    QString Text() const override { return Caption; }
};

// A text that prints a column of the current row of its data source.
class TQRDBText : public TQRCustomLabel
{
    Q_OBJECT
public:
    TQRDBText(TQRBand* band, const QString& name);

    std::shared_ptr<TQRDataSource> DataSet;
    QString DataField;
    // Runs each time the text prints, before the other elements of its band;
    // it may change the value that prints.
    std::function<void(TQRDBText& sender, QString& value)> OnPrint;

    void BeforeBandPrint() override;
    QString Text() const override { return m_value; }

private:
    QString m_value;
};

enum class TShapeType
{
    Rectangle,
    HorLine,
    VertLine,
    TopAndBottom,
    RightAndLeft
};

class TQRShape : public TQRControl
{
    Q_OBJECT
public:
    TQRShape(TQRBand* band, const QString& name);

    TShapeType Shape = TShapeType::Rectangle;
    QColor PenColor = Qt::black;
    double PenWidth = PxToMm(1);
    Qt::PenStyle PenStyle = Qt::SolidLine;
    QColor BrushColor = Qt::transparent;

    void Emit(QVector<TPageItem>& out) const override;
};

class TQRImage : public TQRControl
{
    Q_OBJECT
public:
    TQRImage(TQRBand* band, const QString& name);

    QImage Picture;
    // Stretched to the element's box; otherwise at its own size (96 pixels per
    // inch) from the top-left corner, cut where it leaves the box.
    bool Stretch = false;

    void Emit(QVector<TPageItem>& out) const override;

private:
    mutable QImage m_printed;
    mutable qint64 m_printedKey = 0;
    mutable QSizeF m_printedFor;
};

} // namespace report
