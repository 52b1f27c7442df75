#include "FilasLista.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace ui {

void FilasDesplegadas(QComboBox* lista, int filas)
{
    lista->setMaxVisibleItems(filas);
    // The drop-down as a list box rather than a menu; the style sheet keeps the
    // colours the list already has, its drop-down's included.
    const QString comoLista = QStringLiteral("QComboBox { combobox-popup: 0; }");
    if (!lista->styleSheet().contains(comoLista))
        lista->setStyleSheet(lista->styleSheet() + comoLista);
    // A drop-down made while the list was still a menu kept a menu's arrows at its
    // ends in place of the scroll bar.
    lista->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

} // namespace ui
