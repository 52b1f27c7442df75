#pragma once

#include <QByteArray>
#include <QList>

namespace fuzzing {

// Once per run: the application, an empty database of the program's schema in a
// temporary folder, the database module on it, and every message box answered at once.
// The current folder stays the caller's.
void PrepareProgram(int* argc, char*** argv);

// The input cut at each `separator`, at most `max` pieces, the last keeping the rest.
QList<QByteArray> Pieces(const QByteArray& input, char separator, int max);

} // namespace fuzzing
