#include "BorrarIR.h"

#include "data/BdatosADO.h"
#include "data/General.h"
#include "data/Transaccion.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"

QPointer<TF_BorrarIR> F_BorrarIR;

TF_BorrarIR::TF_BorrarIR(QObject* owner) : TVentanaListaIR(owner, QSize(780, 170))
{
    setupUi(this);
    ui::Connect(CB_BorrarIR, &QComboBox::activated, this, &TF_BorrarIR::CB_BorrarIRSelect);
    ui::Connect(B_Borrar, &QPushButton::clicked, this, &TF_BorrarIR::B_BorrarClick);
    Preparar(Label1, CB_BorrarIR, B_Borrar, B_Salir,
             QStringLiteral("SELECT codigo,definicion FROM IRendimiento WHERE estado=1 ORDER BY "
                            "definicion asc"));
}

void TF_BorrarIR::Abrir()
{
    F_BorrarIR = new TF_BorrarIR(ui::ApplicationObject());
    F_BorrarIR->Mostrar();
}

void TF_BorrarIR::Cargar_CBBorrar()
{
    CargarLista();
}

void TF_BorrarIR::CB_BorrarIRSelect(int indice)
{
    ListaSelect(indice);
}

void TF_BorrarIR::B_BorrarClick()
{
    const std::optional<int> codigo = CodigoElegido();
    if (!codigo)
        return;
    // The indicator's estado as it stands now; none when it has gone meanwhile.
    std::optional<int> estado;
    const bool borrado = EnTransaccionSi([&] {
        DM_BdatosADO->InicializarQuery(
            QStringLiteral("SELECT estado FROM IRendimiento WHERE codigo=:codigo"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), *codigo);
        DM_BdatosADO->ActivarQSelect();
        ado::TADOQuery* q = DM_BdatosADO->Qquery;
        q->First();
        if (!q->Eof())
            estado = q->FieldByName(QStringLiteral("estado")).AsInteger();
        // Only an indicator that is still there and still the program's own goes.
        if (estado != 1)
            return false;
        for (const QString& sql :
             {QStringLiteral("DELETE FROM Subcriterios_IndicadoresR WHERE codigo_ir=:codigo"),
              QStringLiteral("DELETE FROM IRendimiento WHERE codigo=:codigo")}) {
            DM_BdatosADO->InicializarQuery(sql);
            DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), *codigo);
            DM_BdatosADO->ActivarQInsertUpdate();
        }
        return true;
    });
    if (!borrado) {
        if (estado)
            TDM_General::MensajeError(
                QStringLiteral("El indicador de rendimiento ya no se puede borrar: ahora es un "
                               "indicador del catálogo"));
        else
            AvisarIndicadorDesaparecido();
        Cargar_CBBorrar();
        B_Borrar->setEnabled(false);
        return;
    }
    TDM_General::MensajeOK(QStringLiteral("El indicador ha sido borrado"));
    ui::CloseForm(this);
}
