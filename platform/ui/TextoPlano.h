#pragma once

#include <QString>

class QCoreApplication;

namespace ui {

// A catalogue or header text as the caption of a button or check box: every '&'
// shows as itself and none becomes a keyboard shortcut.
QString SinAtajos(const QString& texto);

// A stored name as a place one line high shows it: each line break (CR+LF, LF or CR)
// as one blank, so that the whole name shows on the line instead of its first line
// alone, or of lines squeezed into one line's height.
QString EnUnaLinea(const QString& texto);

// The rich text that shows a plain text exactly as it stands: tags, '&', runs of
// blanks and line breaks (CR+LF, LF or CR) included.
QString ComoTextoPlano(const QString& texto);

// Every tooltip of the program shows its text as it stands. Left alone, the toolkit
// would take a stored definition such as "<h1>Ventilación</h1>" for rich text.
void InstalarAyudasPlanas(QCoreApplication* aplicacion);

} // namespace ui
