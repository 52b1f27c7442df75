#pragma once

class QComboBox;

namespace ui {

// A list whose drop-down shows at most `filas` rows, with a scroll bar for the rest.
// Left alone, the toolkit's own style opens a list the user cannot type into as a
// menu of every item, however long, and the row count goes unheeded. Call it after the
// list's colours are set: it adds to the list's style sheet.
void FilasDesplegadas(QComboBox* lista, int filas);

} // namespace ui
