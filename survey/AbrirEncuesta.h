#pragma once

class QWidget;

// "Abrir": asks for a saved questionnaire (".qrp") and shows its pages in the
// print preview. A cancelled dialog does nothing; a file that cannot be shown is
// passed over without a word.
void AbrirEncuestaGuardada(QWidget* dialogParent);
