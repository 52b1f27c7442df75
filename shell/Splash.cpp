#include "Splash.h"

#include "Resources.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"

QPointer<TF_Splash> F_Splash;

TF_Splash::TF_Splash(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    setFixedSize(441, 211);
    ui::SetColors(this, Qt::white, Qt::black);
    ui::SetColors(Panel1, ui::Navy(), Qt::black);
    ui::SetColors(StaticText1, ui::PanelColor(), Qt::white);
    StaticText1->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -13, true));
    Label1->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -13, true));
    QPalette status = Label1->palette();
    status.setColor(QPalette::WindowText, ui::Navy());
    Label1->setPalette(status);
    Image2->setPixmap(shell::StoredPicture(QStringLiteral("splash-encuestas.jpg")));
    Image1->setPixmap(shell::StoredPicture(QStringLiteral("splash-indicadores.jpg")));
    FormCreate();
}

void TF_Splash::FormCreate()
{
    ui::CenterForm(this);
}
