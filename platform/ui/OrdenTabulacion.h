#pragma once

#include <initializer_list>

class QWidget;

namespace ui {

// The Tab order that the description of `ventana` declares: the controls given, the first
// one first, and the window starts on it when it shows with the focus nowhere in it. A
// scroll box or a group box given there stands for the controls inside it, those made at
// run time included: Tab goes through the ones shown, from top to bottom and, on one row,
// from left to right, then on to the next control given; Shift+Tab the other way. The box
// itself is no stop of its own. Those controls are looked for only when the key is pressed,
// so that they may be made, moved, shown and hidden afterwards at no cost: call this once.
// The window hands its Tab keys over from its focusNextPrevChild to Tabular.
void OrdenTabulacion(QWidget* ventana, std::initializer_list<QWidget*> orden);

// Moves the focus of `ventana` as Tab (Shift+Tab when not `adelante`) does in its declared
// order. A control reached inside a scroll box is scrolled into sight; one clicked is left
// where it is, since only the keyboard comes here. False when the window declares no order,
// the focus is on a control outside it, or nothing in it takes the focus: the toolkit's own
// order then applies.
bool Tabular(QWidget* ventana, bool adelante);

} // namespace ui
