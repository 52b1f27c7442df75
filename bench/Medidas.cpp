#include "Medidas.h"

#include "platform/report/preview/StandardPreview.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
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

double MemoriaResidenteMB()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linea : estado.readAll().split('\n'))
        if (linea.startsWith("VmRSS:"))
            return linea.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void ReiniciarMemoriaPico()
{
    QFile peticion(QStringLiteral("/proc/self/clear_refs"));
    if (peticion.open(QIODevice::WriteOnly))
        peticion.write("5");
}

namespace {

// The widget that draws the preview's page: the one in its page area.
bool EsLaPagina(QObject* objeto)
{
    auto* widget = qobject_cast<QWidget*>(objeto);
    if (!widget || !widget->parentWidget())
        return false;
    auto* area = qobject_cast<QScrollArea*>(widget->parentWidget()->parentWidget());
    return area && area->widget() == widget && area->objectName() == QLatin1String("PageArea") &&
           area->window()->objectName() == QLatin1String("TQRStandardPreview");
}

// Stops the clock once the page has painted, then closes its preview.
class TPrimeraPintura : public QObject
{
public:
    explicit TPrimeraPintura(const QElapsedTimer& reloj) : m_reloj(reloj) {}

    double Tiempo = -1;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::Paint || Tiempo >= 0 || !EsLaPagina(objeto))
            return false;
        // The page paints here and now, inside the repaint the event belongs to.
        static_cast<QObject*>(objeto)->event(evento);
        Tiempo = Milisegundos(m_reloj.nsecsElapsed());
        QPointer<QWidget> vista = static_cast<QWidget*>(objeto)->window();
        QTimer::singleShot(0, [vista] {
            if (vista)
                vista->close();
        });
        return true;
    }

private:
    const QElapsedTimer& m_reloj;
};

} // namespace

double HastaLaVistaPrevia(const std::function<void()>& accion)
{
    QElapsedTimer reloj;
    TPrimeraPintura pintura(reloj);
    qApp->installEventFilter(&pintura);
    // A preview that never paints is not waited for forever.
    QTimer guarda;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [] {
        if (QWidget* vista = report::FindPreviewWindow())
            vista->close();
    });
    guarda.start(20000);
    reloj.start();
    accion();
    qApp->removeEventFilter(&pintura);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return pintura.Tiempo;
}

void Asentar(int milisegundos)
{
    QElapsedTimer reloj;
    reloj.start();
    while (reloj.elapsed() < milisegundos) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
