#include "FuzzSupport.h"

#include "data/BdatosADO.h"
#include "platform/ui/Application.h"
#include "platform/ui/Messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sqlite3.h>

namespace fuzzing {

void PrepareProgram(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Damaged pictures and texts make Qt complain; that is expected here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Never destroyed: at exit Qt's own globals go first.
    new ui::TApplication(*argc, *argv);
    ui::SetMessageBoxHook([](const ui::MessageBoxRequest&) {});

    // In memory where the machine offers it: every input writes to the database.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static const auto dir =
        std::make_unique<QTemporaryDir>(base + QStringLiteral("/dimarvolteca-fuzz-XXXXXX"));
    // The database module reads its ini file from the current folder; the folders and
    // files named on the command line, read after this, are the caller's, relative to
    // the caller's folder.
    const QString callersFolder = QDir::currentPath();
    QDir::setCurrent(dir->path());
    QDir(dir->path()).mkpath(QStringLiteral("datos"));
    QFile ini(dir->filePath(QStringLiteral("Dimarvolteca.ini")));
    ini.open(QIODevice::WriteOnly);
    ini.write("[Base_de_Datos]\nrutabd=\\datos\narchivo=fuzz.db\n");
    ini.close();

    QFile schema(QStringLiteral(DIMARVOLTECA_SOURCE_DIR "/db/schema.sql"));
    schema.open(QIODevice::ReadOnly);
    sqlite3* db = nullptr;
    const QByteArray path = QFile::encodeName(dir->filePath(QStringLiteral("datos/fuzz.db")));
    if (sqlite3_open(path.constData(), &db) != SQLITE_OK ||
        sqlite3_exec(db, schema.readAll().constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot make the fuzz database\n");
        std::abort();
    }
    sqlite3_close(db);

    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    if (DM_BdatosADO->TerminacionSolicitada()) {
        std::fprintf(stderr, "cannot open the fuzz database\n");
        std::abort();
    }
    QDir::setCurrent(callersFolder);
}

QList<QByteArray> Pieces(const QByteArray& input, char separator, int max)
{
    QList<QByteArray> pieces;
    qsizetype start = 0;
    while (pieces.size() < max - 1) {
        const qsizetype end = input.indexOf(separator, start);
        if (end < 0)
            break;
        pieces << input.mid(start, end - start);
        start = end + 1;
    }
    pieces << input.mid(start);
    return pieces;
}

} // namespace fuzzing
