#include "ListaCentros.h"

#include "BdatosADO.h"
#include "ListasCodigos.h"

#include <QComboBox>
#include <QPushButton>

void CargarListaCentros(QComboBox* lista, std::vector<int>& codigos)
{
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, centro FROM CabeceraEncuesta ORDER BY centro ASC"));
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(lista, codigos, 5, QStringLiteral("centro"));
}

void ElegirCentro(QComboBox* lista, int indice, QPushButton* accion)
{
    if (indice < 0)
        return;
    lista->setToolTip(TextoGuardado(lista, indice));
    accion->setEnabled(true);
    accion->setFocus();
}
