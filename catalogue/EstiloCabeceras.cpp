#include "EstiloCabeceras.h"

#include "platform/ui/Look.h"

#include <QComboBox>
#include <QLabel>

void AspectoVentana(QWidget* ventana)
{
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
    ui::SetListColors(lista, ui::PanelColor());
}
