#include "BmpFormat.h"

#include "GraphicError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <array>
#include <cstring>

namespace graphics {

namespace {

// The file header and the longest info header read here (14 + 40 bytes), copied out
// of the file and padded with zeros, so that every field is read from an array of
// known length, whatever the file's.
using Header = std::array<uchar, 14 + 40>;

Header HeaderOf(const QByteArray& bytes)
{
    Header header{};
    const qsizetype length = qMin(bytes.size(), qsizetype(header.size()));
    if (length > 0)
        memcpy(header.data(), bytes.constData(), size_t(length));
    return header;
}

quint32 U32(const Header& h, size_t at)
{
    return qFromLittleEndian<quint32>(h.data() + at);
}
qint32 I32(const Header& h, size_t at)
{
    return qFromLittleEndian<qint32>(h.data() + at);
}
quint16 U16(const Header& h, size_t at)
{
    return qFromLittleEndian<quint16>(h.data() + at);
}

[[noreturn]] void Invalid()
{
    throw EInvalidGraphic(QStringLiteral("La imagen no es un mapa de bits válido."));
}

// A file cut short, or whose pixel data ends before its last row.
[[noreturn]] void Truncated()
{
    throw EInvalidGraphic(QStringLiteral("El mapa de bits está incompleto o dañado."));
}

const quint32 kRgb = 0;
const quint32 kRle8 = 1;
const quint32 kRle4 = 2;
const quint32 kBitfields = 3;
const quint32 kAlphaBitfields = 6;

// Run-length coded rows, bottom row first, decoded here rather than by Qt, whose
// decoder leaves the pixels that end-of-line and delta codes skip, or that a short
// file lacks, as whatever the memory held. Skipped pixels take colour 0; a file
// that ends before its last row is refused.
QImage ReadRle(const QByteArray& bytes, qint64 palette, int colors, qint64 pos, int width,
               int height, int bits)
{
    QList<QRgb> table;
    for (int i = 0; i < colors; ++i) {
        const qint64 at = palette + 4 * i;
        table << qRgb(uchar(bytes.at(at + 2)), uchar(bytes.at(at + 1)), uchar(bytes.at(at)));
    }
    // An index past the file's table shows black.
    while (table.size() < 256)
        table << qRgb(0, 0, 0);
    QImage image(width, height, QImage::Format_Indexed8);
    if (image.isNull())
        Invalid();
    image.setColorTable(table);
    image.fill(0);

    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 size = bytes.size();
    int x = 0;
    int y = height - 1;
    auto put = [&](int index) {
        if (x >= 0 && x < width && y >= 0)
            image.scanLine(y)[x] = uchar(index);
        ++x;
    };
    auto pixel = [&](const uchar* run, int i) {
        return bits == 8 ? run[i] : (i % 2 ? run[i / 2] & 0x0F : run[i / 2] >> 4);
    };
    while (y >= 0) {
        if (pos + 2 > size)
            Truncated();
        const int count = data[pos];
        const int code = data[pos + 1];
        pos += 2;
        if (count > 0) {
            // A run repeats one index, or with four bits two alternating ones.
            for (int i = 0; i < count; ++i)
                put(bits == 8 ? code : (i % 2 ? code & 0x0F : code >> 4));
        } else if (code == 0) {
            x = 0;
            --y;
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (pos + 2 > size)
                Truncated();
            x += data[pos];
            y -= data[pos + 1];
            pos += 2;
        } else {
            const qint64 length = bits == 8 ? code : (code + 1) / 2;
            if (pos + length > size)
                Truncated();
            for (int i = 0; i < code; ++i)
                put(pixel(data + pos, i));
            pos += (length + 1) & ~qint64(1);
        }
    }
    return image;
}

} // namespace

void CheckDimensions(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        throw EInvalidGraphic(QStringLiteral("La imagen no tiene un tamaño válido."));
    if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        throw EInvalidGraphic(TooLargeMessage(width, height));
}

QString TooLargeMessage(qint64 width, qint64 height)
{
    return QStringLiteral("La imagen es demasiado grande (%1 x %2 píxeles).")
        .arg(width)
        .arg(height);
}

QImage ReadBmp(const QByteArray& bytes)
{
    // Check the headers ourselves so that a damaged file never reaches the decoder
    // with sizes it would trust.
    const Header header = HeaderOf(bytes);
    if (bytes.size() < 26 || header[0] != 'B' || header[1] != 'M')
        Invalid();
    const quint32 dataOffset = U32(header, 10);
    const quint32 infoSize = U32(header, 14);
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = kRgb;
    quint32 colorsUsed = 0;
    bool topDown = false;
    if (infoSize == 12) {
        width = U16(header, 18);
        height = U16(header, 20);
        bitCount = U16(header, 24);
    } else if (infoSize >= 40 && bytes.size() >= 14 + 40) {
        width = I32(header, 18);
        height = I32(header, 22);
        bitCount = U16(header, 28);
        compression = U32(header, 30);
        colorsUsed = U32(header, 46);
        if (height < 0) {
            height = -height;
            topDown = true;
        }
    } else {
        Invalid();
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        Invalid();
    CheckDimensions(width, height);
    if (dataOffset < 14 + infoSize)
        Invalid();
    if (dataOffset > quint32(bytes.size()))
        Truncated();

    // Where the pixels start: after the colour table or the colour masks, or further
    // on when the file header says so.
    const bool bitfields = compression == kBitfields || compression == kAlphaBitfields;
    qint64 colors = 0;
    if (bitCount <= 8) {
        colors = colorsUsed ? qint64(colorsUsed) : qint64(1) << bitCount;
        if (colors > 256)
            Invalid();
    }
    qint64 tables = colors * (infoSize == 12 ? 3 : 4);
    if (bitfields && infoSize < 108)
        tables += compression == kAlphaBitfields ? 16 : 12;
    const qint64 pixels = qMax(qint64(dataOffset), 14 + qint64(infoSize) + tables);
    if (pixels > bytes.size())
        Truncated();

    if (compression == kRle8 || compression == kRle4) {
        if (topDown || bitCount != (compression == kRle8 ? 8 : 4))
            Invalid();
        return ReadRle(bytes, 14 + qint64(infoSize), int(colors), pixels, int(width), int(height),
                       bitCount);
    }
    if (compression != kRgb && !bitfields)
        Invalid();
    // The decoder leaves the rows a short file lacks as whatever the memory held.
    const qint64 stride = (width * bitCount + 31) / 32 * 4;
    if (bytes.size() - pixels < stride * height)
        Truncated();

    // The toolkit refuses a picture whose pixels, counted at 32 bits whatever the
    // file's depth, pass its allocation limit (128 MB by default): less than the
    // sizes checked above, so a valid bitmap within them would read as no bitmap.
    const int needed = int(kMaxPixels * 4 / (1024 * 1024));
    if (QImageReader::allocationLimit() != 0 && QImageReader::allocationLimit() < needed)
        QImageReader::setAllocationLimit(needed);
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
