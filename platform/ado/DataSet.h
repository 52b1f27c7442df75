#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <vector>

class QSqlQuery;

namespace ado {

// One column of the current row. Null reads as 0, as the empty text or as "no".
class TField
{
public:
    TField(QString name, QVariant value) : m_name(std::move(name)), m_value(std::move(value)) {}

    const QString& FieldName() const { return m_name; }
    const QVariant& Value() const { return m_value; }
    bool IsNull() const { return m_value.isNull(); }
    int AsInteger() const;
    QString AsString() const;
    bool AsBoolean() const;
    QByteArray AsBytes() const;

private:
    QString m_name;
    QVariant m_value;
};

// A whole result held on the client, walked row by row as the windows expect:
// First, Next, Eof and fields by name or by position.
class TDataSet
{
public:
    virtual ~TDataSet() = default;

    bool Active() const { return m_active; }
    int RecordCount() const;
    int FieldCount() const;
    QStringList FieldNames() const;

    void First();
    void Next();
    bool Eof() const;
    int RecNo() const { return m_row; }

    TField FieldByName(const QString& name) const;
    // The position of a column, for a caller that reads it on many rows.
    int FieldIndex(const QString& name) const;
    TField Fields(int index) const;

    // A read-only stream over a blob column of the current row; empty for null.
    std::unique_ptr<QIODevice> CreateBlobStream(const QString& name) const;

protected:
    // Takes every row of an executed statement; a failure to read them is `what` failed.
    void Fill(QSqlQuery& query, const QString& what);
    void ClearResult();
    void RequireActive() const;

private:
    // The value of column `index` on the current row.
    const QVariant& Value(int index) const;

    bool m_active = false;
    QStringList m_names;
    // Row after row, FieldCount values each.
    std::vector<QVariant> m_values;
    int m_rowCount = 0;
    int m_row = 0;
};

} // namespace ado
