#include "CrearEncuestaPFinal.h"

#include "ui_CrearEncuestaPFinal.h"

#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/Ownership.h"

QPointer<TF_CrearEncuestaPFinal> F_CrearEncuestaPFinal;

TF_CrearEncuestaPFinal::TF_CrearEncuestaPFinal(QWidget* owner)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(new Ui::TF_CrearEncuestaPFinal)
{
    ui->setupUi(this);
    Label1 = ui->Label1;
    ProgressBar1 = ui->ProgressBar1;
    // A top-level window of its own, not a child of the frame, that lives as long
    // as the step window that made it.
    ui::Own(owner, this);
    FormCreate();
}

TF_CrearEncuestaPFinal::~TF_CrearEncuestaPFinal() = default;

void TF_CrearEncuestaPFinal::FormCreate()
{
    ui::SetColors(this, ui::PanelColor());
    ui::SetColors(Label1, ui::Navy(), Qt::white);
    Label1->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -13, true));
    setFixedSize(305, 48);
    show();
    ui::CenterForm(this);
}

void TF_CrearEncuestaPFinal::StepBy(int delta)
{
    ProgressBar1->setValue(
        qBound(ProgressBar1->minimum(), ProgressBar1->value() + delta, ProgressBar1->maximum()));
}
