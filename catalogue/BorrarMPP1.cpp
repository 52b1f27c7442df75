#include "BorrarMPP1.h"

#include "CascadaMedidas.h"
#include "EstiloCabeceras.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "data/Transaccion.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"

QPointer<TF_BorrarMPP1> F_BorrarMPP1;

namespace {

// The first column of a one-row result read as an integer; `ninguno` without a row.
int PrimerEntero(int ninguno)
{
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    return q->Eof() ? ninguno : q->Fields(0).AsInteger();
}

} // namespace

TF_BorrarMPP1::TF_BorrarMPP1(QObject* owner) : TVentanaCabecera(owner, QSize(670, 509))
{
    setupUi(this);
    AspectoVentana(this);
    // Only the measures created through the program may be deleted.
    Cascada = new TCascadaMedidas(
        this,
        {P_Personal, CB_Personal, P_MP, CB_MP, P_Dimension, CB_Dimension, P_Indicador, CB_Indicador,
         B_Borrar},
        QStringLiteral("SELECT codigo, definicion FROM Indicador WHERE cod_dim=:cod_dim AND "
                       "tipo=1 ORDER by definicion asc"));
    ui::Connect(B_Borrar, &QPushButton::clicked, this, &TF_BorrarMPP1::B_BorrarClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_BorrarMPP1::B_SalirClick);
    Cascada->Iniciar();
}

void TF_BorrarMPP1::Abrir()
{
    F_BorrarMPP1 = new TF_BorrarMPP1(ui::ApplicationObject());
    F_BorrarMPP1->Mostrar();
}

void TF_BorrarMPP1::B_BorrarClick()
{
    const std::optional<int> codigo = Cascada->MedidaElegida();
    if (!codigo) {
        TDM_General::MensajeError(
            QStringLiteral("No hay seleccionada ninguna medida de percepción"));
        return;
    }
    // The measure and its question go together or not at all. A measure deleted from
    // another window meanwhile deletes nothing; a question that another measure also
    // asks stays.
    const bool existe = EnTransaccionSi([&] {
        DM_BdatosADO->InicializarQuery(
            QStringLiteral("SELECT cod_pregunta FROM indicador WHERE codigo=:cod_ind"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_ind"), *codigo);
        DM_BdatosADO->ActivarQSelect();
        const int codPregunta = PrimerEntero(-1);
        if (DM_BdatosADO->Qquery->Eof())
            return false;

        DM_BdatosADO->InicializarQuery(
            QStringLiteral("DELETE FROM Indicador WHERE codigo=:codigo"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), *codigo);
        DM_BdatosADO->ActivarQInsertUpdate();

        DM_BdatosADO->InicializarQuery(
            QStringLiteral("SELECT count(*) FROM Indicador WHERE cod_pregunta=:codigo"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), codPregunta);
        DM_BdatosADO->ActivarQSelect();
        if (PrimerEntero(0) > 0)
            return true;
        DM_BdatosADO->InicializarQuery(QStringLiteral("DELETE FROM Pregunta WHERE codigo=:codigo"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), codPregunta);
        DM_BdatosADO->ActivarQInsertUpdate();
        return true;
    });
    if (!existe) {
        TDM_General::MensajeError(
            QStringLiteral("La medida de percepción ya no existe: otra ventana la ha borrado"));
        // The list shows what is left of the subdimension.
        Cascada->CB_DimensionSelect();
        return;
    }
    TDM_General::MensajeOK(QStringLiteral("La medida de percepción ha sido borrada correctamente"));
    ui::CloseForm(this);
}
