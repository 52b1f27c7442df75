#include "VentanaListaCentros.h"

#include "EstiloCabeceras.h"
#include "data/ListaCentros.h"

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
    CargarListaCentros(m_lista, VCodCabecera);
}

void TVentanaListaCentros::CB_CabeceraSelect(int indice)
{
    ElegirCentro(m_lista, indice, m_accion);
}

std::optional<int> TVentanaListaCentros::CodigoElegido() const
{
    const int indice = m_lista->currentIndex();
    if (indice < 0 || size_t(indice) >= VCodCabecera.size())
        return std::nullopt;
    return VCodCabecera[size_t(indice)];
}
