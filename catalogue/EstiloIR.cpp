#include "EstiloIR.h"

#include "platform/ui/Look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>

void AspectoPanelIR(QGroupBox* panel, int altura)
{
    ui::PaintBackground(panel, ui::GradientActiveCaption(), Qt::white);
    ui::SetTextLook(panel, altura);
}

void AspectoMemoIR(QPlainTextEdit* memo)
{
    ui::SetColors(memo, Qt::white, Qt::black);
    memo->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -13, true));
}

void AspectoListaIR(QComboBox* lista, int altura)
{
    lista->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), altura, true));
    ui::SetColors(lista, ui::ListColor(), Qt::white);
    // The drop-down is a window of its own and takes no colours from the box.
    ui::SetColors(lista->view(), ui::ListColor(), Qt::white);
}
