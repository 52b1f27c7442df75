#include "Resources.h"

#include "platform/graphics/JpegImage.h"

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
    return QPixmap::fromImage(graphics::ReadJpegOrEmpty(QStringLiteral(":/shell/") + name));
}

} // namespace shell
