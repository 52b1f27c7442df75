#include "BorrarCabecera.h"

#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"

QPointer<TF_BorrarCabecera> F_BorrarCabecera;

TF_BorrarCabecera::TF_BorrarCabecera(QObject* owner) : TVentanaListaCentros(owner, QSize(670, 179))
{
    setupUi(this);
    ui::Connect(CB_Cabecera, &QComboBox::activated, this, &TF_BorrarCabecera::CB_CabeceraSelect);
    ui::Connect(B_Borrar, &QPushButton::clicked, this, &TF_BorrarCabecera::B_BorrarClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_BorrarCabecera::B_SalirClick);
    FormCreate(Label1, CB_Cabecera, B_Borrar);
}

void TF_BorrarCabecera::Abrir()
{
    F_BorrarCabecera = new TF_BorrarCabecera(ui::ApplicationObject());
    F_BorrarCabecera->Mostrar();
}

void TF_BorrarCabecera::B_BorrarClick()
{
    const std::optional<int> codigo = CodigoElegido();
    if (!codigo)
        return;
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("DELETE FROM CabeceraEncuesta WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), *codigo);
    DM_BdatosADO->ActivarQInsertUpdate();
    TDM_General::MensajeOK(QStringLiteral("La cabecera ha sido borrada"));
    ui::CloseForm(this);
}
