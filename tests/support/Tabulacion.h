#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace testing {

// The text a label or button shows, as a person reads it; "{rico}" before a label's text
// that shows as rich text, "{atajo}" before a caption that makes a keyboard shortcut.
QString Mostrado(const QWidget* control);

// Presses Tab (Shift+Tab when `atras`) `veces` times in `ventana`, whose top-level window
// is made the active one first, and names each control the focus lands on: its name, or,
// for one without a name (a box made at run time), the text it shows; "nada a la vista"
// when the focus lands nowhere, outside `ventana` or out of sight. Going back, the names
// come in the order going forward would give.
QStringList Tabular(QWidget* ventana, int veces, bool atras = false);

} // namespace testing
