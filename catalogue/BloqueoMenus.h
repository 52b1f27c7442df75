#pragma once

// Gives the main window's work commands back, when there is a main window.
void DesbloquearMenus();
