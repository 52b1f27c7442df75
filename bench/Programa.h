#pragma once

namespace bench {

// Starts the program as far as its main window, maximised and painted, on the database
// that "Dimarvolteca.ini" in the current folder names; false when it cannot connect.
bool AbrirPrograma();

} // namespace bench
