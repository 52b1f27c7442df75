#include "ListaCentros.h"

#include "BdatosADO.h"
#include "platform/ui/Look.h"

#include <QComboBox>
#include <QPushButton>

void CargarListaCentros(QComboBox* lista, std::vector<int>& codigos)
{
    lista->clear();
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, centro FROM CabeceraEncuesta ORDER BY centro ASC"));
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    codigos.assign(size_t(DM_BdatosADO->NumFilas()), 0);
    QStringList centros;
    q->First();
    for (size_t i = 0; i < codigos.size() && !q->Eof(); ++i, q->Next()) {
        codigos[i] = q->FieldByName(QStringLiteral("codigo")).AsInteger();
        centros << q->FieldByName(QStringLiteral("centro")).AsString();
    }
    lista->addItems(centros);
    lista->setCurrentIndex(-1);
    ui::WidenDropDown(lista, 5);
}

void ElegirCentro(QComboBox* lista, int indice, QPushButton* accion)
{
    if (indice < 0)
        return;
    lista->setToolTip(lista->itemText(indice));
    accion->setEnabled(true);
    accion->setFocus();
}
