#include "ReportFile.h"

#include "ReportError.h"

#include <QFile>
#include <QHash>
#include <QIODevice>
#include <QSaveFile>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstring>

namespace report {

namespace {

constexpr char kMagic[8] = {'D', 'M', 'V', '-', 'Q', 'R', 'P', '\x1A'};
constexpr int kHeaderSize = 8 + 2 + 2 + 4 + 4;
constexpr quint32 kMaxBody = 256u * 1024 * 1024;
constexpr quint32 kMaxImages = 1024;
constexpr qint64 kMaxImagePixels = 4096LL * 4096;
constexpr qint64 kMaxTotalPixels = 32LL * 1024 * 1024;
constexpr quint32 kMaxPages = 100000;
constexpr quint32 kMaxText = 1024 * 1024;
constexpr double kMaxPlace = 100000.0;
constexpr quint32 kNoImage = 0xFFFFFFFFu;
// The smallest item on file: kind, empty name, four places and a colour.
constexpr quint32 kMinItemBytes = 1 + 4 + 4 * 8 + 4;

const QString kForeign = QStringLiteral("El archivo no es un informe guardado.");
const QString kDamaged = QStringLiteral("El informe guardado está dañado o incompleto.");
const QString kTooNew =
    QStringLiteral("El informe guardado es de una versión más reciente del programa.");

[[noreturn]] void Damaged()
{
    throw EReportFileError(kDamaged);
}

quint32 Crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

class TByteWriter
{
public:
    QByteArray Bytes;

    void U8(quint8 v) { Bytes.append(char(v)); }
    void U16(quint16 v)
    {
        char b[2];
        qToBigEndian(v, b);
        Bytes.append(b, 2);
    }
    void U32(quint32 v)
    {
        char b[4];
        qToBigEndian(v, b);
        Bytes.append(b, 4);
    }
    void F64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        char b[8];
        qToBigEndian(bits, b);
        Bytes.append(b, 8);
    }
    void Blob(const QByteArray& data)
    {
        U32(quint32(data.size()));
        Bytes.append(data);
    }
    void Text(const QString& text) { Blob(text.toUtf8()); }
};

class TByteReader
{
public:
    explicit TByteReader(const QByteArray& bytes) : m_data(bytes.constData()), m_left(bytes.size())
    {
    }

    qsizetype Left() const { return m_left; }

    quint8 U8() { return quint8(*Take(1)); }
    quint32 U32() { return qFromBigEndian<quint32>(Take(4)); }
    double F64()
    {
        const quint64 bits = qFromBigEndian<quint64>(Take(8));
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    double Place()
    {
        const double v = F64();
        if (!std::isfinite(v) || std::fabs(v) > kMaxPlace)
            Damaged();
        return v;
    }
    QByteArray Blob(quint32 limit)
    {
        const quint32 size = U32();
        if (size > limit)
            Damaged();
        const char* p = Take(size);
        return QByteArray(p, qsizetype(size));
    }
    QString Text() { return QString::fromUtf8(Blob(kMaxText)); }

private:
    const char* Take(qsizetype n)
    {
        if (n < 0 || n > m_left)
            Damaged();
        const char* p = m_data;
        m_data += n;
        m_left -= n;
        return p;
    }

    const char* m_data;
    qsizetype m_left;
};

void WriteImage(TByteWriter& out, const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray pixels;
    pixels.resize(qsizetype(argb.width()) * argb.height() * 4);
    char* p = pixels.data();
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x, p += 4)
            qToBigEndian(line[x], p);
    }
    out.U32(quint32(argb.width()));
    out.U32(quint32(argb.height()));
    out.Blob(qCompress(pixels));
}

QImage ReadImage(TByteReader& in, qint64& pixelsLeft)
{
    const quint32 width = in.U32();
    const quint32 height = in.U32();
    if (width == 0 || height == 0 || width > 65535 || height > 65535)
        Damaged();
    const qint64 pixels = qint64(width) * height;
    if (pixels > kMaxImagePixels || pixels > pixelsLeft)
        Damaged();
    pixelsLeft -= pixels;
    const QByteArray packed = in.Blob(kMaxBody);
    // qCompress puts the unpacked size first: check it before zlib allocates it.
    if (packed.size() < 4 || qFromBigEndian<quint32>(packed.constData()) != quint32(pixels * 4))
        Damaged();
    const QByteArray raw = qUncompress(packed);
    if (raw.size() != pixels * 4)
        Damaged();
    QImage image(int(width), int(height), QImage::Format_ARGB32);
    if (image.isNull())
        Damaged();
    const char* p = raw.constData();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, p += 4)
            line[x] = qFromBigEndian<quint32>(p);
    }
    return image;
}

quint8 FontFlags(const TQRFont& font)
{
    return quint8((font.Bold ? 1 : 0) | (font.Italic ? 2 : 0) | (font.Underline ? 4 : 0));
}

QByteArray WriteBody(const QVector<TQRPage>& pages)
{
    // Pictures repeat on every page: each is kept once and named by its index.
    QVector<QImage> images;
    QHash<qint64, quint32> imageIndex;
    for (const TQRPage& page : pages) {
        for (const TPageItem& item : page.Items) {
            if (item.Kind == TItemKind::Image && !item.Image.isNull() &&
                !imageIndex.contains(item.Image.cacheKey())) {
                imageIndex.insert(item.Image.cacheKey(), quint32(images.size()));
                images.append(item.Image);
            }
        }
    }

    TByteWriter out;
    out.U32(quint32(images.size()));
    for (const QImage& image : images)
        WriteImage(out, image);
    out.U32(quint32(pages.size()));
    for (const TQRPage& page : pages) {
        out.F64(page.Size.width());
        out.F64(page.Size.height());
        out.U32(quint32(page.Items.size()));
        for (const TPageItem& item : page.Items) {
            out.U8(quint8(item.Kind));
            out.Text(item.Source);
            out.F64(item.Rect.x());
            out.F64(item.Rect.y());
            out.F64(item.Rect.width());
            out.F64(item.Rect.height());
            out.U32(item.Color.rgba());
            switch (item.Kind) {
            case TItemKind::Fill:
                break;
            case TItemKind::Frame:
            case TItemKind::Line:
                out.F64(item.PenWidth);
                out.U8(quint8(item.PenStyle));
                break;
            case TItemKind::Text:
                out.F64(item.Baseline);
                out.Text(item.Font.Family);
                out.F64(item.Font.Points);
                out.U8(FontFlags(item.Font));
                out.Text(item.Text);
                break;
            case TItemKind::Image:
                out.U32(item.Image.isNull() ? kNoImage : imageIndex.value(item.Image.cacheKey()));
                break;
            }
        }
    }
    return out.Bytes;
}

TPageItem ReadItem(TByteReader& in, const QVector<QImage>& images)
{
    TPageItem item;
    const quint8 kind = in.U8();
    if (kind < quint8(TItemKind::Fill) || kind > quint8(TItemKind::Image))
        Damaged();
    item.Kind = TItemKind(kind);
    item.Source = in.Text();
    const double x = in.Place();
    const double y = in.Place();
    const double w = in.Place();
    const double h = in.Place();
    item.Rect = QRectF(x, y, w, h);
    item.Color = QColor::fromRgba(in.U32());
    switch (item.Kind) {
    case TItemKind::Fill:
        break;
    case TItemKind::Frame:
    case TItemKind::Line: {
        item.PenWidth = in.Place();
        const quint8 style = in.U8();
        if (item.PenWidth < 0 || style < Qt::SolidLine || style > Qt::DashDotDotLine)
            Damaged();
        item.PenStyle = Qt::PenStyle(style);
        break;
    }
    case TItemKind::Text: {
        item.Baseline = in.Place();
        item.Font.Family = in.Text();
        item.Font.Points = in.Place();
        const quint8 flags = in.U8();
        if (item.Font.Points <= 0 || item.Font.Points > 1000 || flags > 7)
            Damaged();
        item.Font.Bold = flags & 1;
        item.Font.Italic = flags & 2;
        item.Font.Underline = flags & 4;
        item.Text = in.Text();
        break;
    }
    case TItemKind::Image: {
        const quint32 index = in.U32();
        if (index != kNoImage) {
            if (index >= quint32(images.size()))
                Damaged();
            item.Image = images.at(int(index));
        }
        break;
    }
    }
    return item;
}

QVector<TQRPage> ReadBody(const QByteArray& body)
{
    TByteReader in(body);
    const quint32 imageCount = in.U32();
    if (imageCount > kMaxImages)
        Damaged();
    QVector<QImage> images;
    images.reserve(int(imageCount));
    qint64 pixelsLeft = kMaxTotalPixels;
    for (quint32 i = 0; i < imageCount; ++i)
        images.append(ReadImage(in, pixelsLeft));

    const quint32 pageCount = in.U32();
    // A page takes at least its size and item count on file.
    if (pageCount > kMaxPages || qint64(pageCount) * 20 > in.Left())
        Damaged();
    QVector<TQRPage> pages;
    pages.reserve(int(pageCount));
    for (quint32 p = 0; p < pageCount; ++p) {
        TQRPage page;
        const double width = in.Place();
        const double height = in.Place();
        if (width <= 0 || height <= 0)
            Damaged();
        page.Size = QSizeF(width, height);
        const quint32 itemCount = in.U32();
        if (qint64(itemCount) * kMinItemBytes > in.Left())
            Damaged();
        page.Items.reserve(int(itemCount));
        for (quint32 i = 0; i < itemCount; ++i)
            page.Items.append(ReadItem(in, images));
        pages.append(std::move(page));
    }
    if (in.Left() != 0)
        Damaged();
    return pages;
}

} // namespace

QByteArray ReportFileHeader(const QByteArray& body)
{
    TByteWriter out;
    out.Bytes.append(kMagic, sizeof kMagic);
    out.U16(kReportFileVersion);
    out.U16(0);
    out.U32(quint32(body.size()));
    out.U32(Crc32(body));
    return out.Bytes;
}

void WriteReport(QIODevice& device, const QVector<TQRPage>& pages)
{
    const QByteArray body = WriteBody(pages);
    if (body.size() > qsizetype(kMaxBody))
        throw EReportError(QStringLiteral("El informe es demasiado grande para guardarlo."));
    const QByteArray bytes = ReportFileHeader(body) + body;
    if (device.write(bytes) != bytes.size())
        throw EReportError(
            QStringLiteral("No se ha podido escribir el informe: %1").arg(device.errorString()));
}

QVector<TQRPage> ReadReport(QIODevice& device)
{
    const QByteArray header = device.read(kHeaderSize);
    if (header.size() < qsizetype(sizeof kMagic) ||
        std::memcmp(header.constData(), kMagic, sizeof kMagic) != 0)
        throw EReportFileError(kForeign);
    if (header.size() < kHeaderSize)
        Damaged();
    const char* fields = header.constData() + sizeof kMagic;
    const quint16 version = qFromBigEndian<quint16>(fields);
    const quint16 flags = qFromBigEndian<quint16>(fields + 2);
    const quint32 length = qFromBigEndian<quint32>(fields + 4);
    const quint32 crc = qFromBigEndian<quint32>(fields + 8);
    if (version > kReportFileVersion)
        throw EReportFileError(kTooNew);
    if (version == 0 || flags != 0 || length > kMaxBody)
        Damaged();
    if (!device.isSequential() && device.bytesAvailable() < qint64(length))
        Damaged();

    QByteArray body;
    while (body.size() < qsizetype(length)) {
        const QByteArray chunk = device.read(qMin<qint64>(length - body.size(), 1 << 20));
        if (chunk.isEmpty() && !device.waitForReadyRead(0))
            Damaged();
        body.append(chunk);
    }
    if (!device.read(1).isEmpty() || Crc32(body) != crc)
        Damaged();
    return ReadBody(body);
}

void SaveReportFile(const QString& fileName, const QVector<TQRPage>& pages)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EReportError(QStringLiteral("No se puede crear el archivo '%1'.").arg(fileName));
    WriteReport(file, pages);
    if (!file.commit())
        throw EReportError(
            QStringLiteral("No se ha podido guardar el archivo '%1'.").arg(fileName));
}

QVector<TQRPage> LoadReportFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EReportError(QStringLiteral("No se puede abrir el archivo '%1'.").arg(fileName));
    return ReadReport(file);
}

} // namespace report
