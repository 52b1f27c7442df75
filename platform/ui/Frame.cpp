#include "Frame.h"

#include "Application.h"

#include <QWidget>

namespace ui {

namespace {
TFrame* g_frame = nullptr;
} // namespace

void SetFrame(TFrame* frame)
{
    g_frame = frame;
}

TFrame* Frame()
{
    return g_frame;
}

void habilitarMenus()
{
    if (g_frame)
        g_frame->habilitarMenus();
}

QObject* FrameOwner()
{
    if (g_frame)
        return g_frame->FrameWindow();
    return ApplicationObject();
}

} // namespace ui
