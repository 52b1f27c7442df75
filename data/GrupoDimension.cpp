#include "GrupoDimension.h"

#include "BdatosADO.h"
#include "General.h"
#include "ListasCodigos.h"
#include "platform/ui/Look.h"
#include "platform/ui/RadioGroup.h"

void AspectoGrupoDimension(ui::TRadioGroup* grupos, ui::TRadioGroup* dimensiones)
{
    for (ui::TRadioGroup* grupo : {grupos, dimensiones}) {
        ui::PaintBackground(grupo, ui::PanelColor());
        ui::SetTextLook(grupo, -13, false);
    }
}

void CargarGruposInteres(ui::TRadioGroup* grupos, std::vector<int>& codigos)
{
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, definicion FROM Criterio ORDER BY definicion ASC"));
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(grupos, codigos);
}

void CargarDimensionesDelGrupo(int codCriterio, ui::TRadioGroup* dimensiones,
                               std::vector<int>& codigos)
{
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, definicion FROM Subcriterio WHERE cod_criterio= "
                       ":codigocri ORDER BY definicion ASC"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigocri"), codCriterio);
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(dimensiones, codigos);
}

bool GrupoYDimensionElegidos(const ui::TRadioGroup* grupos, const ui::TRadioGroup* dimensiones)
{
    if (grupos->ItemIndex() == -1) {
        TDM_General::MensajeError(QStringLiteral("Debe seleccionar un grupo de interés"));
        return false;
    }
    if (dimensiones->ItemIndex() == -1) {
        TDM_General::MensajeError(QStringLiteral("Debe seleccionar una dimensión"));
        return false;
    }
    return true;
}
