#pragma once

namespace testing {
class TestDb;
}

namespace bench {

// Fills PregEncTemp with `cuantas` questions numbered from 1, as FINALIZAR leaves
// them: mixed scales (every third one yes/no), every seventh long enough to wrap
// over three or four lines.
void EscribirPreguntas(testing::TestDb& db, int cuantas);

// The data modules the questionnaire reads, on the database of the current folder,
// with the header of a centre.
void CrearModulosEncuesta();

} // namespace bench
