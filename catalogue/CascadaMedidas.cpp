#include "CascadaMedidas.h"

#include "data/BdatosADO.h"
#include "data/ListasCodigos.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Look.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <array>

namespace {

const int kMargenDesplegable = 20;

void Aspecto(const TControlesCascada& c)
{
    const QFont titulo = ui::FontByHeight(QStringLiteral("MS Sans Serif"), 16, true);
    for (QWidget* panel : {c.P_Personal, c.P_MP, c.P_Dimension, c.P_Indicador}) {
        ui::PaintBackground(panel, ui::PanelColor(), Qt::white);
        for (QLabel* etiqueta : panel->findChildren<QLabel*>()) {
            etiqueta->setFont(titulo);
            ui::SetColors(etiqueta, ui::PanelColor(), Qt::white);
        }
    }
    for (QComboBox* lista : {c.CB_Personal, c.CB_MP, c.CB_Dimension, c.CB_Indicador}) {
        const int altura = lista == c.CB_Indicador ? 11 : 12;
        lista->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), altura, true));
        ui::SetListColors(lista, ui::ListColor());
    }
}

} // namespace

TCascadaMedidas::TCascadaMedidas(QWidget* ventana, const TControlesCascada& controles,
                                 const QString& sqlIndicador)
    : QObject(ventana), c(controles), m_sqlIndicador(sqlIndicador)
{
    Aspecto(c);
    // `activated` comes with every choice, the same item again included.
    ui::Connect(c.CB_Personal, &QComboBox::activated, this, &TCascadaMedidas::CB_PersonalSelect);
    ui::Connect(c.CB_MP, &QComboBox::activated, this, &TCascadaMedidas::CB_MPSelect);
    ui::Connect(c.CB_Dimension, &QComboBox::activated, this, &TCascadaMedidas::CB_DimensionSelect);
    ui::Connect(c.CB_Indicador, &QComboBox::activated, this, &TCascadaMedidas::CB_IndicadorSelect);
}

void TCascadaMedidas::Iniciar()
{
    c.P_MP->hide();
    c.P_Dimension->hide();
    c.P_Indicador->hide();
    c.Accion->setEnabled(false);
    CargarCBPersonal();
}

void TCascadaMedidas::CargarCBPersonal()
{
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, definicion FROM Criterio ORDER by definicion asc"));
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(c.CB_Personal, VCodCriterio, kMargenDesplegable);
}

void TCascadaMedidas::CargarCB_MP()
{
    CodCriterioSel = CodigoElegido(VCodCriterio, c.CB_Personal->currentIndex());
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, definicion FROM Subcriterio WHERE "
                       "cod_criterio=:cod_criterio ORDER by definicion asc"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_criterio"), CodCriterioSel);
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(c.CB_MP, VCodSubcriterio, kMargenDesplegable);
}

void TCascadaMedidas::Cargar_CBDimension()
{
    CodSubcriterioSel = CodigoElegido(VCodSubcriterio, c.CB_MP->currentIndex());
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT codigo, definicion FROM Dimension WHERE cod_criterio=:cod_criterio AND "
        "cod_subcriterio=:cod_subcriterio ORDER by definicion desc"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_criterio"), CodCriterioSel);
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_subcriterio"), CodSubcriterioSel);
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(c.CB_Dimension, VCodDimension, kMargenDesplegable);
}

void TCascadaMedidas::Cargar_CBIndicador()
{
    CodDimensionSel = CodigoElegido(VCodDimension, c.CB_Dimension->currentIndex());
    DM_BdatosADO->InicializarQuery(m_sqlIndicador);
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_dim"), CodDimensionSel);
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(c.CB_Indicador, VCodIndicador, kMargenDesplegable);
}

void TCascadaMedidas::CB_PersonalSelect()
{
    Elegir(0);
}

void TCascadaMedidas::CB_MPSelect()
{
    Elegir(1);
}

void TCascadaMedidas::CB_DimensionSelect()
{
    Elegir(2);
}

void TCascadaMedidas::CB_IndicadorSelect()
{
    Elegir(3);
}

void TCascadaMedidas::Elegir(int nivel)
{
    const std::array<QWidget*, 4> paneles{c.P_Personal, c.P_MP, c.P_Dimension, c.P_Indicador};
    const std::array<QComboBox*, 4> listas{c.CB_Personal, c.CB_MP, c.CB_Dimension, c.CB_Indicador};
    QComboBox* lista = listas[size_t(nivel)];
    const int indice = lista->currentIndex();
    if (indice < 0)
        return;
    // The chosen item's whole text shows as the list's tooltip.
    lista->setToolTip(TextoGuardado(lista, indice));
    if (nivel == 3) {
        c.Accion->setEnabled(true);
        c.Accion->setFocus();
        return;
    }
    // The next list shows, reloaded; those below it empty and hide.
    paneles[size_t(nivel) + 1]->show();
    for (size_t debajo = size_t(nivel) + 1; debajo < listas.size(); ++debajo) {
        listas[debajo]->clear();
        if (debajo > size_t(nivel) + 1)
            paneles[debajo]->hide();
    }
    c.Accion->setEnabled(false);
    const std::array<void (TCascadaMedidas::*)(), 3> cargar{&TCascadaMedidas::CargarCB_MP,
                                                            &TCascadaMedidas::Cargar_CBDimension,
                                                            &TCascadaMedidas::Cargar_CBIndicador};
    (this->*cargar[size_t(nivel)])();
    listas[size_t(nivel) + 1]->setFocus();
}

std::optional<int> TCascadaMedidas::MedidaElegida() const
{
    const int indice = c.CB_Indicador->currentIndex();
    if (indice < 0 || size_t(indice) >= VCodIndicador.size())
        return std::nullopt;
    return VCodIndicador[size_t(indice)];
}

QString TCascadaMedidas::TextoMedidaElegida() const
{
    return TextoGuardado(c.CB_Indicador, c.CB_Indicador->currentIndex());
}
