#pragma once

#include <QSize>

class QMdiArea;
class QMdiSubWindow;
class QObject;
class QWidget;

namespace ui {

// The frame's client area, in which work windows open as children. Without one
// (some tests), work windows open as plain top-level windows.
void SetMdiArea(QMdiArea* area);
QMdiArea* MdiArea();

// How the user may size a work window's frame: a single border keeps the size the
// window gives itself; a sizeable one can be dragged larger or smaller.
enum class Border
{
    Sizeable,
    Single
};

// Makes `form` a work window: destroyed with `owner`, freed when it is closed, its
// frame with a title bar, system menu, minimise and close buttons, and no maximise
// button, its texts in the windows' default font (which its own description may
// change), its keyboard kept as OrdenTabulacion says. Call it before the form's
// controls are made.
void SetUpWorkWindow(QWidget* form, QObject* owner, Border border = Border::Sizeable);

// Shows `form` as a child of the frame, in a child window of `size` (the window's
// outer size; an invalid size keeps the form's own), centred. The child window
// goes when the form is closed or destroyed. As on the desktop the windows were
// designed for, Enter presses the focused button, and a single-border window's
// frame keeps its size.
QMdiSubWindow* ShowMdiChild(QWidget* form, QSize size = QSize());

// Takes a form out of the frame and hides it, keeping all its state.
void HideMdiChild(QWidget* form);

// Closes a form, whether it is a child of the frame or a top-level window.
void CloseForm(QWidget* form);

// The window that frames `form`: its child window, or the form itself.
QWidget* FrameOf(QWidget* form);

// Centres a form (or its child window) in the frame's client area, or on the screen.
void CenterForm(QWidget* form);

} // namespace ui
