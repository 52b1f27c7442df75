#pragma once

#include "Graphic.h"

namespace graphics {

// A JPEG picture: keeps the file's bytes and the decoded pixels.
class TJPEGImage : public TGraphic
{
public:
    bool Empty() const override { return m_image.isNull(); }
    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    QByteArray SaveToStream() const override { return m_bytes; }
    QImage ToImage() const override { return m_image; }
    std::unique_ptr<TGraphic> Clone() const override;

    // Both throw EInvalidGraphic and leave the picture as it was when the bytes are no JPEG.
    void LoadFromStream(const QByteArray& bytes);
    void LoadFromFile(const QString& path);

private:
    QByteArray m_bytes;
    QImage m_image;
};

// The pixels of a JPEG file that comes with the program, or an empty image when the
// file is missing or damaged: what shows the picture still works without it.
QImage ReadJpegOrEmpty(const QString& path);

} // namespace graphics
