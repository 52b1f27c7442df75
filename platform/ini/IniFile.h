#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// A profile (".ini") file read as Windows reads one: section and key names match
// regardless of case, values are trimmed, the first occurrence of a key wins, and
// a missing file, section or key reads as the default. Nothing is ever raised.
// Text is read as UTF-8, or as Windows-1252 where it is no valid UTF-8.
class TIniFile
{
public:
    explicit TIniFile(const QString& path);

    static TIniFile FromBytes(const QByteArray& text);

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;

private:
    TIniFile() = default;
    void Parse(const QByteArray& text);

    QHash<QString, QString> m_values;
};
