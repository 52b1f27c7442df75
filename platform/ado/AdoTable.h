#pragma once

#include "DataSet.h"

#include <QObject>

namespace ado {

class TADOConnection;

// A whole table, opened by name and walked in the order its rows were inserted.
class TADOTable : public QObject, public TDataSet
{
    Q_OBJECT
public:
    explicit TADOTable(QObject* owner = nullptr);

    void SetConnection(TADOConnection* connection) { m_connection = connection; }
    TADOConnection* Connection() const { return m_connection; }

    QString TableName;

    void Open();
    void Close();

private:
    TADOConnection* m_connection = nullptr;
};

} // namespace ado
