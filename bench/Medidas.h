#pragma once

#include <QString>
#include <functional>
#include <vector>

// What the benchmarks and the look programs share: times, medians, the peak memory,
// the preview that an action opens, and pictures of the screen.
namespace bench {

double Milisegundos(qint64 nanos);
double Mediana(std::vector<double> valores);

// The largest resident set of the process so far, in megabytes.
double MemoriaPicoMB();

// Runs `accion`, which opens a report's preview and returns once it closes; the time
// until the preview shows, which is then closed.
double HastaLaVistaPrevia(const std::function<void()>& accion);

// Lets the windows settle and paint.
void Esperar();
// Saves a picture of the whole screen once the windows have settled.
bool GuardarPantalla(const QString& ruta);

} // namespace bench
