#include "AdoQuery.h"

#include "AdoConnection.h"
#include "DatabaseError.h"
#include "JetSql.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ado {

TADOQuery::TADOQuery(QObject* owner) : QObject(owner) {}

void TADOQuery::SetSQL(const QString& sql)
{
    Close();
    m_sql = sql;
    m_paramNames = ParameterNames(sql);
    m_values = QVector<QVariant>(m_paramNames.size());
    m_bound = QVector<bool>(m_paramNames.size(), false);
}

void TADOQuery::SetParam(const QString& name, const QVariant& value)
{
    for (int i = 0; i < m_paramNames.size(); ++i) {
        if (m_paramNames.at(i).compare(name, Qt::CaseInsensitive) == 0) {
            m_values[i] = value;
            m_bound[i] = true;
            return;
        }
    }
    throw EDatabaseError(QStringLiteral("Parámetro '%1' no encontrado.").arg(name));
}

QSqlQuery TADOQuery::Run(bool select)
{
    if (!m_connection)
        throw EDatabaseError(QStringLiteral("Falta la conexión de la consulta."));
    for (int i = 0; i < m_paramNames.size(); ++i)
        if (!m_bound.at(i))
            throw EDatabaseError(
                QStringLiteral("No se ha dado valor al parámetro '%1'.").arg(m_paramNames.at(i)));

    QList<int> order;
    const QString text = TranslateJetSql(m_sql, &order);
    QSqlQuery query(m_connection->Database());
    query.setForwardOnly(true);
    if (!query.prepare(text))
        throw EDatabaseError(query.lastError().text());
    for (int index : order)
        query.addBindValue(m_values.at(index));
    if (!query.exec())
        throw EDatabaseError(query.lastError().text());
    if (select && !query.isSelect())
        throw EDatabaseError(QStringLiteral("La instrucción no devuelve ningún conjunto de resultados."));
    return query;
}

void TADOQuery::Open()
{
    ClearResult();
    QSqlQuery query = Run(true);
    Fill(query);
}

void TADOQuery::ExecSQL()
{
    ClearResult();
    Run(false);
}

void TADOQuery::Close()
{
    ClearResult();
}

} // namespace ado
