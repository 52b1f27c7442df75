#include "CrearEncuestaP2.h"

#include "CrearEncuestaP1.h"
#include "CrearEncuestaP3.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "data/GrupoDimension.h"
#include "data/ListasCodigos.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/OrdenTabulacion.h"

#include <QCloseEvent>

QPointer<TF_CrearEncuestaP2> F_CrearEncuestaP2;
std::vector<int> VCodCriterio;
std::vector<int> VCodSubcriterio;

namespace {

const QSize kTamanyo(740, 579);

} // namespace

TF_CrearEncuestaP2::TF_CrearEncuestaP2(QObject* owner)
{
    ui::SetUpWorkWindow(this, owner);
    setupUi(this);
    ui::Connect(RG_Criterio, &ui::TRadioGroup::Click, this, &TF_CrearEncuestaP2::RG_CriterioClick);
    ui::Connect(B_Siguiente, &QPushButton::clicked, this, &TF_CrearEncuestaP2::B_SiguienteClick);
    ui::Connect(B_Atras, &QPushButton::clicked, this, &TF_CrearEncuestaP2::B_AtrasClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_CrearEncuestaP2::B_SalirClick);
    FormCreate();
}

void TF_CrearEncuestaP2::FormCreate()
{
    resize(kTamanyo);
    ui::PaintBackground(this, ui::Navy());
    AspectoGrupoDimension(RG_Criterio, RG_Subcriterio);
    CargarGruposInteres(RG_Criterio, VCodCriterio);
    // The groups' buttons are made at run time: they take their group's place.
    ui::OrdenTabulacion(this, {RG_Criterio, RG_Subcriterio, B_Atras, B_Siguiente, B_Salir});
}

void TF_CrearEncuestaP2::RG_CriterioClick()
{
    CargarDimensionesDelGrupo(CodigoElegido(VCodCriterio, RG_Criterio->ItemIndex()), RG_Subcriterio,
                              VCodSubcriterio);
}

void TF_CrearEncuestaP2::B_SiguienteClick()
{
    if (!GrupoYDimensionElegidos(RG_Criterio, RG_Subcriterio))
        return;
    const int criterio = CodigoElegido(VCodCriterio, RG_Criterio->ItemIndex());
    const int subcriterio = CodigoElegido(VCodSubcriterio, RG_Subcriterio->ItemIndex());

    if (F_CrearEncuestaP3 && criterio == CodCriterioAnterior &&
        subcriterio == CodSubcriterioAnterior) {
        EsconderForm();
        F_CrearEncuestaP3->EnsenyarForm();
        return;
    }

    if (F_CrearEncuestaP3) {
        F_CrearEncuestaP3->LiberarVectores();
        F_CrearEncuestaP3->Retirar();
    }
    F_CrearEncuestaP3 = new TF_CrearEncuestaP3(ui::ApplicationObject());
    CodCriterioAnterior = criterio;
    CodSubcriterioAnterior = subcriterio;

    // Step 3 opens this statement itself when it loads its list.
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT codigo, cod_criterio, cod_subcriterio, definicion FROM Dimension WHERE "
        "cod_criterio= :codigo_cri AND cod_subcriterio= :codigo_subcri order by definicion asc"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo_cri"), CodCriterioAnterior);
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo_subcri"), CodSubcriterioAnterior);
    F_CrearEncuestaP3->CargarCBDimension();

    EsconderForm();
    F_CrearEncuestaP3->EnsenyarForm();
}

void TF_CrearEncuestaP2::B_AtrasClick()
{
    if (!F_CrearEncuestaP1)
        return;
    EsconderForm();
    F_CrearEncuestaP1->EnsenyarForm();
}

void TF_CrearEncuestaP2::B_SalirClick()
{
    // Closing step 1 also frees this window, which it owns.
    QPointer<TF_CrearEncuestaP2> self(this);
    if (F_CrearEncuestaP1)
        ui::CloseForm(F_CrearEncuestaP1);
    if (self)
        ui::CloseForm(this);
}

void TF_CrearEncuestaP2::EsconderForm()
{
    ui::HideMdiChild(this);
}

void TF_CrearEncuestaP2::EnsenyarForm()
{
    ui::ShowMdiChild(this, kTamanyo);
}

bool TF_CrearEncuestaP2::focusNextPrevChild(bool next)
{
    return ui::Tabular(this, next) || QWidget::focusNextPrevChild(next);
}

void TF_CrearEncuestaP2::closeEvent(QCloseEvent* event)
{
    ui::habilitarMenus();
    if (F_CrearEncuestaP2 == this)
        F_CrearEncuestaP2 = nullptr;
    event->accept();
}
