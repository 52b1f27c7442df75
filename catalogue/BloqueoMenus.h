#pragma once

// The main window's lock of its work commands, seen from the header windows.
void BloquearMenus();
void DesbloquearMenus();
