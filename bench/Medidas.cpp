#include "Medidas.h"

#include "platform/report/preview/StandardPreview.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <sys/resource.h>

namespace bench {

double Milisegundos(qint64 nanos)
{
    return double(nanos) / 1e6;
}

double Mediana(std::vector<double> valores)
{
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

double MemoriaPicoMB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_maxrss) / 1024.0;
}

double HastaLaVistaPrevia(const std::function<void()>& accion)
{
    QElapsedTimer reloj;
    double tiempo = -1;
    std::function<void()> mirar = [&] {
        QWidget* vista = report::FindPreviewWindow();
        if (vista && vista->isVisible()) {
            tiempo = Milisegundos(reloj.nsecsElapsed());
            vista->close();
        } else {
            QTimer::singleShot(0, mirar);
        }
    };
    QTimer::singleShot(0, mirar);
    reloj.start();
    accion();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return tiempo;
}

void Esperar()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
}

bool GuardarPantalla(const QString& ruta)
{
    Esperar();
    return QGuiApplication::primaryScreen()->grabWindow(0).save(ruta);
}

} // namespace bench
