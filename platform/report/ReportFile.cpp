#include "ReportFile.h"

#include "ReportError.h"

#include <QFile>
#include <QHash>
#include <QIODevice>
#include <QSaveFile>
#include <QVarLengthArray>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstring>

namespace report {

namespace {

constexpr char kMagic[8] = {'D', 'M', 'V', '-', 'Q', 'R', 'P', '\x1A'};
constexpr int kHeaderSize = 8 + 2 + 2 + 4 + 4;
constexpr quint32 kNoImage = 0xFFFFFFFFu;
// The smallest item on file: kind, empty name, four places and a colour.
constexpr quint32 kMinItemBytes = 1 + 4 + 4 * 8 + 4;
// The longest family name worth reading: longer ones are none of the reports'.
constexpr quint32 kMaxFamilyName = 64;

const QString kForeign = QStringLiteral("El archivo no es un informe guardado.");
const QString kDamaged = QStringLiteral("El informe guardado está dañado o incompleto.");
const QString kTooNew =
    QStringLiteral("El informe guardado es de una versión más reciente del programa.");
const QString kTooBig = QStringLiteral("El informe es demasiado grande para guardarlo.");

[[noreturn]] void Damaged()
{
    throw EReportFileError(kDamaged);
}

// Eight bytes at a step ("slicing by eight"): a file is checked as fast as it is read.
quint32 Crc32(const QByteArray& bytes)
{
    using TTable = std::array<quint32, 256>;
    static const std::array<TTable, 8> tables = [] {
        std::array<TTable, 8> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][i] = c;
        }
        for (quint32 i = 0; i < 256; ++i)
            for (int k = 1; k < 8; ++k)
                t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    qsizetype left = bytes.size();
    for (; left >= 8; left -= 8, p += 8) {
        const quint32 low = crc ^ qFromLittleEndian<quint32>(p);
        const quint32 high = qFromLittleEndian<quint32>(p + 4);
        crc = tables[7][low & 0xFF] ^ tables[6][(low >> 8) & 0xFF] ^ tables[5][(low >> 16) & 0xFF] ^
              tables[4][low >> 24] ^ tables[3][high & 0xFF] ^ tables[2][(high >> 8) & 0xFF] ^
              tables[1][(high >> 16) & 0xFF] ^ tables[0][high >> 24];
    }
    for (; left > 0; --left, ++p)
        crc = tables[0][(crc ^ *p) & 0xFF] ^ (crc >> 8);
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
    QByteArrayView Bytes(quint32 limit)
    {
        const quint32 size = U32();
        if (size > limit)
            Damaged();
        return QByteArrayView(Take(size), qsizetype(size));
    }
    QString Text(quint32 limit) { return QString::fromUtf8(Bytes(limit)); }

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

// Names repeat on every row of every page: each is made once. A file of countless
// names has only the first few kept.
class TNames
{
public:
    QString Name(QByteArrayView bytes)
    {
        const QByteArray key = QByteArray::fromRawData(bytes.data(), bytes.size());
        const auto found = m_names.constFind(key);
        if (found != m_names.constEnd())
            return found.value();
        const QString name = QString::fromUtf8(bytes);
        if (m_names.size() < 256)
            m_names.insert(bytes.toByteArray(), name);
        return name;
    }

private:
    QHash<QByteArray, QString> m_names;
};

bool PlaceFits(double v)
{
    return std::isfinite(v) && std::fabs(v) <= kMaxPlace;
}

bool PageSizeFits(QSizeF size)
{
    // Exactly: QSizeF's own comparison lets sizes a little off pass.
    const double w = size.width();
    const double h = size.height();
    return (w == kPaperWidth && h == kPaperHeight) || (w == kPaperHeight && h == kPaperWidth);
}

// The fonts of the reports: their families, at sizes up to theirs, plain, bold or
// underlined.
bool FontFits(const TQRFont& font)
{
    return (font.Family == QLatin1String("Arial") ||
            font.Family == QLatin1String("Book Antiqua")) &&
           font.Points > 0 && font.Points <= kMaxFontPoints && !font.Italic;
}

// What an element of a saved page may be, whatever else the page holds.
bool ItemFits(const TPageItem& item)
{
    if (item.Kind < TItemKind::Fill || item.Kind > TItemKind::Image)
        return false;
    const QRectF& r = item.Rect;
    if (!PlaceFits(r.x()) || !PlaceFits(r.y()) || !PlaceFits(r.width()) || !PlaceFits(r.height()))
        return false;
    switch (item.Kind) {
    case TItemKind::Frame:
    case TItemKind::Line:
        return item.PenWidth >= 0 && item.PenWidth <= kMaxPenWidth &&
               item.PenStyle >= Qt::SolidLine && item.PenStyle <= Qt::DashDotDotLine;
    case TItemKind::Text:
        return PlaceFits(item.Baseline) && FontFits(item.Font);
    default:
        return true;
    }
}

// The fonts of a file's texts: few enough to be found by a walk.
using TFonts = QVarLengthArray<TQRFont, kMaxReportFonts + 1>;

// Adds up what a page holds, against what a saved page may hold; its fonts into those of
// the whole file.
class TPageTally
{
public:
    TPageTally(QSizeF size, TFonts& fonts)
        : m_inkLeft(kMaxPageInk * size.width() * size.height()), m_fonts(fonts)
    {
    }

    // False once the page holds more than it may.
    bool Add(const TPageItem& item)
    {
        const QRectF& r = item.Rect;
        const double dashed = item.PenStyle == Qt::SolidLine ? 1.0 : kDashedInk;
        switch (item.Kind) {
        case TItemKind::Fill:
            m_inkLeft -= std::fabs(r.width() * r.height());
            break;
        case TItemKind::Image:
            m_inkLeft -= kPictureInk * std::fabs(r.width() * r.height());
            break;
        case TItemKind::Frame:
            m_inkLeft -= dashed * Stroke(2 * (std::fabs(r.width()) + std::fabs(r.height())));
            break;
        case TItemKind::Line:
            m_inkLeft -= dashed * Stroke(std::hypot(r.width(), r.height()));
            break;
        case TItemKind::Text:
            m_textLeft -= item.Text.size();
            if (!m_fonts.contains(item.Font))
                m_fonts.append(item.Font);
            break;
        }
        return ++m_items <= kMaxPageItems && m_textLeft >= 0 && m_inkLeft >= 0 &&
               m_fonts.size() <= kMaxReportFonts;
    }

private:
    static double Stroke(double length) { return (length + kStrokeInk) * kStrokeInk; }

    double m_inkLeft;
    qint64 m_textLeft = kMaxPageText;
    TFonts& m_fonts;
    quint32 m_items = 0;
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
    const QByteArrayView packed = in.Bytes(kMaxReportBody);
    // qCompress puts the unpacked size first: check it before zlib allocates it.
    if (packed.size() < 4 || qFromBigEndian<quint32>(packed.data()) != quint32(pixels * 4))
        Damaged();
    const QByteArray raw =
        qUncompress(reinterpret_cast<const uchar*>(packed.data()), packed.size());
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

// The system's own words on a failure, after the cause in ours.
QString Detail(const QString& text)
{
    return QStringLiteral("\nDetalle técnico: ") + text;
}

[[noreturn]] void TooBig()
{
    throw EReportError(kTooBig);
}

// The body of a file of `pages`; with `checked`, only of pages that a saved report may
// hold, and refusing others.
QByteArray WriteBody(const QVector<TQRPage>& pages, bool checked)
{
    const auto beyond = [checked] {
        if (checked)
            TooBig();
    };
    if (quint32(pages.size()) > kMaxReportPages)
        beyond();
    // Pictures repeat on every page: each is kept once and named by its index.
    QVector<QImage> images;
    QHash<qint64, quint32> imageIndex;
    qint64 pixels = 0;
    for (const TQRPage& page : pages) {
        for (const TPageItem& item : page.Items) {
            if (item.Kind == TItemKind::Image && !item.Image.isNull() &&
                !imageIndex.contains(item.Image.cacheKey())) {
                imageIndex.insert(item.Image.cacheKey(), quint32(images.size()));
                images.append(item.Image);
                const qint64 size = qint64(item.Image.width()) * item.Image.height();
                pixels += size;
                if (size > kMaxImagePixels || pixels > kMaxTotalPixels ||
                    quint32(images.size()) > kMaxImages)
                    beyond();
            }
        }
    }

    TByteWriter out;
    out.U32(quint32(images.size()));
    for (const QImage& image : images)
        WriteImage(out, image);
    out.U32(quint32(pages.size()));
    qint64 items = 0;
    TFonts fonts;
    for (const TQRPage& page : pages) {
        items += page.Items.size();
        if (!PageSizeFits(page.Size) || items > kMaxReportItems)
            beyond();
        out.F64(page.Size.width());
        out.F64(page.Size.height());
        out.U32(quint32(page.Items.size()));
        TPageTally tally(page.Size, fonts);
        for (const TPageItem& item : page.Items) {
            const QByteArray name = item.Source.toUtf8();
            if (!ItemFits(item) || !tally.Add(item) || quint32(name.size()) > kMaxSourceName)
                beyond();
            out.U8(quint8(item.Kind));
            out.Blob(name);
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
        // Stops a body that grows past what may be saved before it takes more memory.
        if (out.Bytes.size() > qsizetype(kMaxReportBody))
            beyond();
    }
    if (out.Bytes.size() > qsizetype(kMaxReportBody))
        beyond();
    return out.Bytes;
}

// What ReadItem shares across the items of a file.
struct TItemContext
{
    const QVector<QImage>& Images;
    TNames Names;
};

TPageItem ReadItem(TByteReader& in, TItemContext& context)
{
    TPageItem item;
    const quint8 kind = in.U8();
    if (kind < quint8(TItemKind::Fill) || kind > quint8(TItemKind::Image))
        Damaged();
    item.Kind = TItemKind(kind);
    item.Source = context.Names.Name(in.Bytes(kMaxSourceName));
    const double x = in.F64();
    const double y = in.F64();
    const double w = in.F64();
    const double h = in.F64();
    item.Rect = QRectF(x, y, w, h);
    item.Color = QColor::fromRgba(in.U32());
    switch (item.Kind) {
    case TItemKind::Fill:
        break;
    case TItemKind::Frame:
    case TItemKind::Line: {
        item.PenWidth = in.F64();
        const quint8 style = in.U8();
        if (style < Qt::SolidLine || style > Qt::DashDotDotLine)
            Damaged();
        item.PenStyle = Qt::PenStyle(style);
        break;
    }
    case TItemKind::Text: {
        item.Baseline = in.F64();
        item.Font.Family = context.Names.Name(in.Bytes(kMaxFamilyName));
        item.Font.Points = in.F64();
        const quint8 flags = in.U8();
        if (flags > 7)
            Damaged();
        item.Font.Bold = flags & 1;
        item.Font.Italic = flags & 2;
        item.Font.Underline = flags & 4;
        item.Text = in.Text(quint32(kMaxPageText) * 3);
        break;
    }
    case TItemKind::Image: {
        const quint32 index = in.U32();
        if (index != kNoImage) {
            if (index >= quint32(context.Images.size()))
                Damaged();
            item.Image = context.Images.at(int(index));
        }
        break;
    }
    }
    if (!ItemFits(item))
        Damaged();
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
    if (pageCount > kMaxReportPages || qint64(pageCount) * 20 > in.Left())
        Damaged();
    QVector<TQRPage> pages;
    pages.reserve(int(pageCount));
    TItemContext context{images, {}};
    quint32 itemsLeft = kMaxReportItems;
    TFonts fonts;
    for (quint32 p = 0; p < pageCount; ++p) {
        TQRPage page;
        const double width = in.F64();
        const double height = in.F64();
        page.Size = QSizeF(width, height);
        const quint32 itemCount = in.U32();
        if (!PageSizeFits(page.Size) || itemCount > kMaxPageItems || itemCount > itemsLeft ||
            qint64(itemCount) * kMinItemBytes > in.Left())
            Damaged();
        itemsLeft -= itemCount;
        page.Items.reserve(int(itemCount));
        TPageTally tally(page.Size, fonts);
        for (quint32 i = 0; i < itemCount; ++i) {
            page.Items.append(ReadItem(in, context));
            if (!tally.Add(page.Items.last()))
                Damaged();
        }
        pages.append(std::move(page));
    }
    if (in.Left() != 0)
        Damaged();
    return pages;
}

} // namespace

QByteArray ReportFileBody(const QVector<TQRPage>& pages)
{
    return WriteBody(pages, false);
}

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

namespace {

// The bytes of a file of `pages`, header and body; refuses pages a saved report may not hold.
QByteArray FileBytes(const QVector<TQRPage>& pages)
{
    const QByteArray body = WriteBody(pages, true);
    return ReportFileHeader(body) + body;
}

} // namespace

void WriteReport(QIODevice& device, const QVector<TQRPage>& pages)
{
    const QByteArray bytes = FileBytes(pages);
    if (device.write(bytes) != bytes.size())
        throw EReportError(QStringLiteral("No se ha podido escribir el informe: puede que el "
                                          "disco esté lleno.") +
                           Detail(device.errorString()));
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
    if (version == 0 || flags != 0 || length > kMaxReportBody)
        Damaged();
    QByteArray body;
    if (!device.isSequential()) {
        if (device.bytesAvailable() < qint64(length))
            Damaged();
        body = device.read(length);
    }
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
    const QByteArray bytes = FileBytes(pages);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EReportError(QStringLiteral("No se puede crear el archivo '%1': puede que su "
                                          "carpeta no exista o sea de solo lectura.")
                               .arg(fileName) +
                           Detail(file.errorString()));
    // A full disk may take part of the bytes without a word: what reached the file is
    // counted before it takes the place of the one there.
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const qint64 size = file.size();
    if (!written || size != bytes.size() || !file.commit()) {
        const QString detail =
            written && size != bytes.size()
                ? QStringLiteral("solo se han escrito %1 de %2 bytes.").arg(size).arg(bytes.size())
                : file.errorString();
        throw EReportError(QStringLiteral("No se ha podido guardar el archivo '%1': puede que el "
                                          "disco esté lleno.")
                               .arg(fileName) +
                           Detail(detail));
    }
}

QVector<TQRPage> LoadReportFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EReportError(QStringLiteral("No se puede abrir el archivo '%1': puede que ya no "
                                          "exista o que no se pueda leer.")
                               .arg(fileName) +
                           Detail(file.errorString()));
    return ReadReport(file);
}

} // namespace report
