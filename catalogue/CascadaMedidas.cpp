#include "CascadaMedidas.h"

#include "data/BdatosADO.h"
#include "data/ListasCodigos.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

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
        ui::SetColors(lista, ui::ListColor(), Qt::white);
        // The drop-down is a window of its own and takes no colours from the box.
        ui::SetColors(lista->view(), ui::ListColor(), Qt::white);
    }
}

// A chosen item's whole text shows as the list's tooltip.
bool Elegido(QComboBox* lista)
{
    const int indice = lista->currentIndex();
    if (indice < 0)
        return false;
    lista->setToolTip(lista->itemText(indice));
    return true;
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
    if (!Elegido(c.CB_Personal))
        return;
    c.P_MP->show();
    c.CB_MP->clear();
    c.CB_Dimension->clear();
    c.P_Dimension->hide();
    c.CB_Indicador->clear();
    c.P_Indicador->hide();
    c.Accion->setEnabled(false);
    CargarCB_MP();
    c.CB_MP->setFocus();
}

void TCascadaMedidas::CB_MPSelect()
{
    if (!Elegido(c.CB_MP))
        return;
    c.P_Dimension->show();
    c.CB_Dimension->clear();
    c.CB_Indicador->clear();
    c.P_Indicador->hide();
    c.Accion->setEnabled(false);
    Cargar_CBDimension();
    c.CB_Dimension->setFocus();
}

void TCascadaMedidas::CB_DimensionSelect()
{
    if (!Elegido(c.CB_Dimension))
        return;
    c.P_Indicador->show();
    c.CB_Indicador->clear();
    c.Accion->setEnabled(false);
    Cargar_CBIndicador();
    c.CB_Indicador->setFocus();
}

void TCascadaMedidas::CB_IndicadorSelect()
{
    if (!Elegido(c.CB_Indicador))
        return;
    c.Accion->setEnabled(true);
    c.Accion->setFocus();
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
    return c.CB_Indicador->currentText();
}
