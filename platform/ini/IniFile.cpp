#include "IniFile.h"

#include <QFile>
#include <QStringDecoder>
#include <ini.h>

namespace {

QString KeyOf(const QString& section, const QString& key)
{
    return section.trimmed().toLower() + QLatin1Char('\n') + key.trimmed().toLower();
}

// Windows-1252 where it differs from Latin-1 (0x80 to 0x9F); the five bytes it
// leaves undefined stand for themselves, as Windows reads them.
const char16_t kWindows1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Text as UTF-8 when it is valid UTF-8, else as Windows-1252: Windows editors save
// an ini file in the system's code page unless told otherwise. The whole text must be
// valid: a decoder takes a last byte that opens a sequence (the ñ of "\datosñ" in
// Windows-1252) for one that goes on in the next chunk, and reports no error.
QString Decoded(const char* text)
{
    const QByteArray bytes(text ? text : "");
    if (bytes.isValidUtf8())
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
            .decode(bytes);
    QString windows(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes.at(i));
        windows[i] = c >= 0x80 && c < 0xA0 ? QChar(kWindows1252[c - 0x80]) : QChar(c);
    }
    return windows;
}

int Store(void* user, const char* section, const char* name, const char* value)
{
    auto* values = static_cast<QHash<QString, QString>*>(user);
    if (!name)
        return 1;
    const QString key = KeyOf(Decoded(section), Decoded(name));
    if (!values->contains(key))
        values->insert(key, Decoded(value).trimmed());
    return 1;
}

} // namespace

TIniFile::TIniFile(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        Parse(file.readAll());
}

TIniFile TIniFile::FromBytes(const QByteArray& text)
{
    TIniFile ini;
    ini.Parse(text);
    return ini;
}

void TIniFile::Parse(const QByteArray& text)
{
    // Windows reads a line indented with blanks as a key of its own (inih would take
    // it as the previous value's continuation), keeps a ";" inside a value, and
    // reads a path of any length the file system allows.
    ini_allow_multiline = false;
    ini_allow_inline_comments = false;
    ini_use_stack = false;
    ini_allow_realloc = true;
    ini_max_line = 64 * 1024;

    // ini_parse_string wants a NUL-terminated string; a stray NUL just ends the text.
    const QByteArray copy(text.constData(), qstrnlen(text.constData(), size_t(text.size())));
    ini_parse_string(copy.constData(), Store, &m_values);
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const
{
    return m_values.value(KeyOf(section, key), defaultValue);
}
