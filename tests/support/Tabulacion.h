#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
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

// The keyboard round of `ventana` as it stands: the controls Tab stops on, from the one
// after the control with the focus until it comes back to the first, named as Tabular
// names them and joined by ", ". What breaks a rule of every round is added at the end,
// each fault as " ¡...!": the focus starts on a control that does not show, or on one that
// is no stop of the round; Tab does not come back; Shift+Tab does not make the same stops in
// reverse; a radio group stops other than once, on its chosen button (its first one while none is
// chosen); an arrow key does not move a group's choice to a neighbour and the opposite arrow back.
// The arrows are tried last, and may leave a group after the one tried without its choice.
QString Vuelta(QWidget* ventana);

// How an item of a list is chosen: a click on it in the dropped-down list; Alt+Down, the
// arrows and Enter; the arrows on the list closed.
enum class Eleccion
{
    Raton,
    Teclas,
    Cerrada
};

// Chooses item `indice` of `lista` as `como` says, the list's window made the active one
// first; false when the list does not end on that item.
bool ElegirEn(QComboBox* lista, int indice, Eleccion como);

} // namespace testing
