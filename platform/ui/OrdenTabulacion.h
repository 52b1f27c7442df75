#pragma once

#include <initializer_list>

class QWidget;

namespace ui {

// The Tab order that the description of `ventana` declares: the controls given, the first
// one first, and the window starts on it when it shows with the focus nowhere in it. A
// scroll box or a group box given there stands for the controls inside it, those made at
// run time included: Tab goes through the ones shown, from top to bottom and, on one row,
// from left to right, then on to the next control given; Shift+Tab the other way. The box
// itself is no stop of its own: the focus given to it goes on to the first of them or, while
// none shows there, back to the stop it came from, and a click on its empty part leaves the
// focus where it is. Those controls are looked for only when they are needed, so that they
// may be made, moved, shown and hidden afterwards at no cost: call this once.
// Given no controls, the order is the toolkit's order of the window's controls, kept the
// same way. The window hands its Tab keys over from its focusNextPrevChild to Tabular.
//
// In either order a radio group is one stop, on its chosen button or, while none is
// chosen, on its first one; the arrow keys move the choice within it. A control that does
// not show never keeps the focus: when it is hidden with the focus in it, or the focus
// lands on it while the window shows, the focus goes to the window's first control that
// shows.
void OrdenTabulacion(QWidget* ventana, std::initializer_list<QWidget*> orden);

// Moves the focus of `ventana` as Tab (Shift+Tab when not `adelante`) does in its order,
// Shift+Tab retracing Tab's stops exactly. A control reached inside a scroll box is
// scrolled into sight; one clicked is left where it is, since only the keyboard comes
// here. False when the window has no order, the focus is on a control outside it, or
// nothing in it takes the focus: the toolkit's own order then applies.
bool Tabular(QWidget* ventana, bool adelante);

} // namespace ui
