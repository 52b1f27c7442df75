#pragma once

namespace bench {

// Starts the program as far as its main window, painted, on the database that
// "Dimarvolteca.ini" in the current folder names; false when it cannot connect. The
// window is maximised, as the look programs show it, or at its own size.
bool AbrirPrograma(bool maximizada = true);

} // namespace bench
