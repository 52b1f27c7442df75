#pragma once

#include "DataSet.h"

#include <QObject>
#include <memory>

namespace ado {

class TADOConnection;

// The shared query: a statement with colon-marked parameters bound by name.
// Every parameter the text names must be bound before the statement runs, and
// a new text starts with no values at all.
class TADOQuery : public QObject, public TDataSet
{
    Q_OBJECT
public:
    explicit TADOQuery(QObject* owner = nullptr);

    void SetConnection(TADOConnection* connection) { m_connection = connection; }
    TADOConnection* Connection() const { return m_connection; }

    const QString& SQL() const { return m_sql; }
    void SetSQL(const QString& sql);
    QStringList ParamNames() const { return m_paramNames; }

    // Throws when the statement names no such parameter.
    void SetParam(const QString& name, const QVariant& value);

    void Open();
    void ExecSQL();
    void Close();

private:
    std::shared_ptr<QSqlQuery> Run(bool select);

    TADOConnection* m_connection = nullptr;
    QString m_sql;
    QStringList m_paramNames;
    // The statement as SQLite takes it, and per "?" the index of its parameter.
    QString m_text;
    QList<int> m_order;
    QVector<QVariant> m_values;
    QVector<bool> m_bound;
};

} // namespace ado
