#include "CrearMPP2.h"

#include "EstiloCabeceras.h"
#include "FichaMedida.h"
#include "ListaTipoRespuesta.h"
#include "TextosMemo.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "data/ListasCodigos.h"
#include "data/Transaccion.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Look.h"

TF_CrearMPP2::TF_CrearMPP2(QObject* owner) : TVentanaCabecera(owner, QSize(701, 545))
{
    setupUi(this);
    ui::Connect(CB_Dimension, &QComboBox::activated, this, &TF_CrearMPP2::CB_DimensionSelect);
    ui::Connect(B_Insertar, &QPushButton::clicked, this, &TF_CrearMPP2::B_InsertarClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_CrearMPP2::B_SalirClick);
    FormCreate();
}

void TF_CrearMPP2::FormCreate()
{
    AspectoVentana(this);
    AspectoTitulo(Label1);
    CB_Dimension->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -12, true));
    ui::SetListColors(CB_Dimension, ui::PanelColor());
    ui::PaintBackground(Label3, ui::PanelColor());
    ui::SetTextLook(Label3, -13);
    PrepararFichaMedida(GB_Indicador, M_Definicion, M_Pregunta, CB_TResp);
    MostrarCampos(false);
    B_Insertar->setEnabled(false);
}

void TF_CrearMPP2::MostrarCampos(bool mostrar)
{
    for (QWidget* campo : std::initializer_list<QWidget*>{L_Def, L_Preg, L_TResp, CB_TResp,
                                                          M_Definicion, M_Pregunta, ChB_Clave})
        campo->setVisible(mostrar);
}

void TF_CrearMPP2::CargarCBDimension()
{
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(CB_Dimension, VCodDimension, 5);
}

void TF_CrearMPP2::CB_DimensionSelect()
{
    const int indice = CB_Dimension->currentIndex();
    if (indice < 0)
        return;
    CB_Dimension->setToolTip(TextoGuardado(CB_Dimension, indice));
    MostrarCampos(true);
    B_Insertar->setEnabled(true);
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT descripcion FROM dimension WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"),
                                          CodigoElegido(VCodDimension, indice));
    DM_BdatosADO->ActivarQSelect();
    DM_BdatosADO->Qquery->First();
    Label3->setToolTip(
        DM_BdatosADO->Qquery->Eof()
            ? QString()
            : DM_BdatosADO->Qquery->FieldByName(QStringLiteral("descripcion")).AsString());
    M_Definicion->setFocus();
}

void TF_CrearMPP2::B_InsertarClick()
{
    const QString definicion = TextoMemo(M_Definicion);
    if (EnBlanco(definicion)) {
        TDM_General::MensajeError(
            QStringLiteral("La definición del indicador no puede estar vacía"));
        M_Definicion->clear();
        return;
    }
    const QString pregunta = TextoMemo(M_Pregunta);
    if (EnBlanco(pregunta)) {
        TDM_General::MensajeError(
            QStringLiteral("Debe insertar la pregunta asociada a la medida de percepción"));
        M_Pregunta->clear();
        return;
    }
    const int tipoRespuesta = TipoRespuestaElegido(CB_TResp);
    if (tipoRespuesta == -1) {
        TDM_General::MensajeError(
            QStringLiteral("Debe seleccionar un tipo de respuesta para la pregunta"));
        return;
    }
    const int codDimension = CodigoElegido(VCodDimension, CB_Dimension->currentIndex());
    const int clave = ChB_Clave->isChecked() ? 1 : 0;

    // The question and its measure are written together or not at all: a measure
    // never points to a missing question, and no question stays without its measure.
    EnTransaccion([&] {
        const int codPregunta = SiguienteCodigo(QStringLiteral("SELECT max(codigo) FROM Pregunta"));
        DM_BdatosADO->InicializarQuery(QStringLiteral(
            "INSERT INTO Pregunta(codigo,enunciado,tipo) VALUES(:cod_pre, :def, :tipo_pre)"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_pre"), codPregunta);
        DM_BdatosADO->InsertarParametroCadena(QStringLiteral("def"), pregunta);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("tipo_pre"), tipoRespuesta);
        DM_BdatosADO->ActivarQInsertUpdate();

        const int codIndicador =
            SiguienteCodigo(QStringLiteral("SELECT max(codigo) FROM Indicador"));
        DM_BdatosADO->InicializarQuery(QStringLiteral(
            "INSERT INTO Indicador(codigo,definicion,cod_pregunta,tipo,cod_dim,clave) "
            "VALUES(:cod_ind, :cad, :cod_pre, :tipo_ind, :cod_dim, :clave)"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_ind"), codIndicador);
        DM_BdatosADO->InsertarParametroCadena(QStringLiteral("cad"), definicion);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_pre"), codPregunta);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("tipo_ind"), 1);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_dim"), codDimension);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("clave"), clave);
        DM_BdatosADO->ActivarQInsertUpdate();
    });
    TDM_General::MensajeOK(QStringLiteral("Medida de percepción insertada correctamente"));
    ResetFormulario();
}

void TF_CrearMPP2::ResetFormulario()
{
    M_Definicion->clear();
    M_Pregunta->clear();
    QuitarTipoRespuesta(CB_TResp);
    ChB_Clave->setChecked(false);
}
