#pragma once

class QComboBox;
class QGroupBox;
class QPlainTextEdit;

// The box in which a perception measure is typed or corrected: its definition, key
// flag, question and answer type, on the panel colour with white bold captions.
void PrepararFichaMedida(QGroupBox* ficha, QPlainTextEdit* definicion, QPlainTextEdit* pregunta,
                         QComboBox* tipoRespuesta);
