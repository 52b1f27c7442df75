#include "Startup.h"
#include "platform/ui/Application.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// What the toolkit says while it opens the screen, held back until it has opened one.
struct TAviso
{
    QtMsgType tipo;
    QByteArray categoria;
    QString texto;
};
std::vector<TAviso>* g_avisos = nullptr;

// Without a graphical session (no DISPLAY, or one with no server behind it) the toolkit
// ends the process as the application object is made, in English and with a core
// dump. The program says why in Spanish instead, with the toolkit's words as detail.
void MientrasAbrePantalla(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto)
{
    if (tipo != QtFatalMsg) {
        g_avisos->push_back({tipo, QByteArray(contexto.category), texto});
        return;
    }
    QString detalle;
    for (const TAviso& aviso : *g_avisos)
        detalle += aviso.texto.trimmed() + QLatin1Char('\n');
    if (detalle.isEmpty())
        detalle = texto.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n');
    std::fputs(qUtf8Printable(QStringLiteral("Dimarvolteca necesita una sesión gráfica y no ha "
                                             "podido abrir la pantalla. Inícielo desde el "
                                             "escritorio.\nDetalle técnico: ") +
                              detalle),
               stderr);
    std::fflush(stderr);
    // Nothing may unwind from inside the toolkit's half-made application object.
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<TAviso> avisos;
    g_avisos = &avisos;
    const QtMessageHandler anterior = qInstallMessageHandler(MientrasAbrePantalla);
    ui::TApplication app(argc, argv);
    qInstallMessageHandler(anterior);
    for (const TAviso& aviso : avisos)
        qt_message_output(aviso.tipo,
                          QMessageLogContext(nullptr, 0, nullptr, aviso.categoria.constData()),
                          aviso.texto);
    return shell::RunApplication();
}
