#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace testing {

// One entry of a zip archive, as its central directory and its local header say.
struct ZipEntry
{
    QString name;
    int method = -1;
    quint32 crc = 0;
    quint32 compressedSize = 0;
    quint32 size = 0;
    quint32 localOffset = 0;
    int localExtraLength = 0;
};

// Reads an OpenDocument package (a zip archive) strictly enough to tell a document
// a word processor opens from a damaged or mis-packed one. Problems are collected in
// Errors(); a package with errors has no entries to read.
class OdfPackage
{
public:
    explicit OdfPackage(const QByteArray& bytes);

    const QStringList& Errors() const { return m_errors; }
    const QList<ZipEntry>& Entries() const { return m_entries; }
    bool Has(const QString& name) const;
    // The entry's data, inflated and checked against its CRC; empty with an error
    // added when it cannot be read.
    QByteArray Read(const QString& name);

    // The text of an ODF XML part as a reader sees it: paragraphs and table cells on
    // their own lines, <text:s/> as spaces, line breaks and tabs as spaces.
    static QString PlainText(const QByteArray& xml, QString* error);

private:
    void ParseCentralDirectory();

    QByteArray m_bytes;
    QList<ZipEntry> m_entries;
    QStringList m_errors;
};

} // namespace testing
