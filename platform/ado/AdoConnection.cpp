#include "AdoConnection.h"

#include "DatabaseError.h"
#include "SpanishCollation.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <sqlite3.h>

namespace ado {

QString DataSourceOf(const QString& connectionString)
{
    const QStringList parts = connectionString.split(QLatin1Char(';'));
    for (const QString& part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        if (part.left(eq).trimmed().compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1).trimmed();
    }
    return QString();
}

QString FileSystemPath(const QString& windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

TADOConnection::TADOConnection(QObject* owner)
    : QObject(owner),
      m_name(QStringLiteral("dimarvolteca-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

TADOConnection::~TADOConnection()
{
    Close();
    QSqlDatabase::removeDatabase(m_name);
}

QString TADOConnection::DataSource() const
{
    return DataSourceOf(ConnectionString);
}

void TADOConnection::Open()
{
    Close();
    const QString path = FileSystemPath(DataSource());
    // SQLite would quietly create a missing file; a database that is not there is an error.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isFile())
        throw EDatabaseError(
            QStringLiteral("No se encuentra el archivo de base de datos '%1'.").arg(DataSource()));

    QSqlDatabase db = QSqlDatabase::contains(m_name)
                          ? QSqlDatabase::database(m_name, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        throw DriverError(QStringLiteral("No se ha podido abrir la base de datos"), db.lastError());

    // A file that is not a database only shows itself at the first read.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QSqlError error = probe.lastError();
        probe = QSqlQuery();
        db.close();
        throw DriverError(QStringLiteral("No se ha podido abrir la base de datos"), error);
    }
    probe = QSqlQuery();

    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        sqlite3* raw = *static_cast<sqlite3* const*>(handle.data());
        if (raw)
            RegisterSpanishCollation(raw);
    }
}

void TADOConnection::Close()
{
    m_inTransaction = false;
    m_statements.clear();
    if (QSqlDatabase::contains(m_name)) {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
}

bool TADOConnection::Connected() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

void TADOConnection::BeginTrans()
{
    if (m_inTransaction)
        throw EDatabaseError(QStringLiteral("Ya hay una transacción en curso."));
    // A save takes the write lock at its start. Begun deferred, its first read would
    // take a read lock, and SQLite refuses at once, without the busy wait, to turn a
    // read lock into a write lock while another program writes: the save would fail
    // where a single statement waits for the other program to let go.
    Run(QStringLiteral("BEGIN IMMEDIATE"));
    m_inTransaction = true;
}

void TADOConnection::CommitTrans()
{
    if (!m_inTransaction)
        throw EDatabaseError(QStringLiteral("No hay ninguna transacción en curso."));
    Run(QStringLiteral("COMMIT"));
    m_inTransaction = false;
}

void TADOConnection::RollbackTrans()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    if (Connected())
        QSqlQuery(QSqlDatabase::database(m_name, false)).exec(QStringLiteral("ROLLBACK"));
}

void TADOConnection::Run(const QString& statement)
{
    QSqlQuery query(Database());
    if (!query.exec(statement))
        throw DriverError(SaveFailed(), query.lastError());
}

QSqlDatabase TADOConnection::Database() const
{
    if (!Connected())
        throw EDatabaseError(QStringLiteral("La conexión con la base de datos está cerrada."));
    return QSqlDatabase::database(m_name, false);
}

std::shared_ptr<QSqlQuery> TADOConnection::Prepared(const QString& text, const QString& what)
{
    if (const auto found = m_statements.constFind(text); found != m_statements.cend())
        return found.value();
    auto statement = std::make_shared<QSqlQuery>(Database());
    statement->setForwardOnly(true);
    if (!statement->prepare(text))
        throw DriverError(what, statement->lastError());
    if (m_statements.size() >= 64)
        m_statements.clear();
    m_statements.insert(text, statement);
    return statement;
}

} // namespace ado
