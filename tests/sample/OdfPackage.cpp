#include "OdfPackage.h"

#include <QXmlStreamReader>
#include <QtEndian>
#include <zlib.h>

namespace testing {

namespace {

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfCentralDirectory = 0x06054b50;

quint16 U16(const QByteArray& b, qint64 at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

quint32 U32(const QByteArray& b, qint64 at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

QByteArray InflateRaw(const QByteArray& data, quint32 size, bool* ok)
{
    QByteArray out(int(size), '\0');
    z_stream stream{};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    *ok = inflateInit2(&stream, -MAX_WBITS) == Z_OK;
    if (*ok) {
        *ok = inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.total_out == size;
        inflateEnd(&stream);
    }
    return out;
}

} // namespace

OdfPackage::OdfPackage(const QByteArray& bytes) : m_bytes(bytes)
{
    ParseCentralDirectory();
    if (!m_errors.isEmpty())
        m_entries.clear();
}

void OdfPackage::ParseCentralDirectory()
{
    const qint64 n = m_bytes.size();
    qint64 end = -1;
    for (qint64 at = n - 22; at >= 0 && at >= n - 22 - 0xFFFF; --at) {
        if (U32(m_bytes, at) == kEndOfCentralDirectory) {
            end = at;
            break;
        }
    }
    if (end < 0) {
        m_errors << QStringLiteral("no end-of-central-directory record");
        return;
    }
    const int count = U16(m_bytes, end + 10);
    qint64 at = U32(m_bytes, end + 16);
    for (int i = 0; i < count; ++i) {
        if (at + 46 > end || U32(m_bytes, at) != kCentralHeader) {
            m_errors << QStringLiteral("central directory entry %1 damaged").arg(i);
            return;
        }
        ZipEntry e;
        e.method = U16(m_bytes, at + 10);
        e.crc = U32(m_bytes, at + 16);
        e.compressedSize = U32(m_bytes, at + 20);
        e.size = U32(m_bytes, at + 24);
        const int nameLength = U16(m_bytes, at + 28);
        const int skip = U16(m_bytes, at + 30) + U16(m_bytes, at + 32);
        e.localOffset = U32(m_bytes, at + 42);
        e.name = QString::fromUtf8(m_bytes.mid(at + 46, nameLength));
        at += 46 + nameLength + skip;

        const qint64 local = e.localOffset;
        if (local + 30 > n || U32(m_bytes, local) != kLocalHeader ||
            U16(m_bytes, local + 8) != e.method ||
            m_bytes.mid(local + 30, U16(m_bytes, local + 26)) != e.name.toUtf8()) {
            m_errors << QStringLiteral("local header of %1 does not match").arg(e.name);
            return;
        }
        e.localExtraLength = U16(m_bytes, local + 28);
        if (local + 30 + nameLength + e.localExtraLength + e.compressedSize > n) {
            m_errors << QStringLiteral("data of %1 runs past the end").arg(e.name);
            return;
        }
        m_entries << e;
    }
}

bool OdfPackage::Has(const QString& name) const
{
    for (const ZipEntry& e : m_entries)
        if (e.name == name)
            return true;
    return false;
}

QByteArray OdfPackage::Read(const QString& name)
{
    for (const ZipEntry& e : std::as_const(m_entries)) {
        if (e.name != name)
            continue;
        const qint64 start =
            qint64(e.localOffset) + 30 + e.name.toUtf8().size() + e.localExtraLength;
        const QByteArray raw = m_bytes.mid(start, e.compressedSize);
        bool ok = true;
        QByteArray data;
        if (e.method == 0)
            data = raw;
        else if (e.method == 8)
            data = InflateRaw(raw, e.size, &ok);
        else
            ok = false;
        const quint32 crc =
            quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
        if (!ok || quint32(data.size()) != e.size || crc != e.crc) {
            m_errors << QStringLiteral("%1 cannot be read or fails its CRC").arg(name);
            return QByteArray();
        }
        return data;
    }
    m_errors << QStringLiteral("%1 missing").arg(name);
    return QByteArray();
}

QString OdfPackage::PlainText(const QByteArray& xml, QString* error)
{
    QString text;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) {
            text += reader.text();
        } else if (reader.isStartElement()) {
            const QStringView name = reader.qualifiedName();
            if (name == u"text:s")
                text += QString(qMax(1, reader.attributes().value("text:c").toInt()), u' ');
            else if (name == u"text:line-break" || name == u"text:tab")
                text += u' ';
        } else if (reader.isEndElement()) {
            const QStringView name = reader.qualifiedName();
            if (name == u"text:p" || name == u"text:h")
                text += u'\n';
        }
    }
    if (reader.hasError() && error)
        *error = reader.errorString();
    return text;
}

} // namespace testing
