#pragma once

#include <vector>

class QComboBox;
class QPushButton;

// The list of centres that the questionnaire wizard and the header windows start from:
// every stored header by centre name, its code at the same position in `codigos`, and
// nothing chosen until the user picks a centre.
void CargarListaCentros(QComboBox* lista, std::vector<int>& codigos);

// A centre chosen in the list (`indice` -1: none): the tooltip shows it whole and the
// window's action button becomes available and takes the focus.
void ElegirCentro(QComboBox* lista, int indice, QPushButton* accion);
