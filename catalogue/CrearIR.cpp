#include "CrearIR.h"

#include "CrearIRPregunta.h"
#include "TextosMemo.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "data/Transaccion.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"

QPointer<TF_CrearIR> F_CrearIR;

TF_CrearIR::TF_CrearIR(QObject* owner)
    : TVentanaIR(owner, QSize(728, 602), QStringLiteral("INSERTAR"))
{
    setupUi(this);
    Preparar({GB_Indicador, L_Def, M_Definicion, ChB_Clave, GB_GI, CB_GI, RB_Datos, RB_Encuesta,
              GB_Dimensiones, SB_Dimensiones, SB_DimensionesContenido, B_Insertar, B_Salir, -12});
    ui::Connect(CB_GI, &QComboBox::activated, this, &TF_CrearIR::CB_GISelect);
    ui::Connect(B_Insertar, &QPushButton::clicked, this, &TF_CrearIR::B_InsertarClick);
    FormCreate();
}

void TF_CrearIR::Abrir()
{
    F_CrearIR = new TF_CrearIR(ui::ApplicationObject());
    F_CrearIR->Mostrar();
}

void TF_CrearIR::FormCreate()
{
    CargarCB_GI();
    RB_Datos->setChecked(true);
}

void TF_CrearIR::CargarCB_GI()
{
    CargarGrupos();
    ChecksGI.assign(VCodGI.size(), {});
}

void TF_CrearIR::CB_GISelect(int g)
{
    if (g < 0 || size_t(g) >= ChecksGI.size())
        return;
    if (GIAnterior != -1 && GIAnterior != g)
        Ocultar(ChecksGI[size_t(GIAnterior)]);

    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT codigo, definicion FROM Subcriterio WHERE cod_criterio=:cod_criterio"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_criterio"), VCodGI[size_t(g)]);
    DM_BdatosADO->ActivarQSelect();
    std::vector<TCeldaSubcriterio>& celdas = ChecksGI[size_t(g)];
    celdas.resize(size_t(DM_BdatosADO->NumFilas()));
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    for (size_t k = 0; k < celdas.size() && !q->Eof(); ++k, q->Next()) {
        TCeldaSubcriterio& celda = celdas[k];
        if (!celda.CheckBox) {
            celda.CheckBox = CreateCheckBox(
                16, TopCaja(int(k)), 500, q->FieldByName(QStringLiteral("definicion")).AsString());
            celda.Codigo = q->FieldByName(QStringLiteral("codigo")).AsInteger();
        }
        celda.CheckBox->show();
    }
    AjustarArea(int(celdas.size()));
    GIAnterior = g;
    // On to the first box, or back to the list for a group without dimensions.
    SB_Dimensiones->setFocus();
}

void TF_CrearIR::B_InsertarClick()
{
    const bool datos = ModoDatos();
    if (EnBlanco(TextoMemo(M_Definicion))) {
        TDM_General::MensajeError(
            QStringLiteral("La definición del indicador no puede estar vacía"));
        M_Definicion->clear();
        return;
    }
    const QString definicion = UnirLineas(LineasMemo(M_Definicion));

    // The indicator, its links and its question are stored together or not at all: a
    // question dialog left without a question takes the rest back with it, so the
    // next attempt gets the same key.
    const bool guardado = EnTransaccionSi([&] {
        const int codigo = SiguienteCodigo(QStringLiteral("SELECT max(codigo) FROM IRendimiento"));

        DM_BdatosADO->InicializarQuery(
            datos ? QStringLiteral("INSERT INTO IRendimiento(codigo,definicion,tipo, estado, "
                                   "clave) VALUES(:codigo,:definicion,:tipo, 1, :clave)")
                  : QStringLiteral("INSERT INTO IRendimiento(codigo,definicion,tipo,estado,clave) "
                                   "VALUES(:codigo,:definicion,:tipo, 1, :clave)"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), codigo);
        DM_BdatosADO->InsertarParametroCadena(QStringLiteral("definicion"), definicion);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("tipo"),
                                              RB_Datos->isChecked() ? 0 : 1);
        DM_BdatosADO->InsertarParametroBooleano(QStringLiteral("clave"), ChB_Clave->isChecked());
        DM_BdatosADO->ActivarQInsertUpdate();

        // Ticks of groups not shown count too.
        for (const std::vector<TCeldaSubcriterio>& celdas : ChecksGI) {
            for (const TCeldaSubcriterio& celda : celdas) {
                if (!celda.CheckBox || !celda.CheckBox->isChecked())
                    continue;
                DM_BdatosADO->InicializarQuery(
                    QStringLiteral("INSERT INTO SubCriterios_IndicadoresR(codigo_subcri,"
                                   "codigo_ir) VALUES(:codigo_sub,:codigo_ir)"));
                DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo_sub"), celda.Codigo);
                DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo_ir"), codigo);
                DM_BdatosADO->ActivarQInsertUpdate();
            }
        }
        return datos || TF_CrearIRPregunta::Preguntar(this, codigo, false);
    });
    if (!guardado)
        return;
    TDM_General::MensajeOK(QStringLiteral("Indicador de rendimiento insertado correctamente"));
    ui::CloseForm(this);
}
