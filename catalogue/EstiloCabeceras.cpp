#include "EstiloCabeceras.h"

#include "platform/ui/Look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPalette>

void AspectoVentana(QWidget* ventana)
{
    ventana->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11));
    ui::PaintBackground(ventana, ui::Navy(), Qt::white);
}

void AspectoTitulo(QLabel* titulo)
{
    ui::SetTextLook(titulo, -16, true, Qt::white, true);
}

void AspectoLista(QLabel* titulo, QComboBox* lista)
{
    titulo->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -13, true));
    lista->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11, true));
    ui::SetColors(lista, ui::PanelColor(), Qt::white);
    // The drop-down is a window of its own and takes no colours from the box.
    ui::SetColors(lista->view(), ui::PanelColor(), Qt::white);
}
