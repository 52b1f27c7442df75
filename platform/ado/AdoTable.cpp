#include "AdoTable.h"

#include "AdoConnection.h"
#include "DatabaseError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace ado {

TADOTable::TADOTable(QObject* owner) : QObject(owner) {}

void TADOTable::Open()
{
    ClearResult();
    if (!m_connection)
        throw EDatabaseError(QStringLiteral("Falta la conexión de la tabla."));
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!plainName.match(TableName).hasMatch())
        throw EDatabaseError(QStringLiteral("Nombre de tabla no válido: '%1'.").arg(TableName));

    const QString what = QStringLiteral("No se ha podido leer la tabla %1").arg(TableName);
    QSqlQuery query(m_connection->Database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(TableName)))
        throw DriverError(what, query.lastError());
    Fill(query, what);
}

void TADOTable::Close()
{
    ClearResult();
}

} // namespace ado
