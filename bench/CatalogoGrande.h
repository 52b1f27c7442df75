#pragma once

#include <QString>

namespace testing {
class TestDb;
}

namespace bench {

// One interest group with one dimension of `subdimensiones` subdimensions sharing
// `medidas` perception measures evenly; every third measure is key, every fourth asks
// yes/no. Texts are as long as the catalogue's own. One header with a logo.
void CrearCatalogoGrande(testing::TestDb& db, int subdimensiones, int medidas);

// Drives the wizard from "Nueva" to step 3 for the given radio-group items, as the
// user's choices would; with `hasta` 1 or 2 it stops at step 1 with the header shown
// or at step 2 with both choices made.
void AbrirPaso3(int cabecera, int grupo, int dimension, int hasta = 3);

// Shows the view at list position `vista` as the user's choice does.
void ElegirVista(int vista);

} // namespace bench
