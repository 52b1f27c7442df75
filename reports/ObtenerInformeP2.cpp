#include "ObtenerInformeP2.h"

#include "InformeIR.h"
#include "data/BdatosADO.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/OrdenTabulacion.h"
#include "survey/ControlesSeleccion.h"
#include "survey/FilasTemporales.h"
#include "survey/GeneracionInforme.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QSet>

QPointer<TF_ObtenerInformeP2> F_ObtenerInformeP2;

namespace {

const QSize kTamanyo(743, 615);

// The run-time labels by kind.
const TEstiloEtiqueta kTitulo{"T_", Qt::black, 11, true};             // 0
const TEstiloEtiqueta kClaveMedida{"C_", Qt::red, 10, false};         // 1
const TEstiloEtiqueta kTituloIR{"TIR_", QColor(0, 255, 0), 11, true}; // -1
const TEstiloEtiqueta kClaveIR{"IR_", Qt::red, 10, true};             // -2

const TEstiloEtiqueta& EstiloDe(int kind)
{
    switch (kind) {
    case 1:
        return kClaveMedida;
    case -1:
        return kTituloIR;
    case -2:
        return kClaveIR;
    default:
        return kTitulo;
    }
}

bool EsClave(const TIndicadorCheck& elemento)
{
    return elemento.Clave == 1;
}

void Marcar(TIndicadorCheck& elemento, bool marcar)
{
    if (elemento.CheckBox)
        elemento.CheckBox->setChecked(marcar);
}

// The definition of row `codigo` of a catalogue table as it is now; none when the row
// has gone since the panel was built.
bool LeerDefinicion(const QString& sql, int codigo, QString& definicion)
{
    DM_BdatosADO->InicializarQuery(sql);
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_ind"), codigo);
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    if (q->Eof())
        return false;
    definicion = q->FieldByName(QStringLiteral("definicion")).AsString();
    return true;
}

} // namespace

TF_ObtenerInformeP2::TF_ObtenerInformeP2(QObject* owner)
{
    ui::SetUpWorkWindow(this, owner);
    setupUi(this);
    ui::Connect(CB_SoloClave, &QCheckBox::toggled, this, &TF_ObtenerInformeP2::CB_SoloClaveClick);
    ui::Connect(CB_Todos, &QCheckBox::toggled, this, &TF_ObtenerInformeP2::CB_TodosClick);
    ui::Connect(B_Aceptar, &QPushButton::clicked, this, &TF_ObtenerInformeP2::B_AceptarClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_ObtenerInformeP2::B_SalirClick);
    FormCreate();
}

void TF_ObtenerInformeP2::FormCreate()
{
    resize(kTamanyo);
    setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11));
    ui::PaintBackground(this, ui::Navy());
    ui::SetTextLook(Label2, -16);
    for (QCheckBox* caja : {CB_SoloClave, CB_Todos}) {
        ui::PaintBackground(caja, ui::PanelColor());
        ui::SetTextLook(caja, -11);
    }
    ui::PaintBackground(SB_Indicadores->viewport(), ui::PanelColor());
    ui::PaintBackground(SB_IndicadoresContenido, ui::PanelColor());
    // The panel's items are made later, and stand in the scroll box's place.
    ui::OrdenTabulacion(this, {SB_Indicadores, B_Aceptar, B_Salir, CB_SoloClave, CB_Todos});
}

void TF_ObtenerInformeP2::InsertarDimension(int codigo)
{
    CodSubcriterio = codigo;
}

void TF_ObtenerInformeP2::Mostrar()
{
    ui::ShowMdiChild(this, kTamanyo);
}

void TF_ObtenerInformeP2::CargarPanelIndicadores()
{
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT codigo, definicion FROM Dimension WHERE cod_subcriterio=:cod ORDER By codigo asc"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod"), CodSubcriterio);
    DM_BdatosADO->ActivarQSelect();
    q->First();
    const size_t n = size_t(DM_BdatosADO->NumFilas());
    int top = 20;
    VCodDimension.assign(n, 0);
    VEtiquetasDimension.assign(n + 1, nullptr);
    VIndicadores.assign(n, {});
    for (size_t j = 0; j < n && !q->Eof(); ++j, q->Next()) {
        VCodDimension[j] = q->FieldByName(QStringLiteral("codigo")).AsInteger();
        VEtiquetasDimension[j] = CreateLabel(
            20, 20, q->FieldByName(QStringLiteral("definicion")).AsString(), VCodDimension[j], 0);
    }
    top += 30;

    for (size_t j = 0; j < n; ++j) {
        DM_BdatosADO->InicializarQuery(
            QStringLiteral("SELECT codigo, definicion, clave, tipo, cod_pregunta FROM Indicador "
                           "WHERE cod_dim=:codigo"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), VCodDimension[j]);
        DM_BdatosADO->ActivarQSelect();
        q->First();
        if (j > 0) {
            VEtiquetasDimension[j]->move(20, top);
            top += 30;
        }
        m_derecha = qMax(m_derecha, VEtiquetasDimension[j]->geometry().right());
        std::vector<TIndicadorCheck>& medidas = VIndicadores[j];
        medidas.reserve(size_t(DM_BdatosADO->NumFilas()));
        for (; !q->Eof(); q->Next()) {
            TIndicadorCheck medida;
            medida.Codigo = q->FieldByName(QStringLiteral("codigo")).AsInteger();
            medida.Clave = q->FieldByName(QStringLiteral("clave")).AsInteger();
            medida.CheckBox =
                CreateCheckBox(60, top, q->FieldByName(QStringLiteral("definicion")).AsString());
            if (EsClave(medida))
                medida.LabelClave = CreateLabel(10, top, QStringLiteral("CLAVE"), medida.Codigo, 1);
            m_derecha = qMax(m_derecha, medida.CheckBox->geometry().right());
            medidas.push_back(medida);
            top += 40;
        }
    }
    MostrarIR(20, top);
}

void TF_ObtenerInformeP2::MostrarIR(int left, int top)
{
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT definicion FROM subcriterio WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodSubcriterio);
    DM_BdatosADO->ActivarQSelect();
    q->First();
    const QString titulo =
        QStringLiteral("Indicadores de rendimiento predictores de la ") +
        (q->Eof() ? QString() : q->FieldByName(QStringLiteral("definicion")).AsString());
    QLabel* etiqueta = CreateLabel(left, top, titulo, CodSubcriterio, -1);
    if (VEtiquetasDimension.empty())
        VEtiquetasDimension.resize(1);
    VEtiquetasDimension.back() = etiqueta;
    m_derecha = qMax(m_derecha, etiqueta->geometry().right());

    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT ir.definicion, ir.codigo, ir.clave FROM IRendimiento ir, "
        "Subcriterios_IndicadoresR sir WHERE ir.codigo=sir.codigo_ir AND codigo_subcri=:codigo "
        "ORDER BY ir.definicion ASC"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodSubcriterio);
    DM_BdatosADO->ActivarQSelect();
    q->First();
    VIndicadoresIR.clear();
    VIndicadoresIR.reserve(size_t(DM_BdatosADO->NumFilas()));
    top += 30;
    // An indicator linked to the dimension twice is one item.
    QSet<int> listados;
    for (; !q->Eof(); q->Next()) {
        TIndicadorCheck indicador;
        indicador.Codigo = q->FieldByName(QStringLiteral("codigo")).AsInteger();
        if (listados.contains(indicador.Codigo))
            continue;
        listados.insert(indicador.Codigo);
        indicador.Clave = q->FieldByName(QStringLiteral("clave")).AsBoolean() ? 1 : 0;
        indicador.CheckBox =
            CreateCheckBox(60, top, q->FieldByName(QStringLiteral("definicion")).AsString());
        if (EsClave(indicador))
            indicador.LabelClave =
                CreateLabel(10, top, QStringLiteral("CLAVE"), indicador.Codigo, -2);
        m_derecha = qMax(m_derecha, indicador.CheckBox->geometry().right());
        VIndicadoresIR.push_back(indicador);
        top += 40;
    }
    AjustarContenido(top);
}

void TF_ObtenerInformeP2::AjustarContenido(int bottom)
{
    // The scroll range covers the controls; the box's own colour fills the rest.
    SB_IndicadoresContenido->resize(m_derecha + 1, bottom);
}

QCheckBox* TF_ObtenerInformeP2::CreateCheckBox(int left, int top, const QString& caption)
{
    return CrearCasillaSeleccion(SB_IndicadoresContenido, left, top, caption, 10);
}

QLabel* TF_ObtenerInformeP2::CreateLabel(int left, int top, const QString& caption, int code,
                                         int kind)
{
    return CrearEtiquetaSeleccion(SB_IndicadoresContenido, left, top, caption, code,
                                  EstiloDe(kind));
}

template <typename F> void TF_ObtenerInformeP2::ParaCadaElemento(F hacer)
{
    for (std::vector<TIndicadorCheck>& medidas : VIndicadores)
        for (TIndicadorCheck& medida : medidas)
            hacer(medida, false);
    for (TIndicadorCheck& indicador : VIndicadoresIR)
        hacer(indicador, true);
}

void TF_ObtenerInformeP2::CB_SoloClaveClick()
{
    if (CB_SoloClave->isChecked()) {
        if (CB_Todos->isChecked())
            CB_Todos->setChecked(false);
        // Key measures are added to what is ticked; the indicators follow their key flag.
        ParaCadaElemento([](TIndicadorCheck& elemento, bool esIR) {
            if (esIR || EsClave(elemento))
                Marcar(elemento, EsClave(elemento));
        });
    } else {
        ParaCadaElemento([](TIndicadorCheck& elemento, bool) {
            if (EsClave(elemento))
                Marcar(elemento, false);
        });
    }
}

void TF_ObtenerInformeP2::CB_TodosClick()
{
    const bool marcar = CB_Todos->isChecked();
    if (marcar && CB_SoloClave->isChecked())
        CB_SoloClave->setChecked(false);
    ParaCadaElemento([marcar](TIndicadorCheck& elemento, bool) { Marcar(elemento, marcar); });
}

void TF_ObtenerInformeP2::InsertarPregTemp()
{
    // Measures first, subdimension after subdimension, then the indicators; an item
    // gone from the catalogue since the panel was built is left out, and the numbers
    // run on without a gap.
    TAltaFilas::Escribir([this](TAltaFilas& filas) {
        ParaCadaElemento([&filas](TIndicadorCheck& elemento, bool esIR) {
            if (!elemento.CheckBox || !elemento.CheckBox->isChecked())
                return;
            QString definicion;
            const QString sql =
                esIR ? QStringLiteral("SELECT definicion FROM IRendimiento WHERE codigo=:cod_ind")
                     : QStringLiteral("SELECT definicion FROM Indicador WHERE codigo=:cod_ind");
            if (LeerDefinicion(sql, elemento.Codigo, definicion))
                filas.Anyadir(definicion);
        });
    });
}

void TF_ObtenerInformeP2::B_AceptarClick()
{
    TGeneracionInforme generacion;
    generacion.AvisoEnPantalla =
        QStringLiteral("Ya hay un informe en la vista previa. Ciérrelo antes de generar otro.");
    generacion.EscribirFilas = [this] {
        try {
            InsertarPregTemp();
            return true;
        } catch (const std::exception&) {
            TDM_General::MensajeError(
                QStringLiteral("Error en la generación de los registros temporales"));
            return false;
        }
    };
    generacion.CrearInforme = [] {
        return F_InformeIR = new TF_InformeIR(ui::ApplicationObject());
    };
    const int dimension = CodSubcriterio;
    generacion.NombrarDimension = [dimension](TVentanaInforme& informe) {
        static_cast<TF_InformeIR&>(informe).InsertarSubCriterio(dimension);
    };
    // The preview may outlive this window: nothing of it is touched after this call.
    GenerarInforme(this, generacion);
}

void TF_ObtenerInformeP2::B_SalirClick()
{
    ui::CloseForm(this);
}

bool TF_ObtenerInformeP2::focusNextPrevChild(bool next)
{
    return ui::Tabular(this, next) || QWidget::focusNextPrevChild(next);
}

void TF_ObtenerInformeP2::closeEvent(QCloseEvent* event)
{
    ui::habilitarMenus();
    event->accept();
}
