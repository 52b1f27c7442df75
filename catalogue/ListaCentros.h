#pragma once

#include <vector>

class QComboBox;
class QPushButton;

// The centre list shared by the header-modification and header-deletion windows:
// every stored header by centre name, its code at the same position in `codigos`.
void CargarListaCentros(QComboBox* lista, std::vector<int>& codigos);

// A centre chosen in the list: the tooltip shows it whole and the window's action
// button becomes available and takes the focus.
void ElegirCentro(QComboBox* lista, int indice, QPushButton* accion);
