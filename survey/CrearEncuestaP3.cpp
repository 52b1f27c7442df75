#include "CrearEncuestaP3.h"

#include "ControlesSeleccion.h"
#include "CrearEncuestaP2.h"
#include "data/BdatosADO.h"
#include "data/ListasCodigos.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/OrdenTabulacion.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHash>
#include <QLabel>
#include <QScopedValueRollback>
#include <QScrollBar>

QPointer<TF_CrearEncuestaP3> F_CrearEncuestaP3;
std::vector<int> VCodDimension;
int DimensionAnterior = -1;
int CodSubcriterio = 0;

namespace {

const QSize kTamanyo(743, 615);

// The run-time labels by kind: 1 a key measure's marker, 0 a subdimension's title.
const TEstiloEtiqueta kMarcaClave{"C_", Qt::red, 9, false};
const TEstiloEtiqueta kTitulo{"T_", Qt::black, 11, true};

// Rows of a subdimension that share one block inside its group.
const int kFilasPorTramo = 16;
const int kAltoFila = 40;

// Keeps a widget out of sight while many of its children come into it and shows it
// once at the end: on the display, every widget that appears on its own asks where the
// mouse is, one round trip each.
class MostrarDeUnaVez
{
public:
    MostrarDeUnaVez(QWidget* widget, bool hacerlo)
        : m_widget(hacerlo && widget->isVisible() ? widget : nullptr)
    {
        if (m_widget)
            m_widget->hide();
    }
    ~MostrarDeUnaVez()
    {
        if (m_widget)
            m_widget->show();
    }
    MostrarDeUnaVez(const MostrarDeUnaVez&) = delete;
    MostrarDeUnaVez& operator=(const MostrarDeUnaVez&) = delete;

private:
    QWidget* m_widget;
};

// Puts a control at `lugar` of `padre` and shows it, touching it only when it is not
// already there and shown; whether anything changed.
bool Situar(QWidget* control, QWidget* padre, const QPoint& lugar)
{
    bool cambiado = false;
    if (control->parentWidget() != padre) {
        // Moved to a row of another block: the control goes hidden with the change.
        control->setParent(padre);
        cambiado = true;
    }
    if (control->pos() != lugar) {
        control->move(lugar);
        cambiado = true;
    }
    if (control->isHidden()) {
        control->show();
        cambiado = true;
    }
    return cambiado;
}

} // namespace

TF_CrearEncuestaP3::TF_CrearEncuestaP3(QObject* owner)
{
    ui::SetUpWorkWindow(this, owner);
    setupUi(this);
    ui::Connect(CB_Dimension, &QComboBox::activated, this, &TF_CrearEncuestaP3::CB_DimensionSelect);
    ui::Connect(CB_SoloClave, &QCheckBox::toggled, this, &TF_CrearEncuestaP3::CB_SoloClaveClick);
    ui::Connect(CB_Todos, &QCheckBox::toggled, this, &TF_CrearEncuestaP3::CB_TodosClick);
    ui::Connect(B_Atras, &QPushButton::clicked, this, &TF_CrearEncuestaP3::B_AtrasClick);
    ui::Connect(B_Aceptar, &QPushButton::clicked, this, &TF_CrearEncuestaP3::B_AceptarClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_CrearEncuestaP3::B_SalirClick);
    QScrollBar* vertical = SB_Indicadores->verticalScrollBar();
    ui::Connect(vertical, &QScrollBar::valueChanged, this, &TF_CrearEncuestaP3::GruposALaVista);
    ui::Connect(vertical, &QScrollBar::rangeChanged, this, &TF_CrearEncuestaP3::GruposALaVista);
    FormCreate();
}

void TF_CrearEncuestaP3::FormCreate()
{
    resize(kTamanyo);
    ui::PaintBackground(this, ui::Navy());
    ui::SetTextLook(Label1, -16);
    ui::SetTextLook(Label2, -16);
    ui::SetListColors(CB_Dimension, ui::PanelColor());
    CB_Dimension->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -12, true));
    ui::PaintBackground(Label3, ui::PanelColor());
    ui::SetTextLook(Label3, -13);
    for (QCheckBox* caja : {CB_SoloClave, CB_Todos}) {
        ui::PaintBackground(caja, ui::PanelColor());
        ui::SetTextLook(caja, -11);
    }
    ui::PaintBackground(SB_Indicadores->viewport(), ui::PanelColor());
    ui::PaintBackground(SB_IndicadoresContenido, ui::PanelColor());
    // The boxes of each view stand in the scroll box's place.
    ui::OrdenTabulacion(
        this, {CB_Dimension, CB_SoloClave, SB_Indicadores, B_Atras, B_Aceptar, B_Salir, CB_Todos});
}

void TF_CrearEncuestaP3::CargarCBDimension()
{
    CB_Dimension->clear();
    // The statement was prepared and bound by step 2.
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    const int n = DM_BdatosADO->NumFilas();
    NumDimensiones = n;
    VCodDimension.assign(size_t(n), 0);
    VSoloClave.assign(size_t(n) + 1, false);
    VTodos.assign(size_t(n) + 1, false);
    VEtiquetasDimension.assign(size_t(n), nullptr);
    m_grupos.assign(size_t(n), {});

    q->First();
    CodSubcriterio = q->Eof() ? 0 : q->FieldByName(QStringLiteral("cod_subcriterio")).AsInteger();
    QStringList items{QStringLiteral("--------Todas--------")};
    LeerFilasLista(items, VCodDimension);
    AnadirEnUnaLinea(CB_Dimension, items);
    CB_Dimension->setCurrentIndex(-1);
    // The drop-down fits the subdimensions' names; the first item is not one.
    ui::WidenDropDown(CB_Dimension, 20, 1);
    DimensionAnterior = -1;

    VIndicadores.assign(size_t(n), {});
    for (int i = 0; i < n; ++i) {
        DM_BdatosADO->InicializarQuery(QStringLiteral(
            "SELECT count(*) FROM indicador WHERE cod_dim= :cod_dim group by cod_dim"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_dim"), VCodDimension[size_t(i)]);
        DM_BdatosADO->ActivarQSelect();
        q->First();
        const int cuantas = q->Eof() ? 0 : q->Fields(0).AsInteger();
        VIndicadores[size_t(i)].resize(size_t(qMax(0, cuantas)));
    }
}

void TF_CrearEncuestaP3::CB_DimensionSelect()
{
    const int k = CB_Dimension->currentIndex();
    if (m_retirada || k == -1 || size_t(k) > VCodDimension.size())
        return;
    CB_SoloClave->setEnabled(true);
    CB_Todos->setEnabled(true);
    SB_Indicadores->verticalScrollBar()->setValue(0);
    int top = 20;
    CB_Dimension->setToolTip(TextoGuardado(CB_Dimension, k));

    if (k >= 1) {
        DM_BdatosADO->InicializarQuery(
            QStringLiteral("SELECT descripcion FROM dimension WHERE codigo=:codigo"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"),
                                              VCodDimension[size_t(k - 1)]);
        DM_BdatosADO->ActivarQSelect();
        ado::TADOQuery* q = DM_BdatosADO->Qquery;
        q->First();
        Label3->setToolTip(q->Eof() ? QString()
                                    : q->FieldByName(QStringLiteral("descripcion")).AsString());
    } else {
        Label3->setToolTip(QString());
    }

    // Nothing is painted before the handler returns to the event loop, so the view
    // reaches the screen as a whole, however it was rebuilt. The all view brings every
    // title and group into sight: unless it is shown already, it is built out of sight.
    {
        const QScopedValueRollback colocando(m_colocando, true);
        const MostrarDeUnaVez deUnaVez(SB_IndicadoresContenido, k == 0 && DimensionAnterior != 0);
        m_derecha = 0;
        if (DimensionAnterior != -1 && DimensionAnterior != k)
            OcultarVista(DimensionAnterior, k);
        if (k >= 1) {
            AbrirMedidas(VCodDimension[size_t(k - 1)]);
            ColocarMedidas(k - 1, top);
        } else {
            for (size_t i = 0; i < VCodDimension.size(); ++i) {
                DM_BdatosADO->InicializarQuery(
                    QStringLiteral("SELECT definicion FROM dimension WHERE codigo=:cod_dim"));
                DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_dim"), VCodDimension[i]);
                DM_BdatosADO->ActivarQSelect();
                ado::TADOQuery* q = DM_BdatosADO->Qquery;
                q->First();
                const QString titulo =
                    q->Eof() ? QString() : q->FieldByName(QStringLiteral("definicion")).AsString();
                AbrirMedidas(VCodDimension[i]);
                QPointer<QLabel>& etiqueta = VEtiquetasDimension[i];
                if (etiqueta)
                    Situar(etiqueta, SB_IndicadoresContenido, QPoint(20, top));
                else
                    etiqueta = CreateLabel(20, top, titulo, VCodDimension[i], 0);
                m_derecha = qMax(m_derecha, etiqueta->geometry().right());
                top += 30;
                ColocarMedidas(int(i), top);
            }
        }
        DimensionAnterior = k;
        AjustarContenido(top);
    }
    GruposALaVista();

    // The two boxes show what is in force for this view; a box whose state changes
    // runs its handler as a click would.
    if (size_t(k) < VSoloClave.size() && VSoloClave[size_t(k)]) {
        CB_SoloClave->setChecked(true);
    } else {
        DesmarcandoSoloClave = true;
        CB_SoloClave->setChecked(false);
    }
    if (size_t(k) < VTodos.size() && VTodos[size_t(k)]) {
        CB_Todos->setChecked(true);
    } else {
        DesmarcandoTodos = true;
        CB_Todos->setChecked(false);
    }
    // The scroll box takes the focus once the view is in it, so that it goes on to the
    // view's first box, or back to the list for a view without measures.
    SB_Indicadores->setFocus();
}

void TF_CrearEncuestaP3::AbrirMedidas(int codigoDimension)
{
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT codigo, definicion, clave FROM indicador WHERE cod_dim= :cod_dim ORDER BY "
        "definicion ASC"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_dim"), codigoDimension);
    DM_BdatosADO->ActivarQSelect();
}

void TF_CrearEncuestaP3::ColocarMedidas(int s, int& top)
{
    std::vector<TIndicadorCheck>* medidas = Medidas(s);
    if (!medidas)
        return;
    std::vector<TIndicadorCheck>& actuales = *medidas;
    // The group stands where the subdimension's first row goes and every row keeps its
    // place inside it, so a view that lists the same measures as last time moves the
    // group alone. A new group is shown once its rows are in it: controls made inside
    // a hidden widget cost the display nothing.
    TGrupo& grupo = Grupo(s);
    if (grupo.Caja->pos() != QPoint(0, top))
        grupo.Caja->move(0, top);
    bool cambiado = false;

    // Each measure keeps the check box it got when first shown, found by its code, so
    // that measures added to or taken from the catalogue since the list was loaded
    // never take another measure's box: a new one gets its own box and its place in
    // the order of definitions.
    std::vector<TIndicadorCheck> ordenadas;
    ordenadas.reserve(actuales.size());
    std::vector<char> usada(actuales.size(), 0);
    QHash<int, size_t> porCodigo;
    bool indexadas = false;

    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    const int colCodigo = q->FieldIndex(QStringLiteral("codigo"));
    const int colDefinicion = q->FieldIndex(QStringLiteral("definicion"));
    const int colClave = q->FieldIndex(QStringLiteral("clave"));
    q->First();
    size_t j = 0;
    for (; !q->Eof(); ++j, q->Next()) {
        const int codigo = q->Fields(colCodigo).AsInteger();
        size_t e = actuales.size();
        if (j < actuales.size() && !usada[j] && actuales[j].CheckBox &&
            actuales[j].Codigo == codigo) {
            e = j;
        } else {
            if (!indexadas) {
                for (size_t i = 0; i < actuales.size(); ++i)
                    if (actuales[i].CheckBox && !porCodigo.contains(actuales[i].Codigo))
                        porCodigo.insert(actuales[i].Codigo, i);
                indexadas = true;
            }
            const auto hallada = porCodigo.constFind(codigo);
            if (hallada != porCodigo.cend() && !usada[hallada.value()])
                e = hallada.value();
            else if (j < actuales.size() && !usada[j] && !actuales[j].CheckBox)
                e = j;
        }

        TIndicadorCheck medida;
        if (e < actuales.size()) {
            usada[e] = 1;
            medida = actuales[e];
        }
        QWidget* tramo = Tramo(grupo, j / kFilasPorTramo);
        const int y = int(j % kFilasPorTramo) * kAltoFila;
        if (medida.CheckBox) {
            cambiado |= Situar(medida.CheckBox, tramo, QPoint(60, y));
            if (medida.Clave == 1 && medida.LabelClave)
                cambiado |= Situar(medida.LabelClave, tramo, QPoint(10, y));
        } else {
            const int fila = top + int(j) * kAltoFila;
            m_destino = tramo;
            medida.CheckBox = CreateCheckBox(60, fila, q->Fields(colDefinicion).AsString());
            medida.Clave = q->Fields(colClave).AsInteger();
            if (medida.Clave == 1)
                medida.LabelClave = CreateLabel(10, fila, QStringLiteral("CLAVE"), codigo, 1);
            medida.Codigo = codigo;
            m_destino = nullptr;
            cambiado = true;
        }
        ordenadas.push_back(medida);
    }
    top += int(j) * kAltoFila;

    // What the catalogue no longer lists stays behind the shown measures, out of sight.
    for (size_t i = 0; i < actuales.size(); ++i) {
        if (usada[i])
            continue;
        ordenadas.push_back(actuales[i]);
        for (QWidget* control : {static_cast<QWidget*>(actuales[i].CheckBox.data()),
                                 static_cast<QWidget*>(actuales[i].LabelClave.data())}) {
            if (control && !control->isHidden()) {
                control->hide();
                cambiado = true;
            }
        }
    }
    actuales.swap(ordenadas);

    // The blocks and the group cover their shown rows and no more, so that the scroll
    // range does too.
    if (cambiado) {
        int derecha = -1;
        for (QWidget* tramo : grupo.Tramos) {
            tramo->resize(tramo->childrenRect().right() + 1, kFilasPorTramo * kAltoFila);
            derecha = qMax(derecha, tramo->geometry().right());
        }
        grupo.Caja->resize(derecha + 1, int(j) * kAltoFila);
    }
    grupo.Caja->show();
    m_derecha = qMax(m_derecha, grupo.Caja->geometry().right());
}

TF_CrearEncuestaP3::TGrupo& TF_CrearEncuestaP3::Grupo(int s)
{
    if (size_t(s) >= m_grupos.size())
        m_grupos.resize(size_t(s) + 1);
    TGrupo& grupo = m_grupos[size_t(s)];
    if (!grupo.Caja) {
        grupo.Caja = new QWidget(SB_IndicadoresContenido);
        grupo.Caja->resize(0, 0);
        grupo.Tramos.clear();
    }
    return grupo;
}

QWidget* TF_CrearEncuestaP3::Tramo(TGrupo& grupo, size_t t)
{
    while (grupo.Tramos.size() <= t) {
        auto* tramo = new QWidget(grupo.Caja);
        tramo->move(0, int(grupo.Tramos.size()) * kFilasPorTramo * kAltoFila);
        tramo->show();
        grupo.Tramos.push_back(tramo);
    }
    return grupo.Tramos[t];
}

void TF_CrearEncuestaP3::OcultarVista(int vista, int siguiente)
{
    // A group that the next view shows too stays as it is.
    for (size_t s = 0; s < m_grupos.size(); ++s)
        if (m_grupos[s].Caja && (vista == 0 || int(s) == vista - 1) &&
            (siguiente != 0 && int(s) != siguiente - 1))
            m_grupos[s].Caja->hide();
    if (vista == 0)
        for (QPointer<QLabel>& etiqueta : VEtiquetasDimension)
            if (etiqueta)
                etiqueta->hide();
}

void TF_CrearEncuestaP3::GruposALaVista()
{
    // Only the groups near the scroll box's window take repaints. A view shows up to
    // thousands of controls at once, and every control that may need painting costs
    // the windowing library a walk through its parents and siblings; those far out of
    // sight are painted as they come near, when the box is scrolled.
    if (m_colocando)
        return;
    const int alto = SB_Indicadores->viewport()->height();
    const int desde = SB_Indicadores->verticalScrollBar()->value() - alto;
    const int hasta = desde + 3 * alto;
    for (TGrupo& grupo : m_grupos) {
        if (!grupo.Caja)
            continue;
        const QRect lugar = grupo.Caja->geometry();
        const bool cerca = lugar.bottom() >= desde && lugar.top() <= hasta;
        if (grupo.Caja->updatesEnabled() != cerca)
            grupo.Caja->setUpdatesEnabled(cerca);
    }
}

void TF_CrearEncuestaP3::AjustarContenido(int bottom)
{
    // The scroll range covers the shown controls; the box's own colour fills the rest.
    SB_IndicadoresContenido->resize(m_derecha + 1, bottom);
}

QCheckBox* TF_CrearEncuestaP3::CreateCheckBox(int left, int top, const QString& caption)
{
    QWidget* padre = m_destino ? m_destino : SB_IndicadoresContenido;
    const QPoint lugar = QPoint(left, top) - padre->mapTo(SB_IndicadoresContenido, QPoint());
    return CrearCasillaSeleccion(padre, lugar.x(), lugar.y(), caption, 9);
}

QLabel* TF_CrearEncuestaP3::CreateLabel(int left, int top, const QString& caption, int code,
                                        int kind)
{
    // A title stands between the groups; a key marker goes with its measure's box.
    QWidget* padre = kind == 1 && m_destino ? m_destino : SB_IndicadoresContenido;
    const QPoint lugar = QPoint(left, top) - padre->mapTo(SB_IndicadoresContenido, QPoint());
    return CrearEtiquetaSeleccion(padre, lugar.x(), lugar.y(), caption, code,
                                  kind == 1 ? kMarcaClave : kTitulo);
}

void TF_CrearEncuestaP3::LiberarVectores()
{
    VIndicadores.clear();
    VEtiquetasDimension.clear();
    VCodDimension.clear();
}

void TF_CrearEncuestaP3::Retirar()
{
    m_retirada = true;
    EsconderForm();
    // A questionnaire of this window still in its preview keeps the window until the
    // preview closes.
    if (m_vistasAbiertas > 0)
        m_liberarTrasVista = true;
    else
        deleteLater();
}

void TF_CrearEncuestaP3::EsconderForm()
{
    ui::HideMdiChild(this);
}

void TF_CrearEncuestaP3::EnsenyarForm()
{
    ui::ShowMdiChild(this, kTamanyo);
}

void TF_CrearEncuestaP3::B_AtrasClick()
{
    if (!F_CrearEncuestaP2)
        return;
    EsconderForm();
    F_CrearEncuestaP2->EnsenyarForm();
}

void TF_CrearEncuestaP3::B_SalirClick()
{
    if (F_CrearEncuestaP2)
        ui::CloseForm(F_CrearEncuestaP2);
    ui::CloseForm(this);
}

bool TF_CrearEncuestaP3::focusNextPrevChild(bool next)
{
    return ui::Tabular(this, next) || QWidget::focusNextPrevChild(next);
}

void TF_CrearEncuestaP3::closeEvent(QCloseEvent* event)
{
    if (!m_retirada)
        LiberarVectores();
    m_retirada = true;
    ui::habilitarMenus();
    if (F_CrearEncuestaP3 == this)
        F_CrearEncuestaP3 = nullptr;
    event->accept();
}
