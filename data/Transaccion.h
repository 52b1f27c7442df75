#pragma once

#include <QString>
#include <functional>

// Runs `escritura` as one transaction on the program's connection: what it writes is
// kept whole when it returns, and undone whole when it throws (the exception goes on
// to the caller, which shows it). Calls do not nest.
void EnTransaccion(const std::function<void()>& escritura);

// The same for a writing that may decide to give up: what it wrote is kept when it
// returns true, and undone when it returns false or throws. Returns its answer.
bool EnTransaccionSi(const std::function<bool()>& escritura);

// The key of a new row: the table's greatest key, read by `sqlMaximo` (a "SELECT
// max(codigo) FROM ..."), plus one; an empty table gives 1. Read inside the save's
// transaction, just before the insert.
int SiguienteCodigo(const QString& sqlMaximo);

// Whether the row that a save is about is still there: `sqlFila` selects it by the
// parameter "codigo", bound to `codigo`. Read inside the save's transaction, so that a
// row deleted meanwhile from another window is not written again.
bool FilaExiste(const QString& sqlFila, int codigo);
