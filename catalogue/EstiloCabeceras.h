#pragma once

class QColor;
class QComboBox;
class QLabel;
class QWidget;

// The look the header windows share: a navy ground with white texts (in the work
// windows' font); edits and buttons keep the system's colours.
void AspectoVentana(QWidget* ventana);

// The underlined bold title at the top of a window.
void AspectoTitulo(QLabel* titulo);

// The centre list of the header windows: its title and the list itself, panel
// coloured with a bold white font.
void AspectoLista(QLabel* titulo, QComboBox* lista);
