#include "DocumentOpener.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace office {

namespace {
LaunchHook& Hook()
{
    static LaunchHook hook;
    return hook;
}

// What xdg-mime answers, empty when it fails or is missing.
QString AskXdgMime(const QStringList& arguments)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), arguments);
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

// The desktop's application for the document's kind, judged as xdg-open will judge
// it; empty when there is none.
QString DesktopHandler(const QString& path)
{
    const QString type = AskXdgMime({QStringLiteral("query"), QStringLiteral("filetype"), path});
    if (type.isEmpty())
        return QString();
    return AskXdgMime({QStringLiteral("query"), QStringLiteral("default"), type});
}

// Hands the document to xdg-open, left running on its own so that the application
// outlives the program. xdg-open ends at once on most desktops, telling whether the
// application started; on a bare one it waits for the application: still running
// after a while, it counts as started.
bool OpenWithDesktop(const QString& path)
{
    if (DesktopHandler(path).isEmpty())
        return false;
    QTemporaryDir dir;
    const QString status = dir.filePath(QStringLiteral("estado"));
    if (!QProcess::startDetached(QStringLiteral("sh"),
                                 {QStringLiteral("-c"),
                                  QStringLiteral("xdg-open \"$1\"; s=$?; { echo $s > \"$2.tmp\" "
                                                 "&& mv \"$2.tmp\" \"$2\"; } 2>/dev/null"),
                                  QStringLiteral("sh"), path, status}))
        return false;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QFile file(status);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll().trimmed() == "0";
        QThread::msleep(50);
    }
    // The folder goes with its answer still to come, which nobody reads.
    return true;
}

bool Launch(const QString& path)
{
    if (Hook())
        return Hook()(path);
    return OpenWithDesktop(path);
}
} // namespace

void OpenDocument(const QString& path)
{
    // The desktop would show a folder in the file manager; a word processor opens
    // only files.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        throw EOfficeError(QStringLiteral("No se encuentra el documento '%1'.").arg(path));
    if (!Launch(info.absoluteFilePath()))
        throw EOfficeError(QStringLiteral("No hay ninguna aplicación para abrir '%1'.").arg(path));
}

LaunchHook SetLaunchHook(LaunchHook hook)
{
    LaunchHook previous = Hook();
    Hook() = std::move(hook);
    return previous;
}

} // namespace office
