// Opens a perception-measure window on the database of the current directory's
// "Dimarvolteca.ini", with its first choices made, and saves a picture of the screen:
//   medidas_look crear|modificar|borrar salida.png
// "crear" stops at step 2 with a subdimension chosen, "modificar" at step 2 with the
// first measure loaded, "borrar" with the lists chosen down to the measures. Run on a
// real X display (QT_QPA_PLATFORM=xcb under Xvfb).

#include "Medidas.h"
#include "Programa.h"
#include "catalogue/BorrarMPP1.h"
#include "catalogue/CascadaMedidas.h"
#include "catalogue/CrearMPP1.h"
#include "catalogue/CrearMPP2.h"
#include "catalogue/ModificarMPP1.h"
#include "platform/ui/Application.h"
#include "platform/ui/RadioGroup.h"
#include "shell/MAIN.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <cstdio>

namespace {

void Elegir(QComboBox* lista, int indice)
{
    lista->setCurrentIndex(indice);
    emit lista->activated(indice);
}

// Down the four lists to the first measure with something in every list.
void ElegirMedida(TCascadaMedidas* cascada)
{
    const TControlesCascada& c = cascada->Controles();
    for (QComboBox* lista : {c.CB_Personal, c.CB_MP, c.CB_Dimension, c.CB_Indicador})
        if (lista->count() > 0)
            Elegir(lista, 0);
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "uso: medidas_look crear|modificar|borrar salida.png\n");
        return 2;
    }
    const QString ventana = args.at(1);
    if (!bench::AbrirPrograma())
        return 1;

    if (ventana == QLatin1String("crear")) {
        MainForm->M_CrearMedidaClick();
        F_CrearMPP1->RG_Criterio->SetItemIndex(0);
        F_CrearMPP1->RG_Subcriterio->SetItemIndex(0);
        F_CrearMPP1->B_SiguienteClick();
        for (QWidget* w : QApplication::allWidgets())
            if (auto* paso2 = qobject_cast<TF_CrearMPP2*>(w))
                Elegir(paso2->CB_Dimension, 0);
    } else if (ventana == QLatin1String("modificar")) {
        MainForm->M_ModificarMedidaClick();
        ElegirMedida(F_ModificarMPP1->Cascada);
        F_ModificarMPP1->B_SiguienteClick();
    } else {
        MainForm->M_BorrarMedidaClick();
        ElegirMedida(F_BorrarMPP1->Cascada);
    }

    const bool hecho = bench::GuardarPantalla(args.at(2));
    MainForm->close();
    ui::ReleaseApplicationObject();
    return hecho ? 0 : 1;
}
