#include "CrearMPP1.h"

#include "CrearMPP2.h"
#include "EstiloCabeceras.h"
#include "data/BdatosADO.h"
#include "data/GrupoDimension.h"
#include "data/ListasCodigos.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/OrdenTabulacion.h"

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
    AspectoGrupoDimension(RG_Criterio, RG_Subcriterio);
    CargarGruposInteres(RG_Criterio, VCodCriterio);
    // The groups' buttons are made at run time: they take their group's place.
    ui::OrdenTabulacion(this, {RG_Criterio, RG_Subcriterio, B_Siguiente, B_Salir});
}

void TF_CrearMPP1::RG_CriterioClick()
{
    if (RG_Criterio->ItemIndex() == -1)
        return;
    CargarDimensionesDelGrupo(CodigoElegido(VCodCriterio, RG_Criterio->ItemIndex()), RG_Subcriterio,
                              VCodSubcriterio);
}

void TF_CrearMPP1::B_SiguienteClick()
{
    if (!GrupoYDimensionElegidos(RG_Criterio, RG_Subcriterio))
        return;
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
