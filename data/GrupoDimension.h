#pragma once

#include <vector>

namespace ui {
class TRadioGroup;
}

// The two radio groups that the questionnaire wizard and the creation of perception
// measures start from: the interest groups by name, then the dimensions of the
// chosen group by name, each item's code beside it.

// Panel coloured, with the items in plain white text.
void AspectoGrupoDimension(ui::TRadioGroup* grupos, ui::TRadioGroup* dimensiones);
void CargarGruposInteres(ui::TRadioGroup* grupos, std::vector<int>& codigos);
void CargarDimensionesDelGrupo(int codCriterio, ui::TRadioGroup* dimensiones,
                               std::vector<int>& codigos);

// Both chosen; otherwise the warning for the first one missing.
bool GrupoYDimensionElegidos(const ui::TRadioGroup* grupos, const ui::TRadioGroup* dimensiones);
