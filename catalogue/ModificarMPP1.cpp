#include "ModificarMPP1.h"

#include "CascadaMedidas.h"
#include "EstiloCabeceras.h"
#include "ModificarMPP2.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"

#include <memory>

QPointer<TF_ModificarMPP1> F_ModificarMPP1;

TF_ModificarMPP1::TF_ModificarMPP1(QObject* owner) : TVentanaCabecera(owner, QSize(670, 509))
{
    setupUi(this);
    AspectoVentana(this);
    // Every measure of the subdimension may be corrected, those of the catalogue too.
    Cascada = new TCascadaMedidas(
        this,
        {P_Personal, CB_Personal, P_MP, CB_MP, P_Dimension, CB_Dimension, P_Indicador, CB_Indicador,
         B_Siguiente},
        QStringLiteral("SELECT codigo, definicion, clave, tipo FROM Indicador WHERE "
                       "cod_dim=:cod_dim ORDER by definicion asc"));
    ui::Connect(B_Siguiente, &QPushButton::clicked, this, &TF_ModificarMPP1::B_SiguienteClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_ModificarMPP1::B_SalirClick);
    Cascada->Iniciar();
}

void TF_ModificarMPP1::Abrir()
{
    F_ModificarMPP1 = new TF_ModificarMPP1(ui::ApplicationObject());
    F_ModificarMPP1->Mostrar();
}

void TF_ModificarMPP1::B_SiguienteClick()
{
    const std::optional<int> codigo = Cascada->MedidaElegida();
    if (!codigo)
        return;
    DefinicionSel = Cascada->TextoMedidaElegida();
    // Until it is shown, step 2 is this handler's: a measure that cannot be loaded
    // leaves no hidden window behind.
    std::unique_ptr<TF_ModificarMPP2> paso2(new TF_ModificarMPP2(ui::ApplicationObject()));
    paso2->InsertarDefinicion(DefinicionSel);
    paso2->InsertarCodIndicador(*codigo);
    paso2->CargarValores();
    ui::CloseForm(this);
    F_ModificarMPP2 = paso2.release();
    F_ModificarMPP2->Mostrar();
}
