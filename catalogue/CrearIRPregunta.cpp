#include "CrearIRPregunta.h"

#include "EstiloCabeceras.h"
#include "EstiloIR.h"
#include "ListaTipoRespuesta.h"
#include "TextosMemo.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"

QPointer<TF_CrearIRPregunta> F_CrearIRPregunta;

TF_CrearIRPregunta::TF_CrearIRPregunta(QWidget* owner) : QDialog(owner)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setModal(true);
    ui::Connect(B_Insertar, &QPushButton::clicked, this, &TF_CrearIRPregunta::B_InsertarClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_CrearIRPregunta::B_SalirClick);
    FormCreate();
}

void TF_CrearIRPregunta::FormCreate()
{
    Cancelado = false;
    // A dialog is no work window and would keep the toolkit's font: its buttons take
    // the windows' own, as the work windows' buttons do.
    setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11));
    AspectoVentana(this);
    AspectoPanelIR(GB_Indicador, -13);
    for (QLabel* etiqueta : {L_Preg, L_TResp})
        ui::SetTextLook(etiqueta, -13);
    PrepararMemo(M_Pregunta);
    AspectoMemoIR(M_Pregunta);
    CargarTiposRespuesta(CB_TResp);
    AspectoListaIR(CB_TResp, -13);
    B_Insertar->setDefault(true);
    ui::CenterForm(this);
}

bool TF_CrearIRPregunta::Preguntar(QWidget* owner, int codigo, bool modificar)
{
    QPointer<TF_CrearIRPregunta> dialogo = new TF_CrearIRPregunta(owner);
    F_CrearIRPregunta = dialogo;
    // Freed after the caller has read the answer, whatever happens before.
    struct Liberar
    {
        QPointer<TF_CrearIRPregunta>& d;
        ~Liberar()
        {
            if (d)
                d->deleteLater();
        }
    } liberar{dialogo};

    dialogo->InsertarIR(codigo);
    if (modificar) {
        dialogo->CargarPregunta();
        dialogo->setWindowTitle(QStringLiteral("Modificar pregunta"));
    }
    dialogo->exec();
    return dialogo && !dialogo->Cancelado;
}

void TF_CrearIRPregunta::InsertarIR(int Codigo)
{
    CodIR = Codigo;
}

void TF_CrearIRPregunta::CargarPregunta()
{
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT tipo, pregunta, tipo_resp FROM IRendimiento WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodIR);
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    if (q->Eof() || q->FieldByName(QStringLiteral("tipo")).AsInteger() != 1)
        return;
    CargarTextoMemo(M_Pregunta, q->FieldByName(QStringLiteral("pregunta")).AsString(), false);
    MostrarTipoRespuesta(CB_TResp, q->FieldByName(QStringLiteral("tipo_resp")).AsInteger());
}

void TF_CrearIRPregunta::B_InsertarClick()
{
    const QString pregunta = UnirLineasRecortandoPrimera(LineasMemo(M_Pregunta));
    if (TDM_General::ComprobarVacio(pregunta)) {
        TDM_General::MensajeError(
            QStringLiteral("la pregunta asociada al indicador no puede estar vacía"));
        M_Pregunta->clear();
        return;
    }
    const int tipo = TipoRespuestaElegido(CB_TResp);
    if (tipo < 0) {
        TDM_General::MensajeError(
            QStringLiteral("Debe seleccionar un tipo de respuesta para la pregunta"));
        return;
    }
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "UPDATE IRendimiento SET pregunta=:pregunta, tipo_resp=:tipo_resp WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("pregunta"), pregunta);
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("tipo_resp"), tipo);
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodIR);
    DM_BdatosADO->ActivarQInsertUpdate();
    accept();
}

void TF_CrearIRPregunta::B_SalirClick()
{
    reject();
}

void TF_CrearIRPregunta::reject()
{
    Cancelado = true;
    QDialog::reject();
}
