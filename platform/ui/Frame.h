#pragma once

class QObject;
class QWidget;

namespace ui {

// What the program's frame offers the work windows below it: the lock of the work
// commands, and itself as the owner of the windows that live as long as it does.
// The main window provides it; the windows reach it only through here, so that they
// never depend on the shell that opens them.
class TFrame
{
public:
    virtual ~TFrame() = default;
    virtual void InhabilitarMenus() = 0;
    virtual void habilitarMenus() = 0;
    virtual QWidget* FrameWindow() = 0;
};

// The frame registers itself while it exists; none is set in some tests.
void SetFrame(TFrame* frame);
TFrame* Frame();

// Gives the work commands back, when there is a frame.
void habilitarMenus();

// The owner of a window that lives as long as the frame: the frame's window, or the
// application object when there is no frame.
QObject* FrameOwner();

} // namespace ui
