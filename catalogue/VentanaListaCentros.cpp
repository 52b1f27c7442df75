#include "VentanaListaCentros.h"

#include "EstiloCabeceras.h"
#include "data/BdatosADO.h"
#include "platform/ui/Look.h"

#include <QComboBox>
#include <QPushButton>

TVentanaListaCentros::TVentanaListaCentros(QObject* owner, QSize tamano)
    : TVentanaCabecera(owner, tamano)
{
}

void TVentanaListaCentros::FormCreate(QLabel* titulo, QComboBox* lista, QPushButton* accion)
{
    m_lista = lista;
    m_accion = accion;
    AspectoVentana(this);
    AspectoLista(titulo, lista);
    CargarCB_Centros();
    accion->setEnabled(false);
}

void TVentanaListaCentros::CargarCB_Centros()
{
    m_lista->clear();
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, centro FROM CabeceraEncuesta ORDER BY centro ASC"));
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    VCodCabecera.assign(size_t(DM_BdatosADO->NumFilas()), 0);
    for (size_t i = 0; !q->Eof(); ++i, q->Next()) {
        VCodCabecera[i] = q->FieldByName(QStringLiteral("codigo")).AsInteger();
        m_lista->addItem(q->FieldByName(QStringLiteral("centro")).AsString());
    }
    // Nothing is chosen until the user picks a centre.
    m_lista->setCurrentIndex(-1);
    ui::WidenDropDown(m_lista, 5);
}

void TVentanaListaCentros::CB_CabeceraSelect(int indice)
{
    if (indice < 0)
        return;
    m_lista->setToolTip(m_lista->itemText(indice));
    m_accion->setEnabled(true);
    m_accion->setFocus();
}

std::optional<int> TVentanaListaCentros::CodigoElegido() const
{
    const int indice = m_lista->currentIndex();
    if (indice < 0 || size_t(indice) >= VCodCabecera.size())
        return std::nullopt;
    return VCodCabecera[size_t(indice)];
}
