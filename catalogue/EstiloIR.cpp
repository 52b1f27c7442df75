#include "EstiloIR.h"

#include "platform/ui/Look.h"

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
    ui::SetListColors(lista, ui::ListColor());
}
