#include "DataSet.h"

#include "DatabaseError.h"

#include <QBuffer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace ado {

int TField::AsInteger() const
{
    if (m_value.isNull())
        return 0;
    bool ok = false;
    const qlonglong n = m_value.toLongLong(&ok);
    if (ok)
        return int(n);
    return int(m_value.toDouble());
}

QString TField::AsString() const
{
    return m_value.isNull() ? QString() : m_value.toString();
}

bool TField::AsBoolean() const
{
    if (m_value.isNull())
        return false;
    return AsInteger() != 0;
}

QByteArray TField::AsBytes() const
{
    return m_value.isNull() ? QByteArray() : m_value.toByteArray();
}

void TDataSet::RequireActive() const
{
    if (!m_active)
        throw EDatabaseError(QStringLiteral(
            "No se puede realizar esta operación con un conjunto de datos cerrado."));
}

int TDataSet::RecordCount() const
{
    RequireActive();
    return m_rowCount;
}

int TDataSet::FieldCount() const
{
    RequireActive();
    return int(m_names.size());
}

QStringList TDataSet::FieldNames() const
{
    return m_names;
}

void TDataSet::First()
{
    RequireActive();
    m_row = 0;
}

void TDataSet::Next()
{
    RequireActive();
    if (m_row < m_rowCount)
        ++m_row;
}

bool TDataSet::Eof() const
{
    RequireActive();
    return m_row >= m_rowCount;
}

const QVariant& TDataSet::Value(int index) const
{
    RequireActive();
    if (m_row >= m_rowCount)
        throw EDatabaseError(QStringLiteral("No hay registro actual."));
    return m_values[size_t(m_row) * size_t(m_names.size()) + size_t(index)];
}

TField TDataSet::FieldByName(const QString& name) const
{
    return Fields(FieldIndex(name));
}

int TDataSet::FieldIndex(const QString& name) const
{
    RequireActive();
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    throw EDatabaseError(QStringLiteral("Campo '%1' no encontrado.").arg(name));
}

TField TDataSet::Fields(int index) const
{
    RequireActive();
    if (index < 0 || index >= m_names.size())
        throw EDatabaseError(QStringLiteral("Índice de campo fuera de rango: %1.").arg(index));
    return TField(m_names.at(index), Value(index));
}

std::unique_ptr<QIODevice> TDataSet::CreateBlobStream(const QString& name) const
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(FieldByName(name).AsBytes());
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

void TDataSet::Fill(QSqlQuery& query, const QString& what)
{
    const QSqlRecord record = query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    const int columns = int(names.size());
    std::vector<QVariant> values;
    int rows = 0;
    for (; query.next(); ++rows)
        for (int i = 0; i < columns; ++i)
            values.push_back(query.value(i));
    if (query.lastError().isValid())
        throw DriverError(what, query.lastError());
    m_names = std::move(names);
    m_values = std::move(values);
    m_rowCount = rows;
    m_row = 0;
    m_active = true;
}

void TDataSet::ClearResult()
{
    m_names.clear();
    m_values.clear();
    m_rowCount = 0;
    m_row = 0;
    m_active = false;
}

} // namespace ado
