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
// paste or typed text that would pass it is cut between whole characters, where
// maxLength cuts anywhere and can leave half an emoji that is no valid UTF-8.
void LimitarLongitud(QLineEdit* caja, int maximo);
int LongitudMaxima(const QLineEdit* caja);

// Every one-line edit of the window whose form gives it a maxLength takes that
// limit through LimitarLongitud.
void LimitarCajas(QWidget* ventana);

} // namespace ui
