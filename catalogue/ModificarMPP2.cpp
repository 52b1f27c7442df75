#include "ModificarMPP2.h"

#include "EstiloCabeceras.h"
#include "FichaMedida.h"
#include "ListaTipoRespuesta.h"
#include "TextosMemo.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "data/Transaccion.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"

QPointer<TF_ModificarMPP2> F_ModificarMPP2;

namespace {

// The first row's field as an integer; 0 without a row.
int EnteroLeido(const QString& campo)
{
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    return q->Eof() ? 0 : q->FieldByName(campo).AsInteger();
}

} // namespace

TF_ModificarMPP2::TF_ModificarMPP2(QObject* owner) : TVentanaCabecera(owner, QSize(698, 472))
{
    setupUi(this);
    AspectoVentana(this);
    PrepararFichaMedida(GB_Indicador, M_Definicion, M_Pregunta, CB_TResp);
    ui::Connect(B_Modificar, &QPushButton::clicked, this, &TF_ModificarMPP2::B_ModificarClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_ModificarMPP2::B_SalirClick);
}

void TF_ModificarMPP2::CargarValores()
{
    CargarTextoMemo(M_Definicion, DefinicionMedida, true);

    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT clave FROM indicador WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodIndicador);
    DM_BdatosADO->ActivarQSelect();
    ChB_Clave->setChecked(EnteroLeido(QStringLiteral("clave")) == 1);

    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT cod_pregunta FROM indicador WHERE codigo=:cod_ind"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_ind"), CodIndicador);
    DM_BdatosADO->ActivarQSelect();
    CodPregunta = EnteroLeido(QStringLiteral("cod_pregunta"));

    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT enunciado, tipo FROM Pregunta WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodPregunta);
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    const QString enunciado =
        q->Eof() ? QString() : q->FieldByName(QStringLiteral("enunciado")).AsString();
    const int tipo = q->Eof() ? 0 : q->FieldByName(QStringLiteral("tipo")).AsInteger();
    CargarTextoMemo(M_Pregunta, enunciado, true);
    MostrarTipoRespuesta(CB_TResp, tipo);
}

void TF_ModificarMPP2::B_ModificarClick()
{
    const QString definicion = UnirLineas(LineasMemo(M_Definicion));
    if (definicion.isEmpty()) {
        TDM_General::MensajeError(
            QStringLiteral("La definición del indicador no puede estar vacía"));
        M_Definicion->clear();
        return;
    }
    const QString pregunta = UnirLineasRecortandoPrimera(LineasMemo(M_Pregunta));
    if (pregunta.isEmpty()) {
        TDM_General::MensajeError(
            QStringLiteral("la pregunta asociada a la medida de percepcìón no puede estar vacía"));
        M_Pregunta->clear();
        return;
    }
    const int tipo = TipoRespuestaElegido(CB_TResp);
    if (tipo == -1) {
        TDM_General::MensajeError(
            QStringLiteral("Debe seleccionar un tipo de respuesta para la pregunta"));
        return;
    }
    const int clave = ChB_Clave->isChecked() ? 1 : 0;

    // The measure and its question change together or not at all. A measure deleted
    // from another window meanwhile is not written again, nor is its question.
    const bool existe = EnTransaccionSi([&] {
        if (!FilaExiste(QStringLiteral("SELECT codigo FROM Indicador WHERE codigo=:codigo"),
                        CodIndicador))
            return false;

        DM_BdatosADO->InicializarQuery(QStringLiteral(
            "UPDATE Indicador SET definicion=:definicion, clave=:clave WHERE codigo=:codigo"));
        DM_BdatosADO->InsertarParametroCadena(QStringLiteral("definicion"), definicion);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodIndicador);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("clave"), clave);
        DM_BdatosADO->ActivarQInsertUpdate();

        DM_BdatosADO->InicializarQuery(QStringLiteral(
            "UPDATE Pregunta SET enunciado=:enunciado, tipo=:tipo WHERE codigo=:codigo"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodPregunta);
        DM_BdatosADO->InsertarParametroCadena(QStringLiteral("enunciado"), pregunta);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("tipo"), tipo);
        DM_BdatosADO->ActivarQInsertUpdate();
        return true;
    });
    if (!existe) {
        TDM_General::MensajeError(
            QStringLiteral("La medida de percepción ya no existe: otra ventana la ha borrado"));
        return;
    }
    TDM_General::MensajeOK(QStringLiteral("Medida de percepción modificada correctamente"));
    ui::CloseForm(this);
}
