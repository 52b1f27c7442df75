// Opens a performance-indicator window on the database of the current directory's
// "Dimarvolteca.ini" and saves a picture of the screen, so that it can be looked at:
//   indicadores_ir_look crear|pregunta|modificar|borrar|lista salida.png [grupo]
// `grupo` is the item of the interest-group list shown (creation and modification);
// "lista" shows modification step 1 with its list of every indicator dropped down;
// in the creation window every box of the group is ticked and the last one scrolled
// into sight. Run on a real X display (QT_QPA_PLATFORM=xcb under Xvfb).

#include "Medidas.h"
#include "Programa.h"
#include "catalogue/BorrarIR.h"
#include "catalogue/CrearIR.h"
#include "catalogue/CrearIRPregunta.h"
#include "catalogue/ModificarIRP1.h"
#include "catalogue/ModificarIRP2.h"
#include "platform/ui/Application.h"
#include "shell/MAIN.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {

void ElegirGrupo(QComboBox* lista, int g)
{
    lista->setCurrentIndex(g);
    emit lista->activated(g);
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "uso: indicadores_ir_look crear|pregunta|modificar|borrar|lista "
                             "salida.png [grupo]\n");
        return 2;
    }
    const QString ventana = args.at(1);
    const QString salida = args.at(2);
    const int grupo = args.value(3, QStringLiteral("0")).toInt();

    if (!bench::AbrirPrograma())
        return 1;

    bool hecho = false;
    if (ventana == QLatin1String("crear") || ventana == QLatin1String("pregunta")) {
        MainForm->Crear3->trigger();
        TF_CrearIR* f = F_CrearIR;
        f->M_Definicion->setPlainText(QStringLiteral(
            "Porcentaje de alumnado que se declara satisfecho con la orientación recibida"));
        ElegirGrupo(f->CB_GI, grupo);
        for (const TCeldaSubcriterio& c : f->ChecksGI[size_t(grupo)])
            c.CheckBox->setChecked(true);
        if (!f->ChecksGI[size_t(grupo)].empty())
            f->SB_Dimensiones->ensureWidgetVisible(f->ChecksGI[size_t(grupo)].back().CheckBox);
        if (ventana == QLatin1String("crear")) {
            hecho = bench::GuardarPantalla(salida);
        } else {
            f->RB_Encuesta->setChecked(true);
            QTimer::singleShot(200, [&] {
                F_CrearIRPregunta->M_Pregunta->setPlainText(
                    QStringLiteral("¿Está satisfecho con la orientación recibida?"));
                F_CrearIRPregunta->CB_TResp->setCurrentIndex(0);
                hecho = bench::GuardarPantalla(salida);
                F_CrearIRPregunta->B_SalirClick();
            });
            f->B_Insertar->click();
        }
    } else if (ventana == QLatin1String("modificar")) {
        MainForm->M_ModificarIndicador->trigger();
        ElegirGrupo(F_ModificarIR->CB_ModificarIR, 0);
        F_ModificarIR->B_Siguiente->click();
        bench::Esperar();
        ElegirGrupo(F_ModificarIRP2->CB_GI, grupo);
        hecho = bench::GuardarPantalla(salida);
    } else if (ventana == QLatin1String("lista")) {
        MainForm->M_ModificarIndicador->trigger();
        bench::Esperar();
        F_ModificarIR->CB_ModificarIR->showPopup();
        hecho = bench::GuardarPantalla(salida);
        F_ModificarIR->CB_ModificarIR->hidePopup();
    } else if (ventana == QLatin1String("borrar")) {
        MainForm->M_BorrarIndicador->trigger();
        ElegirGrupo(F_BorrarIR->CB_BorrarIR, 0);
        hecho = bench::GuardarPantalla(salida);
    }
    MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::ReleaseApplicationObject();
    if (hecho)
        std::printf("%s\n", qPrintable(salida));
    return hecho ? 0 : 1;
}
