#include "ListaTipoRespuesta.h"

#include "platform/ui/Look.h"

#include <QComboBox>

void CargarTiposRespuesta(QComboBox* lista)
{
    lista->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -13, true));
    ui::SetColors(lista, ui::ListColor(), Qt::white);
    lista->setEditable(true);
    lista->setInsertPolicy(QComboBox::NoInsert);
    lista->clear();
    lista->addItems({QStringLiteral("NIVELES 1..5"), QStringLiteral("SI/NO")});
    QuitarTipoRespuesta(lista);
}

int TipoRespuestaElegido(const QComboBox* lista)
{
    // An editable list keeps its last chosen item while other text is typed over it.
    const int indice = lista->currentIndex();
    const QString texto = lista->currentText();
    if (indice >= 0 && lista->itemText(indice) == texto)
        return indice;
    return lista->findText(texto, Qt::MatchExactly);
}

void MostrarTipoRespuesta(QComboBox* lista, int tipo)
{
    lista->setCurrentIndex(tipo == 0 ? 0 : 1);
}

void QuitarTipoRespuesta(QComboBox* lista)
{
    lista->setCurrentIndex(-1);
    lista->setEditText(QString());
}
