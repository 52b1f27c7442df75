#include "ListasCodigos.h"

#include "BdatosADO.h"
#include "platform/ui/Look.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/TextoPlano.h"

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
    AnadirEnUnaLinea(lista, textos);
    lista->setCurrentIndex(-1);
    lista->setUpdatesEnabled(true);
    if (margen >= 0)
        ui::WidenDropDown(lista, margen);
}

void CargarListaCodigos(ui::TRadioGroup* lista, std::vector<int>& codigos)
{
    QStringList textos;
    LeerFilasLista(textos, codigos);
    for (QString& texto : textos)
        texto = ui::EnUnaLinea(texto);
    lista->SetItems(textos);
}

void AnadirEnUnaLinea(QComboBox* lista, const QStringList& textos)
{
    for (const QString& texto : textos)
        lista->addItem(ui::EnUnaLinea(texto), texto);
}

QString TextoGuardado(const QComboBox* lista, int indice)
{
    const QVariant guardado = lista->itemData(indice);
    return guardado.isValid() ? guardado.toString() : lista->itemText(indice);
}

int CodigoElegido(const std::vector<int>& codigos, int indice)
{
    return indice >= 0 && size_t(indice) < codigos.size() ? codigos[size_t(indice)] : 0;
}
