#include "ModificarIRP2.h"

#include "CrearIRPregunta.h"
#include "TextosMemo.h"
#include "VentanaListaIR.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "data/Transaccion.h"
#include "platform/ui/Connect.h"
#include "platform/ui/MdiHost.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSet>

QPointer<TF_ModificarIRP2> F_ModificarIRP2;

namespace {

// The group list takes typing, yet only a group picked from its dropped-down list
// counts. Left alone, the toolkit would also choose the group that the typed text
// completes to, on Enter and whenever the list loses the focus (Tab, a click elsewhere,
// the drop-down opening), and the next or previous group on an arrow key or the wheel
// over the closed list.
class TSoloDeLaLista : public QObject
{
public:
    explicit TSoloDeLaLista(QComboBox* lista) : QObject(lista), m_lista(lista) {}

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        switch (evento->type()) {
        case QEvent::KeyPress: {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            switch (tecla->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Up:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                return true;
            case Qt::Key_Down: // Alt+Down drops the list down
                return !(tecla->modifiers() & Qt::AltModifier);
            default:
                return false;
            }
        }
        case QEvent::Wheel:
            return true;
        case QEvent::FocusOut: {
            // What was typed goes: the list shows the group chosen, or nothing.
            const int elegido = m_lista->currentIndex();
            m_lista->setEditText(elegido < 0 ? QString() : m_lista->itemText(elegido));
            return false;
        }
        default:
            return false;
        }
    }

private:
    QComboBox* m_lista;
};

} // namespace

TF_ModificarIRP2::TF_ModificarIRP2(QObject* owner)
    : TVentanaIR(owner, QSize(754, 629), QStringLiteral("MODIFICAR"))
{
    setupUi(this);
    Preparar({GB_Indicador, L_Def, M_Definicion, ChB_Clave, GB_GI, CB_GI, RB_Datos, RB_Encuesta,
              GB_Dimensiones, SB_Dimensiones, SB_DimensionesContenido, B_Modificar, B_Salir, -11});
    ui::Connect(CB_GI, &QComboBox::activated, this, &TF_ModificarIRP2::CB_GISelect);
    auto* soloDeLaLista = new TSoloDeLaLista(CB_GI);
    CB_GI->installEventFilter(soloDeLaLista);
    CB_GI->lineEdit()->installEventFilter(soloDeLaLista);
    ui::Connect(B_Modificar, &QPushButton::clicked, this, &TF_ModificarIRP2::B_ModificarClick);
}

void TF_ModificarIRP2::insertar_codirendimientosel(int codigo)
{
    CodIRSel = codigo;
}

bool TF_ModificarIRP2::CargarDefinicion()
{
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT definicion, tipo, clave, estado FROM IRendimiento WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodIRSel);
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    if (q->Eof())
        return false;
    const QString definicion = q->FieldByName(QStringLiteral("definicion")).AsString();
    const int tipo = q->FieldByName(QStringLiteral("tipo")).AsInteger();
    const bool clave = q->FieldByName(QStringLiteral("clave")).AsBoolean();
    EstadoIR = q->FieldByName(QStringLiteral("estado")).AsInteger();

    CargarTextoMemo(M_Definicion, definicion, true);
    (tipo == 0 ? RB_Datos : RB_Encuesta)->setChecked(true);
    ChB_Clave->setChecked(clave);
    return true;
}

void TF_ModificarIRP2::CargarCB_GI()
{
    CargarGrupos();
    MatrizChecks.assign(VCodGI.size(), {});
}

void TF_ModificarIRP2::InicializarMatriz()
{
    GIAnterior = -1;
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT codigo_subcri FROM Subcriterios_IndicadoresR WHERE codigo_ir=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodIRSel);
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    SubcriteriosIR.clear();
    SubcriteriosIR.reserve(size_t(DM_BdatosADO->NumFilas()));
    for (q->First(); !q->Eof(); q->Next())
        SubcriteriosIR.push_back(q->Fields(0).AsInteger());
    const QSet<int> vinculados(SubcriteriosIR.begin(), SubcriteriosIR.end());

    // Every box is made here, once, hidden and ticked where the indicator is linked:
    // choosing a group afterwards only hides and shows boxes and runs no query.
    MatrizChecks.assign(VCodGI.size(), {});
    CrearCajasEnBloque([&] {
        for (size_t g = 0; g < VCodGI.size(); ++g) {
            DM_BdatosADO->InicializarQuery(QStringLiteral(
                "SELECT codigo, definicion FROM Subcriterio WHERE cod_criterio=:cod_criterio"));
            DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_criterio"), VCodGI[g]);
            DM_BdatosADO->ActivarQSelect();
            std::vector<TCeldaSubcriterioIR>& celdas = MatrizChecks[g];
            celdas.resize(size_t(DM_BdatosADO->NumFilas()));
            q->First();
            for (size_t k = 0; k < celdas.size() && !q->Eof(); ++k, q->Next()) {
                TCeldaSubcriterioIR& celda = celdas[k];
                celda.Codigo = q->FieldByName(QStringLiteral("codigo")).AsInteger();
                celda.CheckBox =
                    CreateCheckBox(16, TopCaja(int(k)), 500,
                                   q->FieldByName(QStringLiteral("definicion")).AsString());
                celda.CheckBox->hide();
                celda.Asociado = vinculados.contains(celda.Codigo);
                celda.CheckBox->setChecked(celda.Asociado);
            }
        }
    });
}

void TF_ModificarIRP2::CB_GISelect(int i)
{
    if (i < 0 || size_t(i) >= MatrizChecks.size())
        return;
    if (GIAnterior != -1 && GIAnterior != i)
        Ocultar(MatrizChecks[size_t(GIAnterior)]);
    for (const TCeldaSubcriterioIR& celda : MatrizChecks[size_t(i)])
        celda.CheckBox->show();
    AjustarArea(int(MatrizChecks[size_t(i)].size()));
    GIAnterior = i;
    // On to the first box, or back to the list for a group without dimensions.
    SB_Dimensiones->setFocus();
}

void TF_ModificarIRP2::B_ModificarClick()
{
    const bool datos = ModoDatos();
    // The definition is checked before anything is written, the question included.
    const QString definicion = UnirLineasRecortandoPrimera(LineasMemo(M_Definicion));
    if (TDM_General::ComprobarVacio(definicion)) {
        TDM_General::MensajeError(
            QStringLiteral("La definición del indicador no puede estar vacía"));
        M_Definicion->clear();
        return;
    }

    // The question, the indicator and its links change together or not at all.
    bool desaparecido = false;
    const bool guardado = EnTransaccionSi([&] {
        if (!FilaExiste(QStringLiteral("SELECT codigo FROM IRendimiento WHERE codigo=:codigo"),
                        CodIRSel)) {
            desaparecido = true;
            return false;
        }
        if (datos) {
            DM_BdatosADO->InicializarQuery(QStringLiteral(
                "UPDATE IRendimiento SET definicion=:definicion, tipo=0, clave=:clave, "
                "estado=:estado, pregunta=:pregunta WHERE codigo=:codigo"));
            DM_BdatosADO->InsertarParametroCadena(QStringLiteral("pregunta"), QString());
        } else {
            if (!TF_CrearIRPregunta::Preguntar(this, CodIRSel, true))
                return false;
            DM_BdatosADO->InicializarQuery(
                QStringLiteral("UPDATE IRendimiento SET definicion=:definicion, tipo=1, "
                               "estado=:estado, clave=:clave WHERE codigo=:codigo"));
        }
        DM_BdatosADO->InsertarParametroCadena(QStringLiteral("definicion"), definicion);
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodIRSel);
        DM_BdatosADO->InsertarParametroBooleano(QStringLiteral("clave"), ChB_Clave->isChecked());
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("estado"), EstadoIR);
        DM_BdatosADO->ActivarQInsertUpdate();
        ActualizarVinculos();
        return true;
    });
    if (desaparecido)
        AvisarIndicadorDesaparecido();
    if (!guardado)
        return;

    MatrizChecks.clear();
    SubcriteriosIR.clear();
    VCodGI.clear();
    TDM_General::MensajeOK(QStringLiteral("Indicador de rendimiento modificado correctamente"));
    ui::CloseForm(this);
}

void TF_ModificarIRP2::ActualizarVinculos()
{
    for (const std::vector<TCeldaSubcriterioIR>& celdas : MatrizChecks) {
        for (const TCeldaSubcriterioIR& celda : celdas) {
            const bool marcada = celda.CheckBox->isChecked();
            if (marcada == celda.Asociado)
                continue;
            DM_BdatosADO->InicializarQuery(
                marcada ? QStringLiteral("INSERT INTO Subcriterios_IndicadoresR(codigo_subcri,"
                                         "codigo_ir) VALUES (:codigo_sub,:codigo_ir)")
                        : QStringLiteral("DELETE FROM Subcriterios_IndicadoresR WHERE "
                                         "codigo_ir=:codigo_ir AND codigo_subcri=:codigo_sub"));
            DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo_ir"), CodIRSel);
            DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo_sub"), celda.Codigo);
            DM_BdatosADO->ActivarQInsertUpdate();
        }
    }
}
