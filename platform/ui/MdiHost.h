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

// Makes `form` a work window: destroyed with `owner`, freed when it is closed, its
// frame with a title bar, system menu, minimise and close buttons, and no maximise button.
void SetUpWorkWindow(QWidget* form, QObject* owner);

// Shows `form` as a child of the frame, in a child window of `size` (the window's
// outer size; an invalid size keeps the form's own), centred. The child window
// goes when the form is closed or destroyed.
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
