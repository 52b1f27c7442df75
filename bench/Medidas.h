#pragma once

#include <QString>
#include <functional>
#include <vector>

// What the benchmarks and the look programs share: times, medians, the peak memory,
// the preview that an action opens, and pictures of the screen.
namespace bench {

double Milisegundos(qint64 nanos);
double Mediana(std::vector<double> valores);

// The largest resident set of the process so far (or since ReiniciarMemoriaPico), and
// the resident set now, in megabytes.
double MemoriaPicoMB();
double MemoriaResidenteMB();
// Starts the peak over from the resident set now, so that each stage of a run reads
// its own.
void ReiniciarMemoriaPico();

// Runs `accion`, which opens a report's preview and returns once it closes; the time
// until the preview has painted its page for the first time (what the user sees), after
// which the preview is closed. -1 when no preview painted.
double HastaLaVistaPrevia(const std::function<void()>& accion);

// Lets the windows take what the last action left pending (repaints, the X server's
// answers) for `milisegundos`, so that it does not fall into the next measure.
void Asentar(int milisegundos = 60);

// Lets the windows settle and paint.
void Esperar();
// Saves a picture of the whole screen once the windows have settled.
bool GuardarPantalla(const QString& ruta);

} // namespace bench
