#pragma once

#include "platform/ui/Application.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>
#include <QVector>
#include <thread>

struct sqlite3;

namespace testing {

QString SourcePath(const QString& relative);

// A picture encoded as a file of the given format ("JPG", "BMP"...), as Qt writes it.
QByteArray Encoded(const QImage& image, const char* format, int quality = 90);

// A database file of the program's schema, reached through its own connection so
// that tests seed and check rows independently of the code under test.
class TestDb
{
public:
    explicit TestDb(const QString& path);
    ~TestDb();
    TestDb(const TestDb&) = delete;
    TestDb& operator=(const TestDb&) = delete;

    void Exec(const QString& sql);
    // Runs a statement with positional "?" values.
    void Exec(const QString& sql, const QVariantList& values);
    QVariant Scalar(const QString& sql);
    QList<QVariantList> Rows(const QString& sql, const QVariantList& values = {});

private:
    ::sqlite3* m_db = nullptr;
};

// Another program writing to the database: it holds the database's write lock from
// its creation until `ms` milliseconds later, when a thread of its own lets go, even
// while this thread waits for the lock. The destructor waits for the release, so the
// lock never outlives its test row.
class OtherWriter
{
public:
    OtherWriter(const QString& path, int ms);
    ~OtherWriter();
    OtherWriter(const OtherWriter&) = delete;
    OtherWriter& operator=(const OtherWriter&) = delete;

private:
    ::sqlite3* m_db = nullptr;
    std::thread m_release;
};

// Walks a result (the program's query or table) from its first row to its end, calling
// `each` on every row. A result whose end does not come after its own row count fails
// the check that calls this, with a warning, instead of looping until the time limit.
template <typename DataSet, typename Each> [[nodiscard]] bool WalkRows(DataSet& set, Each each)
{
    const int rows = set.RecordCount();
    int walked = 0;
    for (set.First(); !set.Eof(); set.Next()) {
        if (walked++ == rows) {
            qWarning("the result did not end after its %d rows", rows);
            return false;
        }
        each();
    }
    return true;
}

// The first or the last item of a list that a check expects to hold some. An empty list
// fails the test there, naming `what` was empty, and gives a default item, so that
// the test fails instead of crashing.
template <typename T> T First(const QList<T>& list, const char* what = "the list")
{
    if (list.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("%1 is empty").arg(QLatin1String(what))), __FILE__,
                     __LINE__);
        return T();
    }
    return list.first();
}

template <typename T> T Last(const QList<T>& list, const char* what = "the list")
{
    return list.isEmpty() ? First(list, what) : list.last();
}

// A working folder with "Dimarvolteca.ini" and a fresh database of the program's
// schema; it is the current directory while the workspace lives.
class Workspace
{
public:
    explicit Workspace(bool withSchema = true);
    ~Workspace();

    QString Dir() const { return m_dir.path(); }
    QString DbPath() const { return m_dir.path() + QStringLiteral("/datos/test.db"); }
    void WriteIni(const QString& text);
    TestDb& Db() { return *m_db; }

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    TestDb* m_db = nullptr;
};

// Answers every message box at once and remembers it.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    QList<ui::MessageBoxRequest> messages;
    QStringList Texts() const;
    // Each box as the user reads it: "Aviso: ", "Error: " or "Información: ", then its text.
    QStringList Shown() const;
    void Clear() { messages.clear(); }

private:
    ui::MessageBoxHook m_previous;
};

// Answers the file-open dialog with the given file and filter, or as cancelled.
class FileDialogAnswer
{
public:
    FileDialogAnswer(const QString& path, int filterIndex);
    static FileDialogAnswer Cancel() { return FileDialogAnswer(QString(), 0); }
    ~FileDialogAnswer();
    QList<ui::OpenFileRequest> requests;

private:
    ui::OpenFileHook m_previous;
};

// Answers the file-save dialog with the given path, or as cancelled.
class SaveFileAnswer
{
public:
    explicit SaveFileAnswer(const QString& path);
    static SaveFileAnswer Cancel() { return SaveFileAnswer(QString()); }
    ~SaveFileAnswer();
    QList<ui::SaveFileRequest> requests;

private:
    ui::SaveFileHook m_previous;
};

// The rows of a column "salto": each line break a stored text may hold (CR+LF, LF, CR).
void SaltosDeLinea();

} // namespace testing

#define DIMARVOLTECA_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty()                            \
                                       ? QByteArray("offscreen")                                   \
                                       : qgetenv("QT_QPA_PLATFORM"));                              \
        ui::TApplication app(argc, argv);                                                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
