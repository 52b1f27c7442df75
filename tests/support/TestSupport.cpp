#include "TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <chrono>
#include <sqlite3.h>

namespace testing {

QString SourcePath(const QString& relative)
{
    return QStringLiteral(DIMARVOLTECA_SOURCE_DIR "/") + relative;
}

QByteArray Encoded(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

TestDb::TestDb(const QString& path)
{
    if (sqlite3_open(QFile::encodeName(path).constData(), &m_db) != SQLITE_OK)
        qFatal("cannot open test database %s", qPrintable(path));
}

TestDb::~TestDb()
{
    sqlite3_close(m_db);
}

void TestDb::Exec(const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error);
        sqlite3_free(error);
        qFatal("SQL failed: %s\n%s", qPrintable(message), qPrintable(sql));
    }
}

namespace {
void Bind(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(stmt, index);
    } else if (value.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob(stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong ||
               value.typeId() == QMetaType::Bool) {
        sqlite3_bind_int64(stmt, index, value.toLongLong());
    } else {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
}

QVariant Column(sqlite3_stmt* stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                              sqlite3_column_bytes(stmt, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)),
                                   sqlite3_column_bytes(stmt, i)));
    default:
        return QVariant();
    }
}
} // namespace

void TestDb::Exec(const QString& sql, const QVariantList& values)
{
    Rows(sql, values);
}

QList<QVariantList> TestDb::Rows(const QString& sql, const QVariantList& values)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        qFatal("SQL failed: %s\n%s", sqlite3_errmsg(m_db), qPrintable(sql));
    for (int i = 0; i < values.size(); ++i)
        Bind(stmt, i + 1, values.at(i));
    // A test database holds a few hundred rows at most: a statement that goes on
    // giving rows fails its test rather than running until the time limit.
    constexpr int kMostRows = 100000;
    QList<QVariantList> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (rows.size() == kMostRows) {
            sqlite3_finalize(stmt);
            QTest::qFail(
                qPrintable(QStringLiteral("more than %1 rows from: %2").arg(kMostRows).arg(sql)),
                __FILE__, __LINE__);
            return rows;
        }
        QVariantList row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i)
            row << Column(stmt, i);
        rows << row;
    }
    if (rc != SQLITE_DONE)
        qFatal("SQL failed: %s\n%s", sqlite3_errmsg(m_db), qPrintable(sql));
    sqlite3_finalize(stmt);
    return rows;
}

QVariant TestDb::Scalar(const QString& sql)
{
    const QList<QVariantList> rows = Rows(sql);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}

OtherWriter::OtherWriter(const QString& path, int ms)
{
    if (sqlite3_open(QFile::encodeName(path).constData(), &m_db) != SQLITE_OK ||
        sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        QTest::qFail(qPrintable(QStringLiteral("the other writer could not lock %1: %2")
                                    .arg(path, QString::fromUtf8(sqlite3_errmsg(m_db)))),
                     __FILE__, __LINE__);
        return;
    }
    m_release = std::thread([db = m_db, ms] {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    });
}

OtherWriter::~OtherWriter()
{
    if (m_release.joinable())
        m_release.join();
    sqlite3_close(m_db);
}

Workspace::Workspace(bool withSchema)
{
    m_previousDir = QDir::currentPath();
    QDir(m_dir.path()).mkpath(QStringLiteral("datos"));
    WriteIni(QStringLiteral("[Base_de_Datos]\nrutabd=\\datos\narchivo=test.db\n"
                            "[Manualc]\nrutamanual=\\docs\\castellano.odt\n"
                            "[Manualv]\nrutamanual=\\docs\\valenciano.odt\n"
                            "[Catalogo]\nrutacatalogo=\\docs\\catalogo.odt\n"));
    if (withSchema) {
        m_db = new TestDb(DbPath());
        QFile schema(SourcePath(QStringLiteral("db/schema.sql")));
        if (!schema.open(QIODevice::ReadOnly))
            qFatal("no schema.sql");
        m_db->Exec(QString::fromUtf8(schema.readAll()));
    }
    QDir::setCurrent(m_dir.path());
}

Workspace::~Workspace()
{
    QDir::setCurrent(m_previousDir);
    delete m_db;
}

void Workspace::WriteIni(const QString& text)
{
    QFile ini(m_dir.path() + QStringLiteral("/Dimarvolteca.ini"));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write ini");
    ini.write(text.toUtf8());
}

MessageRecorder::MessageRecorder()
{
    m_previous = ui::SetMessageBoxHook([this](const ui::MessageBoxRequest& r) { messages << r; });
}

MessageRecorder::~MessageRecorder()
{
    ui::SetMessageBoxHook(m_previous);
}

QStringList MessageRecorder::Texts() const
{
    QStringList texts;
    for (const auto& m : messages)
        texts << m.text;
    return texts;
}

QStringList MessageRecorder::Shown() const
{
    QStringList shown;
    for (const auto& m : messages)
        shown << (m.icon == QMessageBox::Warning       ? QStringLiteral("Aviso: ")
                  : m.icon == QMessageBox::Critical    ? QStringLiteral("Error: ")
                  : m.icon == QMessageBox::Information ? QStringLiteral("Información: ")
                                                       : QString()) +
                     m.text;
    return shown;
}

FileDialogAnswer::FileDialogAnswer(const QString& path, int filterIndex)
{
    m_previous = ui::SetOpenFileHook([this, path, filterIndex](const ui::OpenFileRequest& r) {
        requests << r;
        ui::OpenFileResult result;
        result.accepted = !path.isEmpty();
        result.path = path;
        result.filterIndex = filterIndex;
        return result;
    });
}

FileDialogAnswer::~FileDialogAnswer()
{
    ui::SetOpenFileHook(m_previous);
}

SaveFileAnswer::SaveFileAnswer(const QString& path)
{
    m_previous = ui::SetSaveFileHook([this, path](const ui::SaveFileRequest& r) {
        requests << r;
        ui::SaveFileResult result;
        result.accepted = !path.isEmpty();
        result.path = path;
        return result;
    });
}

SaveFileAnswer::~SaveFileAnswer()
{
    ui::SetSaveFileHook(m_previous);
}

void SaltosDeLinea()
{
    QTest::addColumn<QString>("salto");
    QTest::newRow("CR+LF") << "\r\n";
    QTest::newRow("LF") << "\n";
    QTest::newRow("CR") << "\r";
}

} // namespace testing
