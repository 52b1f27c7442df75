#pragma once

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <memory>

namespace ado {

// The one connection of the program. Its connection string is the Jet form
// ("Provider=...;Data Source=<file>;..."): only the data source is used, and it
// must name an existing SQLite database file.
class TADOConnection : public QObject
{
    Q_OBJECT
public:
    explicit TADOConnection(QObject* owner = nullptr);
    ~TADOConnection() override;

    QString ConnectionString;
    bool LoginPrompt = false;
    bool KeepConnection = true;

    void Open();
    void Close();
    bool Connected() const;

    // The data source of the connection string, as given (backslashes kept).
    QString DataSource() const;

    QSqlDatabase Database() const;

    // The statement `text`, in SQLite's form, ready to run on this connection. Each
    // is prepared once and kept until the connection closes (a few dozen at most).
    // Throws when it cannot be prepared: `what` failed, and the driver says why.
    std::shared_ptr<QSqlQuery> Prepared(const QString& text, const QString& what);

    // A group of statements that is written whole or not at all, holding the
    // database's write lock from BeginTrans on. Nested calls are errors;
    // RollbackTrans outside a transaction does nothing.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return m_inTransaction; }

private:
    // Runs a statement of the transaction's own; a failure is a failed save.
    void Run(const QString& statement);

    QString m_name;
    bool m_inTransaction = false;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
};

// The data source of a connection string, as it is written there.
QString DataSourceOf(const QString& connectionString);

// A Windows-style path as the file system takes it.
QString FileSystemPath(const QString& windowsPath);

} // namespace ado
