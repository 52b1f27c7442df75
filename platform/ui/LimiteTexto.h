#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace ui {

// The longest start of `texto` that fits in `maximo` UTF-16 units and ends between
// two whole characters: never inside a surrogate pair, an emoji sequence or a
// letter with its combining accents.
QString CortarTexto(const QString& texto, qsizetype maximo);

// Gives a one-line edit a length limit in UTF-16 units, as maxLength counts, but a
// paste or typed text that would pass it keeps only the whole characters that fit,
// as they stand in the text it leaves, where maxLength cuts anywhere and can leave
// half an emoji that is no valid UTF-8. As with maxLength, what was kept is one more
// step to undo, and the steps before it stay.
void LimitarLongitud(QLineEdit* caja, int maximo);

// Every one-line edit of the window whose form gives it a maxLength takes that
// limit through LimitarLongitud.
void LimitarCajas(QWidget* ventana);

// Shows a stored text whole, even when it is longer than the box's limit (another
// program wrote it): cutting it would lose its end on the next save. Editing then
// never makes it longer than it is, nor, once it is within the limit, longer than that.
void MostrarTextoGuardado(QLineEdit* caja, const QString& texto);

} // namespace ui
