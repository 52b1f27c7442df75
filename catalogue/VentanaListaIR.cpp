#include "VentanaListaIR.h"

#include "EstiloCabeceras.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "data/ListasCodigos.h"
#include "platform/ui/Connect.h"
#include "platform/ui/FilasLista.h"
#include "platform/ui/Look.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TVentanaListaIR::TVentanaListaIR(QObject* owner, QSize tamano) : TVentanaCabecera(owner, tamano) {}

void TVentanaListaIR::Preparar(QLabel* titulo, QComboBox* lista, QPushButton* accion,
                               QPushButton* salir, const QString& sql)
{
    m_lista = lista;
    m_accion = accion;
    m_sql = sql;
    AspectoVentana(this);
    ui::SetTextLook(titulo, -16);
    lista->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11, true));
    ui::SetListColors(lista, ui::PanelColor());
    // As many rows as the window's description gives, however many indicators.
    ui::FilasDesplegadas(lista, lista->maxVisibleItems());
    ui::Connect(salir, &QPushButton::clicked, this, &TVentanaListaIR::B_SalirClick);
    CargarLista();
    accion->setEnabled(false);
}

void TVentanaListaIR::CargarLista()
{
    DM_BdatosADO->InicializarQuery(m_sql);
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(m_lista, VCodIR, 20);
}

void TVentanaListaIR::ListaSelect(int indice)
{
    if (indice < 0)
        return;
    m_lista->setToolTip(TextoGuardado(m_lista, indice));
    if (!m_accion->isEnabled()) {
        m_accion->setEnabled(true);
        m_accion->setFocus();
    }
}

std::optional<int> TVentanaListaIR::CodigoElegido() const
{
    const int indice = m_lista->currentIndex();
    if (indice < 0 || size_t(indice) >= VCodIR.size())
        return std::nullopt;
    return VCodIR[size_t(indice)];
}

void AvisarIndicadorDesaparecido()
{
    TDM_General::MensajeError(
        QStringLiteral("El indicador de rendimiento ya no existe: otra ventana lo ha borrado"));
}
