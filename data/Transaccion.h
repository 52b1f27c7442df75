#pragma once

#include <functional>

// Runs `escritura` as one transaction on the program's connection: what it writes is
// kept whole when it returns, and undone whole when it throws (the exception goes on
// to the caller, which shows it). Calls do not nest.
void EnTransaccion(const std::function<void()>& escritura);
