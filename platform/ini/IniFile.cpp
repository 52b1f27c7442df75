#include "IniFile.h"

#include <QFile>
#include <ini.h>

namespace {

QString KeyOf(const QString& section, const QString& key)
{
    return section.trimmed().toLower() + QLatin1Char('\n') + key.trimmed().toLower();
}

int Store(void* user, const char* section, const char* name, const char* value)
{
    auto* values = static_cast<QHash<QString, QString>*>(user);
    if (!name)
        return 1;
    const QString key = KeyOf(QString::fromUtf8(section), QString::fromUtf8(name));
    if (!values->contains(key))
        values->insert(key, QString::fromUtf8(value ? value : "").trimmed());
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
