#pragma once

#include "data/General.h"

#include <QString>
#include <QStringList>

class QPlainTextEdit;

// The definition and question memos of the measure and indicator windows: what the
// user typed, the lines the memo shows, and the two ways of joining those lines
// into the one line the catalogue stores.

// Sets a memo up as the windows use it: black bold text; words wrap at its width (a word wider than
// the memo breaks anywhere), no length limit, Tab moves on to the next control.
void PrepararMemo(QPlainTextEdit* memo);

// The memo's whole text as typed: a carriage return and line feed wherever the user
// started a new line, nothing trimmed, no line break added at the end.
QString TextoMemo(const QPlainTextEdit* memo);

// The lines the memo shows: its own line breaks and, inside a paragraph wider than
// the memo, each wrapped line, without the space at which it wraps (either join puts
// it back).
QStringList LineasMemo(const QPlainTextEdit* memo);

// Empty once trimmed of the characters of code 32 or less at both ends (`Recortar`).
bool EnBlanco(const QString& texto);

// Both joins skip blank lines. The plain join takes line 0 as it is and appends
// every later line after one space.
QString UnirLineas(const QStringList& lineas);
// This one trims line 0 and appends every later line directly when it starts with a
// space, otherwise after one space.
QString UnirLineasRecortandoPrimera(const QStringList& lineas);

// Puts a stored text into an emptied memo; its line breaks may be CR+LF, LF or CR.
// With `quitarFinalesEnBlanco`, blank lines at its end are left out (blank lines
// between others stay).
void CargarTextoMemo(QPlainTextEdit* memo, const QString& texto, bool quitarFinalesEnBlanco);
