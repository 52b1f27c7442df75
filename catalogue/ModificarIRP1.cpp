#include "ModificarIRP1.h"

#include "ModificarIRP2.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"

#include <memory>

QPointer<TF_ModificarIR> F_ModificarIR;

TF_ModificarIR::TF_ModificarIR(QObject* owner) : TVentanaListaIR(owner, QSize(780, 164))
{
    setupUi(this);
    ui::Connect(CB_ModificarIR, &QComboBox::activated, this, &TF_ModificarIR::CB_ModificarIRSelect);
    ui::Connect(B_Siguiente, &QPushButton::clicked, this, &TF_ModificarIR::B_SiguienteClick);
    Preparar(Label1, CB_ModificarIR, B_Siguiente, B_Salir,
             QStringLiteral("SELECT codigo, definicion FROM IRendimiento ORDER BY definicion asc"));
}

void TF_ModificarIR::Abrir()
{
    F_ModificarIR = new TF_ModificarIR(ui::ApplicationObject());
    F_ModificarIR->Mostrar();
}

void TF_ModificarIR::Cargar_CBModificarIR()
{
    CargarLista();
}

void TF_ModificarIR::CB_ModificarIRSelect(int indice)
{
    ListaSelect(indice);
}

void TF_ModificarIR::B_SiguienteClick()
{
    const std::optional<int> codigo = CodigoElegido();
    if (!codigo)
        return;
    // Until it is shown, step 2 is this handler's: an indicator that cannot be loaded
    // leaves no hidden window behind.
    std::unique_ptr<TF_ModificarIRP2> paso2(new TF_ModificarIRP2(ui::ApplicationObject()));
    paso2->insertar_codirendimientosel(*codigo);
    if (!paso2->CargarDefinicion()) {
        AvisarIndicadorDesaparecido();
        Cargar_CBModificarIR();
        B_Siguiente->setEnabled(false);
        return;
    }
    paso2->CargarCB_GI();
    paso2->InicializarMatriz();
    ui::CloseForm(this);
    F_ModificarIRP2 = paso2.release();
    F_ModificarIRP2->Mostrar();
}
