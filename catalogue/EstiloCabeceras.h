#pragma once

class QColor;
class QComboBox;
class QLabel;
class QWidget;

// The look the header windows share: a navy ground with white texts in "MS Sans
// Serif" 11 pixels; edits and buttons keep the system's colours.
void AspectoVentana(QWidget* ventana);

// A panel's ground and its texts (white); the controls on it keep their own colours.
void PintarFondo(QWidget* panel, const QColor& fondo);

// The underlined bold title at the top of a window.
void AspectoTitulo(QLabel* titulo);

// The centre list of the header windows: its title and the list itself, panel
// coloured with a bold white font.
void AspectoLista(QLabel* titulo, QComboBox* lista);
