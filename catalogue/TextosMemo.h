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

// One line the memo shows. A line that `continua` the one above it is where the memo
// wrapped a line of the text wider than itself, at a blank or anywhere else (after a
// hyphen or a slash, between two emoji, inside a long address).
struct LineaMemo
{
    QString texto;
    bool continua = false;
};

// The lines the memo shows: its text's own line breaks (Enter, Shift+Enter) and, inside
// a line wider than the memo, each wrapped line, with every character where it stood.
QList<LineaMemo> LineasMemo(const QPlainTextEdit* memo);

// Empty once trimmed of the characters of code 32 or less at both ends (`Recortar`).
bool EnBlanco(const QString& texto);

// Both joins first put each wrapped line back together as the text stood, so that a
// save without an edit keeps what the memo showed; their rules then act on the text's
// own lines. Both skip blank lines. The plain join takes line 0 as it is and appends
// every later line after one space.
QString UnirLineas(const QList<LineaMemo>& lineas);
// This one trims line 0 and appends every later line directly when it starts with a
// space, otherwise after one space.
QString UnirLineasRecortandoPrimera(const QList<LineaMemo>& lineas);

// Puts a stored text into an emptied memo; its line breaks may be CR+LF, LF or CR.
// With `quitarFinalesEnBlanco`, blank lines at its end are left out (blank lines
// between others stay).
void CargarTextoMemo(QPlainTextEdit* memo, const QString& texto, bool quitarFinalesEnBlanco);
