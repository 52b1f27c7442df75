// Opens the indicator report's wizard on the database of the current directory's
// "Dimarvolteca.ini" and saves a picture of the screen, so that it can be looked at:
//   informe_look paso1|paso2|informe salida.png [dimension [clave|todos]]
// `dimension` is the item of step 1's list (by name, 0 first); step 2 then ticks the
// key items or all of them; "informe" presses FINALIZAR and saves the preview. Run on a
// real X display (QT_QPA_PLATFORM=xcb under Xvfb).

#include "Medidas.h"
#include "Programa.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Application.h"
#include "reports/ObtenerInformeP1.h"
#include "reports/ObtenerInformeP2.h"
#include "shell/MAIN.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(
            stderr, "uso: informe_look paso1|paso2|informe salida.png [dimension [clave|todos]]\n");
        return 2;
    }
    const QString hasta = args.at(1);
    const QString salida = args.at(2);
    const int dimension = args.value(3, QStringLiteral("0")).toInt();
    const QString seleccion = args.value(4);

    if (!bench::AbrirPrograma())
        return 1;

    MainForm->Obtener1->trigger();
    TF_ObtenerInformeP1* paso1 = F_ObtenerInformeP1;
    paso1->CB_Dimension->setCurrentIndex(dimension);
    emit paso1->CB_Dimension->activated(dimension);
    bool hecho = false;
    if (hasta == QLatin1String("paso1")) {
        hecho = bench::GuardarPantalla(salida);
    } else {
        paso1->B_Siguiente->click();
        TF_ObtenerInformeP2* paso2 = F_ObtenerInformeP2;
        if (seleccion == QLatin1String("clave"))
            paso2->CB_SoloClave->setChecked(true);
        else if (seleccion == QLatin1String("todos"))
            paso2->CB_Todos->setChecked(true);
        if (hasta == QLatin1String("paso2")) {
            hecho = bench::GuardarPantalla(salida);
        } else {
            // The preview runs its own loop: the picture is taken from inside it.
            std::function<void()> mirar = [&] {
                QWidget* vista = report::FindPreviewWindow();
                if (vista && vista->isVisible()) {
                    hecho = bench::GuardarPantalla(salida);
                    vista->close();
                } else {
                    QTimer::singleShot(50, mirar);
                }
            };
            QTimer::singleShot(50, mirar);
            paso2->B_Aceptar->click();
        }
    }
    MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::ReleaseApplicationObject();
    if (!hecho)
        std::fprintf(stderr, "No se ha podido guardar %s\n", qPrintable(salida));
    return hecho ? 0 : 1;
}
