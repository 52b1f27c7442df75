#pragma once

#include <initializer_list>

class QScrollArea;
class QWidget;

namespace ui {

// Puts the controls of `ventana` in the Tab chain in the order given, as its
// description declares it, the first one first: the window starts on it. A scroll box or a group
// box given there is followed by the controls inside it, those made at run time included, from top
// to bottom and, on one row, from left to right; Tab then goes through them before the next control
// given, and Shift+Tab the other way. Call it again after controls are made inside one.
void OrdenTabulacion(QWidget* ventana, std::initializer_list<QWidget*> orden);

// A control inside the scroll box that takes the focus from the keyboard, by Tab from
// outside the box too, is scrolled into sight. Call it once per box.
void SeguirFoco(QScrollArea* caja);

} // namespace ui
