#include "VentanaIR.h"

#include "EstiloCabeceras.h"
#include "EstiloIR.h"
#include "TextosMemo.h"
#include "data/BdatosADO.h"
#include "data/ListasCodigos.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Look.h"
#include "platform/ui/OrdenTabulacion.h"
#include "platform/ui/TextoPlano.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>

namespace {

const QString kSiguiente = QStringLiteral("SIGUIENTE");

} // namespace

TVentanaIR::TVentanaIR(QObject* owner, QSize tamano, const QString& textoDatos)
    : TVentanaCabecera(owner, tamano), m_textoDatos(textoDatos)
{
}

void TVentanaIR::Preparar(const TPanelIR& panel)
{
    m_panel = panel;
    AspectoVentana(this);
    AspectoPanelIR(panel.GB_Indicador, -16);
    ui::SetTextLook(panel.L_Def, -13);
    PrepararMemo(panel.M_Definicion);
    AspectoMemoIR(panel.M_Definicion);
    ui::SetTextLook(panel.ChB_Clave, -11);
    ui::SetTextLook(panel.GB_GI, -11);
    AspectoListaIR(panel.CB_GI, panel.AlturaListaGI);

    // The boxes take the look of the dimension area: its panel's colour, white bold text
    // of cell height 12.
    for (QWidget* area : {panel.SB_Dimensiones->viewport(), panel.SB_DimensionesContenido})
        ui::PaintBackground(area, ui::GradientActiveCaption(), Qt::white);
    panel.SB_DimensionesContenido->setFont(
        ui::FontByHeight(QStringLiteral("MS Sans Serif"), 12, true));
    // The dimension area stands for its boxes, made as groups are chosen: the focus given
    // to it goes on to the shown group's first box.
    ui::OrdenTabulacion(this,
                        {panel.M_Definicion, panel.ChB_Clave, panel.CB_GI, panel.RB_Datos,
                         panel.RB_Encuesta, panel.SB_Dimensiones, panel.B_Guardar, panel.B_Salir});

    ui::Connect(panel.RB_Datos, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado)
            RB_DatosClick();
    });
    ui::Connect(panel.RB_Encuesta, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado)
            RB_EncuestaClick();
    });
    ui::Connect(panel.B_Salir, &QPushButton::clicked, this, &TVentanaIR::B_SalirClick);
}

void TVentanaIR::RB_DatosClick()
{
    m_panel.B_Guardar->setText(m_textoDatos);
}

void TVentanaIR::RB_EncuestaClick()
{
    m_panel.B_Guardar->setText(kSiguiente);
}

bool TVentanaIR::ModoDatos() const
{
    return m_panel.B_Guardar->text() == m_textoDatos;
}

void TVentanaIR::CargarGrupos()
{
    GIAnterior = -1;
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, definicion FROM Criterio ORDER By definicion asc"));
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(m_panel.CB_GI, VCodGI, 20);
}

QCheckBox* TVentanaIR::CreateCheckBox(int Left, int Top, int Width, const QString& Caption)
{
    // The scrolled area starts inside the group box, below its title.
    const QPoint origen = m_panel.SB_Dimensiones->pos();
    auto* caja = new QCheckBox(m_panel.SB_DimensionesContenido);
    caja->setGeometry(Left - origen.x(), Top - origen.y(), Width, 17);
    // The catalogue's texts show as they are, on the box's one line: no accelerator.
    caja->setText(ui::SinAtajos(ui::EnUnaLinea(Caption)));
    return caja;
}

void TVentanaIR::CrearCajasEnBloque(const std::function<void()>& crear)
{
    // Every event a new box receives goes through the gesture manager, which walks up
    // to the pan gesture that the scroll area gives its viewport and tries it on the
    // event: a fifth of what making a box costs. The viewport lets go of its gesture
    // while the boxes are made and takes it back afterwards.
    QWidget* vista = m_panel.SB_Dimensiones->viewport();
    vista->ungrabGesture(Qt::PanGesture);
    const auto devolver = qScopeGuard([vista] { vista->grabGesture(Qt::PanGesture); });
    crear();
}

void TVentanaIR::AjustarArea(int cajas)
{
    QScrollArea* area = m_panel.SB_Dimensiones;
    const int alto = cajas > 0 ? TopCaja(cajas - 1) + 17 + 8 - area->y() : 0;
    area->widget()->resize(area->viewport()->width(), qMax(alto, area->viewport()->height()));
    area->verticalScrollBar()->setValue(0);
}
