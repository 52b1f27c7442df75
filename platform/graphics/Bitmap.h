#pragma once

#include "Graphic.h"

namespace graphics {

// A bitmap held at 24 bits per pixel, three bytes a pixel; its stream is a Windows BMP file image.
class TBitmap : public TGraphic
{
public:
    TBitmap() = default;
    explicit TBitmap(const QImage& image);

    bool Empty() const override { return m_image.isNull(); }
    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    QByteArray SaveToStream() const override;
    QImage ToImage() const override { return m_image; }
    std::unique_ptr<TGraphic> Clone() const override;

    // A size of 0 on either side leaves an empty bitmap; new pixels are white.
    void SetSize(int width, int height);
    void SetPixelFormat24();
    void Assign(const QImage& image);
    void Assign(const TBitmap& other) { m_image = other.m_image; }

    // Replaces the contents with a Windows BMP file image; an empty stream gives an
    // empty bitmap, anything that is not a bitmap throws EInvalidGraphic.
    void LoadFromStream(const QByteArray& bytes);
    void LoadFromFile(const QString& path);

    uchar* ScanLine(int row) { return m_image.scanLine(row); }
    const uchar* ScanLine(int row) const { return m_image.constScanLine(row); }

private:
    QImage m_image;
};

} // namespace graphics
