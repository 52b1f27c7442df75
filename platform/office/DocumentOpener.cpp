#include "DocumentOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace office {

namespace {
LaunchHook& Hook()
{
    static LaunchHook hook;
    return hook;
}

bool Launch(const QString& path)
{
    if (Hook())
        return Hook()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
