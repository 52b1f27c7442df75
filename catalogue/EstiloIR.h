#pragma once

class QComboBox;
class QGroupBox;
class QPlainTextEdit;

// The look of the performance-indicator windows, on the navy ground of every work
// window: their panels in the caption gradient's light blue, white bold texts.
void AspectoPanelIR(QGroupBox* panel, int altura);

// The definition and question memos: black bold text on white.
void AspectoMemoIR(QPlainTextEdit* memo);

// The interest-group and answer-type lists: white bold text on lilac.
void AspectoListaIR(QComboBox* lista, int altura);
