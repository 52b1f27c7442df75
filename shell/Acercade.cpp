#include "Acercade.h"

#include "Resources.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Look.h"

#include <QApplication>

QPointer<TF_Acercade> F_Acercade;

TF_Acercade::TF_Acercade(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    ui::Connect(BitBtn1, &QPushButton::clicked, this, &TF_Acercade::BitBtn1Click);
    // Freed whenever it closes, by "OK" or by its close box.
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setFixedSize(size());
    move(374, 244);
    const QString sans = QStringLiteral("MS Sans Serif");
    setFont(ui::FontByPoints(sans, 8));
    ui::SetColors(this, ui::Navy(), Qt::white);
    ui::SetColors(Panel1, ui::PanelColor(), Qt::white);
    GroupBox1->setFont(ui::FontByPoints(sans, 8, true));
    for (QLabel* label : {Label2, Label3}) {
        label->setFont(ui::FontByPoints(sans, 8, true));
        label->adjustSize();
    }
    Label1->setFont(ui::FontByHeight(sans, -16, true));
    Label1->adjustSize();
    Image1->setPixmap(shell::StoredPicture(QStringLiteral("acercade-logo.jpg")));
    BitBtn1->setFont(ui::FontByPoints(sans, 8));
    QPalette button = BitBtn1->palette();
    button.setColor(QPalette::Button, QApplication::palette().color(QPalette::Button));
    button.setColor(QPalette::ButtonText, QApplication::palette().color(QPalette::ButtonText));
    BitBtn1->setPalette(button);
}

void TF_Acercade::BitBtn1Click()
{
    close();
}
