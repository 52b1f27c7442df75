#include "ListasCodigos.h"

#include "BdatosADO.h"
#include "platform/ui/Look.h"
#include "platform/ui/RadioGroup.h"

#include <QComboBox>

void LeerFilasLista(QStringList& textos, std::vector<int>& codigos, const QString& campo)
{
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    codigos.assign(size_t(DM_BdatosADO->NumFilas()), 0);
    q->First();
    for (size_t i = 0; i < codigos.size() && !q->Eof(); ++i, q->Next()) {
        codigos[i] = q->FieldByName(QStringLiteral("codigo")).AsInteger();
        textos << q->FieldByName(campo).AsString();
    }
}

void CargarListaCodigos(QComboBox* lista, std::vector<int>& codigos, int margen,
                        const QString& campo)
{
    // The items change at once, without a repaint per item.
    lista->setUpdatesEnabled(false);
    lista->clear();
    QStringList textos;
    LeerFilasLista(textos, codigos, campo);
    lista->addItems(textos);
    lista->setCurrentIndex(-1);
    lista->setUpdatesEnabled(true);
    if (margen >= 0)
        ui::WidenDropDown(lista, margen);
}

void CargarListaCodigos(ui::TRadioGroup* lista, std::vector<int>& codigos)
{
    QStringList textos;
    LeerFilasLista(textos, codigos);
    lista->SetItems(textos);
}

int CodigoElegido(const std::vector<int>& codigos, int indice)
{
    return indice >= 0 && size_t(indice) < codigos.size() ? codigos[size_t(indice)] : 0;
}
