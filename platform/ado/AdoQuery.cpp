#include "AdoQuery.h"

#include "AdoConnection.h"
#include "DatabaseError.h"
#include "JetSql.h"

#include <QHash>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>

namespace ado {

TADOQuery::TADOQuery(QObject* owner) : QObject(owner) {}

namespace {

struct TTranslated
{
    QStringList names;
    QString text;
    QList<int> order;
};

// The program runs a few dozen distinct statements, most of them many times over:
// each text is translated once.
const TTranslated& Translated(const QString& sql)
{
    static QHash<QString, TTranslated> cache;
    auto found = cache.constFind(sql);
    if (found != cache.cend())
        return found.value();
    if (cache.size() >= 1024)
        cache.clear();
    TTranslated translated;
    translated.names = ParameterNames(sql);
    translated.text = TranslateJetSql(sql, &translated.order);
    return cache.insert(sql, translated).value();
}

} // namespace

void TADOQuery::SetSQL(const QString& sql)
{
    Close();
    m_sql = sql;
    const TTranslated& translated = Translated(sql);
    m_paramNames = translated.names;
    m_text = translated.text;
    m_order = translated.order;
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

std::shared_ptr<QSqlQuery> TADOQuery::Run(bool select)
{
    if (!m_connection)
        throw EDatabaseError(QStringLiteral("Falta la conexión de la consulta."));
    for (int i = 0; i < m_paramNames.size(); ++i)
        if (!m_bound.at(i))
            throw EDatabaseError(
                QStringLiteral("No se ha dado valor al parámetro '%1'.").arg(m_paramNames.at(i)));

    // A read inside a save's transaction is part of the save: when it fails, the save did.
    const QString what = select && !m_connection->InTransaction() ? ReadFailed() : SaveFailed();
    const std::shared_ptr<QSqlQuery> query = m_connection->Prepared(m_text, what);
    for (int i = 0; i < m_order.size(); ++i)
        query->bindValue(i, m_values.at(m_order.at(i)));
    if (!query->exec()) {
        const QSqlError error = query->lastError();
        query->finish();
        throw DriverError(what, error);
    }
    if (select && !query->isSelect()) {
        query->finish();
        throw EDatabaseError(
            QStringLiteral("La instrucción no devuelve ningún conjunto de resultados."));
    }
    return query;
}

void TADOQuery::Open()
{
    ClearResult();
    const std::shared_ptr<QSqlQuery> query = Run(true);
    // The statement is kept for its next run: it lets go of the database once read.
    const auto done = qScopeGuard([&query] { query->finish(); });
    Fill(*query, m_connection->InTransaction() ? SaveFailed() : ReadFailed());
}

void TADOQuery::ExecSQL()
{
    ClearResult();
    Run(false)->finish();
}

void TADOQuery::Close()
{
    ClearResult();
}

} // namespace ado
