#pragma once

// The main window's lock of its work commands, seen from the header windows.
void BloquearMenus();
void DesbloquearMenus();

// A work command of the main window: the work commands are locked before the window
// is made, and unlocked again when making it fails, so that an error never leaves
// every command disabled with no window open.
template <typename Crear> void AbrirConBloqueo(Crear crear)
{
    BloquearMenus();
    try {
        crear();
    } catch (...) {
        DesbloquearMenus();
        throw;
    }
}
