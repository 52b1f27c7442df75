#include "BorrarCabecera.h"

#include "EstiloCabeceras.h"
#include "ListaCentros.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/ui/Application.h"
#include "platform/ui/MdiHost.h"

QPointer<TF_BorrarCabecera> F_BorrarCabecera;

TF_BorrarCabecera::TF_BorrarCabecera(QObject* owner) : TVentanaCabecera(owner, QSize(670, 179))
{
    setupUi(this);
    FormCreate();
}

void TF_BorrarCabecera::Abrir()
{
    F_BorrarCabecera = new TF_BorrarCabecera(ui::ApplicationObject());
    F_BorrarCabecera->Mostrar();
}

void TF_BorrarCabecera::FormCreate()
{
    AspectoVentana(this);
    AspectoLista(Label1, CB_Cabecera);
    CargarCB_Centros();
    B_Borrar->setEnabled(false);
}

void TF_BorrarCabecera::CargarCB_Centros()
{
    CargarListaCentros(CB_Cabecera, VCodCabecera);
}

void TF_BorrarCabecera::CB_CabeceraSelect(int indice)
{
    ElegirCentro(CB_Cabecera, indice, B_Borrar);
}

void TF_BorrarCabecera::B_BorrarClick()
{
    const int indice = CB_Cabecera->currentIndex();
    if (indice < 0 || size_t(indice) >= VCodCabecera.size())
        return;
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("DELETE FROM CabeceraEncuesta WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), VCodCabecera[size_t(indice)]);
    DM_BdatosADO->ActivarQInsertUpdate();
    TDM_General::MensajeOK(QStringLiteral("La cabecera ha sido borrada"));
    ui::CloseForm(this);
}
