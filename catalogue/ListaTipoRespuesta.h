#pragma once

class QComboBox;

// The list "Tipo respuesta:" of the measure and indicator windows. Its item index is
// the answer scale stored with a question: 0 "NIVELES 1..5", 1 "SI/NO". The user may
// type into it, but typed text is never added as an item, and only an item counts.

// Fills the list with the two answer scales, none chosen, in its look: white bold
// text on the lists' light blue.
void CargarTiposRespuesta(QComboBox* lista);

// The chosen scale; -1 when none is chosen or the typed text names no item.
int TipoRespuestaElegido(const QComboBox* lista);

// Shows a stored scale: 0 as "NIVELES 1..5", every other value as "SI/NO", as the
// questionnaire prints it.
void MostrarTipoRespuesta(QComboBox* lista, int tipo);

// Leaves no scale chosen and the edit part empty.
void QuitarTipoRespuesta(QComboBox* lista);
