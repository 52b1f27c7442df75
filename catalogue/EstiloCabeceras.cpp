#include "EstiloCabeceras.h"

#include "platform/ui/Look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPalette>

void AspectoVentana(QWidget* ventana)
{
    ventana->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11));
    PintarFondo(ventana, ui::Navy());
}

void PintarFondo(QWidget* panel, const QColor& fondo)
{
    QPalette paleta = panel->palette();
    paleta.setColor(QPalette::Window, fondo);
    paleta.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(paleta);
    panel->setAutoFillBackground(true);
}

void AspectoTitulo(QLabel* titulo)
{
    QFont letra = ui::FontByHeight(QStringLiteral("MS Sans Serif"), -16, true);
    letra.setUnderline(true);
    titulo->setFont(letra);
}

void AspectoLista(QLabel* titulo, QComboBox* lista)
{
    titulo->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -13, true));
    lista->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11, true));
    ui::SetColors(lista, ui::PanelColor(), Qt::white);
    // The drop-down is a window of its own and takes no colours from the box.
    ui::SetColors(lista->view(), ui::PanelColor(), Qt::white);
}
