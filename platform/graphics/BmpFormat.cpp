#include "BmpFormat.h"

#include "GraphicError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

namespace graphics {

namespace {

quint32 U32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
qint32 I32(const QByteArray& b, int at) { return qFromLittleEndian<qint32>(b.constData() + at); }
quint16 U16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

[[noreturn]] void Invalid()
{
    throw EInvalidGraphic(QStringLiteral("La imagen no es un mapa de bits válido."));
}

} // namespace

void CheckDimensions(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        throw EInvalidGraphic(QStringLiteral("La imagen no tiene un tamaño válido."));
    if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        throw EInvalidGraphic(QStringLiteral("La imagen es demasiado grande (%1 x %2 píxeles).")
                                  .arg(width)
                                  .arg(height));
}

QImage ReadBmp(const QByteArray& bytes)
{
    // Check the headers ourselves so that a damaged file never reaches the decoder
    // with sizes it would trust.
    if (bytes.size() < 26 || bytes.at(0) != 'B' || bytes.at(1) != 'M')
        Invalid();
    const quint32 dataOffset = U32(bytes, 10);
    const quint32 infoSize = U32(bytes, 14);
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        width = U16(bytes, 18);
        height = U16(bytes, 20);
        bitCount = U16(bytes, 24);
    } else if (infoSize >= 40 && bytes.size() >= 14 + 40) {
        width = I32(bytes, 18);
        height = I32(bytes, 22);
        bitCount = U16(bytes, 28);
        compression = U32(bytes, 30);
        if (height < 0)
            height = -height;
    } else {
        Invalid();
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        Invalid();
    CheckDimensions(width, height);
    if (dataOffset < 14 + infoSize || dataOffset > quint32(bytes.size()))
        Invalid();
    // Uncompressed rows must all be there: the decoder would fill missing ones silently.
    const bool uncompressed = compression == 0 || compression == 3;
    const qint64 rowBytes = ((width * bitCount + 31) / 32) * 4;
    if (uncompressed && qint64(dataOffset) + rowBytes * height > bytes.size())
        Invalid();

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        Invalid();
    return image;
}

QByteArray WriteBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        throw EInvalidGraphic(QStringLiteral("No se ha podido guardar el mapa de bits."));
    return bytes;
}

} // namespace graphics
