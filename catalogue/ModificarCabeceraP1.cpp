#include "ModificarCabeceraP1.h"

#include "EstiloCabeceras.h"
#include "ListaCentros.h"
#include "ModificarCabeceraP2.h"
#include "platform/ui/Application.h"
#include "platform/ui/MdiHost.h"

#include <memory>

QPointer<TF_ModificarCabecera> F_ModificarCabecera;

TF_ModificarCabecera::TF_ModificarCabecera(QObject* owner)
    : TVentanaCabecera(owner, QSize(670, 170))
{
    setupUi(this);
    FormCreate();
}

void TF_ModificarCabecera::Abrir()
{
    F_ModificarCabecera = new TF_ModificarCabecera(ui::ApplicationObject());
    F_ModificarCabecera->Mostrar();
}

void TF_ModificarCabecera::FormCreate()
{
    AspectoVentana(this);
    AspectoLista(Label1, CB_Cabecera);
    CargarCB_Centros();
    B_Siguiente->setEnabled(false);
}

void TF_ModificarCabecera::CargarCB_Centros()
{
    CargarListaCentros(CB_Cabecera, VCodCabecera);
}

void TF_ModificarCabecera::CB_CabeceraSelect(int indice)
{
    ElegirCentro(CB_Cabecera, indice, B_Siguiente);
}

void TF_ModificarCabecera::B_SiguienteClick()
{
    const int indice = CB_Cabecera->currentIndex();
    if (indice < 0 || size_t(indice) >= VCodCabecera.size())
        return;
    // Until it is shown, step 2 is this handler's: a header that cannot be loaded
    // leaves no hidden window behind.
    std::unique_ptr<TF_ModificarCabeceraP2> paso2(
        new TF_ModificarCabeceraP2(ui::ApplicationObject()));
    paso2->InsertarCodCab(VCodCabecera[size_t(indice)]);
    paso2->CargarCabecera();
    ui::CloseForm(this);
    paso2.release()->Mostrar();
}
