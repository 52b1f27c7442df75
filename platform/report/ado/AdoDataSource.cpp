#include "AdoDataSource.h"

#include "platform/ado/DataSet.h"

namespace report {

void TADODataSource::First()
{
    if (m_dataSet.Active())
        m_dataSet.First();
}

void TADODataSource::Next()
{
    if (m_dataSet.Active())
        m_dataSet.Next();
}

bool TADODataSource::Eof() const
{
    return !m_dataSet.Active() || m_dataSet.Eof();
}

QString TADODataSource::FieldText(const QString& field) const
{
    return m_dataSet.FieldByName(field).AsString();
}

} // namespace report
