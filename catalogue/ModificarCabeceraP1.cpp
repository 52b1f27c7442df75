#include "ModificarCabeceraP1.h"

#include "ModificarCabeceraP2.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"

#include <memory>

QPointer<TF_ModificarCabecera> F_ModificarCabecera;

TF_ModificarCabecera::TF_ModificarCabecera(QObject* owner)
    : TVentanaListaCentros(owner, QSize(670, 170))
{
    setupUi(this);
    ui::Connect(CB_Cabecera, &QComboBox::activated, this, &TF_ModificarCabecera::CB_CabeceraSelect);
    ui::Connect(B_Siguiente, &QPushButton::clicked, this, &TF_ModificarCabecera::B_SiguienteClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_ModificarCabecera::B_SalirClick);
    FormCreate(Label1, CB_Cabecera, B_Siguiente);
}

void TF_ModificarCabecera::Abrir()
{
    F_ModificarCabecera = new TF_ModificarCabecera(ui::ApplicationObject());
    F_ModificarCabecera->Mostrar();
}

void TF_ModificarCabecera::B_SiguienteClick()
{
    const std::optional<int> codigo = CodigoElegido();
    if (!codigo)
        return;
    // Until it is shown, step 2 is this handler's: a header that cannot be loaded
    // leaves no hidden window behind.
    std::unique_ptr<TF_ModificarCabeceraP2> paso2(
        new TF_ModificarCabeceraP2(ui::ApplicationObject()));
    paso2->InsertarCodCab(*codigo);
    paso2->CargarCabecera();
    ui::CloseForm(this);
    paso2.release()->Mostrar();
}
