#include "Resources.h"

#include "platform/graphics/GraphicError.h"
#include "platform/graphics/JpegImage.h"

#include <QFile>

static void InitShellQrc()
{
    Q_INIT_RESOURCE(shell);
}

namespace shell {

void InitResources()
{
    static const bool done = (InitShellQrc(), true);
    Q_UNUSED(done);
}

QPixmap StoredPicture(const QString& name)
{
    InitResources();
    QFile file(QStringLiteral(":/shell/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QPixmap();
    graphics::TJPEGImage jpeg;
    try {
        jpeg.LoadFromStream(file.readAll());
    } catch (const graphics::EInvalidGraphic&) {
        return QPixmap();
    }
    return QPixmap::fromImage(jpeg.ToImage());
}

} // namespace shell
