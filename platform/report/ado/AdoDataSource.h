#pragma once

#include "platform/report/DataSource.h"

namespace ado {
class TDataSet;
}

namespace report {

// A report's rows from a query or table of the database layer. The data set must
// outlive the reports bound to it.
class TADODataSource : public TQRDataSource
{
public:
    explicit TADODataSource(ado::TDataSet& dataSet) : m_dataSet(dataSet) {}

    void First() override;
    void Next() override;
    bool Eof() const override;
    QString FieldText(const QString& field) const override;

    ado::TDataSet& DataSet() const { return m_dataSet; }

private:
    ado::TDataSet& m_dataSet;
};

} // namespace report
