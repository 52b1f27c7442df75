#include "CrearMPP1.h"

#include "CrearMPP2.h"
#include "EstiloCabeceras.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "data/ListasCodigos.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"

#include <memory>

QPointer<TF_CrearMPP1> F_CrearMPP1;

TF_CrearMPP1::TF_CrearMPP1(QObject* owner) : TVentanaCabecera(owner, QSize(740, 579))
{
    setupUi(this);
    ui::Connect(RG_Criterio, &ui::TRadioGroup::Click, this, &TF_CrearMPP1::RG_CriterioClick);
    ui::Connect(B_Siguiente, &QPushButton::clicked, this, &TF_CrearMPP1::B_SiguienteClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_CrearMPP1::B_SalirClick);
    FormCreate();
}

void TF_CrearMPP1::Abrir()
{
    F_CrearMPP1 = new TF_CrearMPP1(ui::ApplicationObject());
    F_CrearMPP1->Mostrar();
}

void TF_CrearMPP1::FormCreate()
{
    AspectoVentana(this);
    for (ui::TRadioGroup* grupo : {RG_Criterio, RG_Subcriterio}) {
        ui::PaintBackground(grupo, ui::PanelColor());
        ui::SetTextLook(grupo, -13, false);
    }
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, definicion FROM Criterio order by definicion asc"));
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(RG_Criterio, VCodCriterio);
}

void TF_CrearMPP1::RG_CriterioClick()
{
    if (RG_Criterio->ItemIndex() == -1)
        return;
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, definicion FROM Subcriterio WHERE cod_criterio= "
                       ":codigocri ORDER BY definicion ASC"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigocri"),
                                          CodigoElegido(VCodCriterio, RG_Criterio->ItemIndex()));
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(RG_Subcriterio, VCodSubcriterio);
}

void TF_CrearMPP1::B_SiguienteClick()
{
    if (RG_Criterio->ItemIndex() == -1) {
        TDM_General::MensajeError(QStringLiteral("Debe seleccionar un grupo de interés"));
        return;
    }
    if (RG_Subcriterio->ItemIndex() == -1) {
        TDM_General::MensajeError(QStringLiteral("Debe seleccionar una dimensión"));
        return;
    }
    // Until it is shown, step 2 is this handler's: a list that cannot be loaded
    // leaves no hidden window behind.
    std::unique_ptr<TF_CrearMPP2> paso2(new TF_CrearMPP2(ui::ApplicationObject()));
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT codigo, cod_criterio, cod_subcriterio, definicion FROM Dimension WHERE "
        "cod_criterio= :codigo_cri AND cod_subcriterio= :codigo_subcri order by definicion desc"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo_cri"),
                                          CodigoElegido(VCodCriterio, RG_Criterio->ItemIndex()));
    DM_BdatosADO->InsertarParametroEntero(
        QStringLiteral("codigo_subcri"),
        CodigoElegido(VCodSubcriterio, RG_Subcriterio->ItemIndex()));
    ui::CloseForm(this);
    paso2->CargarCBDimension();
    paso2.release()->Mostrar();
}
