// Opens the indicator report's wizard on the database of the current directory's
// "Dimarvolteca.ini" and saves a picture of the screen, so that it can be looked at:
//   informe_look paso1|paso2|informe|imprimir|imprimir-copias salida.png [dimension [...]]
// `dimension` is the item of step 1's list (by name, 0 first); step 2 then ticks the
// key items or all of them; "informe" presses FINALIZAR and saves the preview;
// "imprimir" then presses the preview's print button and saves the print dialog, its
// options shown ("imprimir-copias": its copies and pages). Run on a real X display
// (QT_QPA_PLATFORM=xcb under Xvfb).

#include "Medidas.h"
#include "Programa.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Application.h"
#include "reports/ObtenerInformeP1.h"
#include "reports/ObtenerInformeP2.h"
#include "shell/MAIN.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr,
                     "uso: informe_look paso1|paso2|informe|imprimir|imprimir-copias salida.png "
                     "[dimension [clave|todos]]\n");
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
            // The preview and the print dialog run their own loops: the picture is taken
            // from inside them.
            std::function<void()> dialogo = [&] {
                auto* imprimir = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!imprimir) {
                    QTimer::singleShot(50, dialogo);
                    return;
                }
                for (QPushButton* boton : imprimir->findChildren<QPushButton*>())
                    if (boton->text().startsWith(QLatin1String("&Opciones")))
                        boton->click();
                if (auto* pestanyas = imprimir->findChild<QTabWidget*>(QStringLiteral("tabs")))
                    pestanyas->setCurrentIndex(
                        hasta == QLatin1String("imprimir-copias") ? 0 : pestanyas->count() - 1);
                hecho = bench::GuardarPantalla(salida);
                imprimir->reject();
            };
            std::function<void()> mirar = [&] {
                QWidget* vista = report::FindPreviewWindow();
                if (!vista || !vista->isVisible()) {
                    QTimer::singleShot(50, mirar);
                } else if (hasta.startsWith(QLatin1String("imprimir"))) {
                    QTimer::singleShot(50, dialogo);
                    if (QAction* imprimir = vista->findChild<QAction*>(QStringLiteral("Print")))
                        imprimir->trigger();
                    vista->close();
                } else {
                    hecho = bench::GuardarPantalla(salida);
                    vista->close();
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
