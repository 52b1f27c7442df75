#include "JpegImage.h"

#include "GraphicError.h"
#include "JpegDecoder.h"

#include <QFile>

namespace graphics {

std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    return std::make_unique<TJPEGImage>(*this);
}

void TJPEGImage::LoadFromStream(const QByteArray& bytes)
{
    QImage image = DecodeJpeg(bytes);
    m_bytes = bytes;
    m_image = image;
}

void TJPEGImage::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(QStringLiteral("No se puede abrir el archivo '%1'.").arg(path));
    LoadFromStream(file.readAll());
}

QImage ReadJpegOrEmpty(const QString& path)
{
    TJPEGImage jpeg;
    try {
        jpeg.LoadFromFile(path);
    } catch (const EInvalidGraphic&) {
        return QImage();
    }
    return jpeg.ToImage();
}

} // namespace graphics
