// Opens the questionnaire wizard on the database of the current directory's
// "Dimarvolteca.ini" and leaves a step on screen, so that it can be looked at:
//   survey_step3_look [grupo dimension vista [clave|todos]]
// grupo and dimension are the items of step 2's radio groups, vista the list position
// of step 3 (0 = all). DIMARVOLTECA_PASO=1 or 2 stops at step 1 (header shown) or at
// step 2 (choices made) instead; the window stays for DIMARVOLTECA_SEGUNDOS seconds
// (10 by default). DIMARVOLTECA_MIRAR=lista opens the step's list, =dialogo the
// open dialog of "Abrir", =mensaje a warning box, =restaurar opens the step with the
// main window maximised and then gives the main window back its normal size (see
// capture-look).

#include "CatalogoGrande.h"
#include "Programa.h"

#include "data/General.h"
#include "platform/ui/Application.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP1.h"
#include "survey/CrearEncuestaP3.h"

#include <QCheckBox>
#include <QTimer>
#include <cstdio>

namespace {

// What is opened on top of the step, once the message loop runs.
void Mirar(const QString& que, int paso)
{
    if (que == QLatin1String("lista")) {
        if (paso >= 3 && F_CrearEncuestaP3)
            F_CrearEncuestaP3->CB_Dimension->showPopup();
        else if (F_CrearEncuestaP1) {
            F_CrearEncuestaP1->B_Atras->click();
            F_CrearEncuestaP1->CB_Cabecera->showPopup();
        }
    } else if (que == QLatin1String("dialogo")) {
        MainForm->FileOpen1Execute();
    } else if (que == QLatin1String("mensaje")) {
        TDM_General::MensajeError(QStringLiteral("Debe seleccionar un grupo de interés"));
    } else if (que == QLatin1String("restaurar")) {
        MainForm->showNormal();
    }
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto numero = [&args](int i, int porDefecto) {
        return args.size() > i ? args.at(i).toInt() : porDefecto;
    };

    const QString mirar = qEnvironmentVariable("DIMARVOLTECA_MIRAR");
    if (!bench::AbrirPrograma(mirar == QLatin1String("restaurar")))
        return 1;
    const int paso = qEnvironmentVariableIsSet("DIMARVOLTECA_PASO")
                         ? qEnvironmentVariableIntValue("DIMARVOLTECA_PASO")
                         : 3;
    if (paso > 0)
        bench::AbrirPaso3(0, numero(1, 0), numero(2, 0), paso);
    if (paso >= 3) {
        if (!F_CrearEncuestaP3) {
            std::fprintf(stderr, "No se ha llegado al paso 3.\n");
            return 1;
        }
        bench::ElegirVista(numero(3, 0));
        const QString seleccion = args.value(4);
        if (seleccion == QLatin1String("clave"))
            F_CrearEncuestaP3->CB_SoloClave->setChecked(true);
        else if (seleccion == QLatin1String("todos"))
            F_CrearEncuestaP3->CB_Todos->setChecked(true);
    }

    if (!mirar.isEmpty())
        QTimer::singleShot(500, MainForm, [mirar, paso] { Mirar(mirar, paso); });

    const int segundos = qEnvironmentVariableIsSet("DIMARVOLTECA_SEGUNDOS")
                             ? qEnvironmentVariableIntValue("DIMARVOLTECA_SEGUNDOS")
                             : 10;
    QTimer::singleShot(segundos * 1000, MainForm, &QWidget::close);
    const int resultado = app.exec();
    ui::ReleaseApplicationObject();
    return resultado;
}
