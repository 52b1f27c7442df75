#include "ObtenerInformeP1.h"

#include "ObtenerInformeP2.h"
#include "data/BdatosADO.h"
#include "data/ListasCodigos.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/OrdenTabulacion.h"

#include <QCloseEvent>

QPointer<TF_ObtenerInformeP1> F_ObtenerInformeP1;

namespace {
const QSize kTamanyo(750, 163);
}

TF_ObtenerInformeP1::TF_ObtenerInformeP1(QObject* owner)
{
    ui::SetUpWorkWindow(this, owner);
    setupUi(this);
    ui::Connect(CB_Dimension, &QComboBox::activated, this,
                &TF_ObtenerInformeP1::CB_DimensionSelect);
    ui::Connect(B_Siguiente, &QPushButton::clicked, this, &TF_ObtenerInformeP1::B_SiguienteClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_ObtenerInformeP1::B_SalirClick);
    FormCreate();
}

void TF_ObtenerInformeP1::Abrir()
{
    F_ObtenerInformeP1 = new TF_ObtenerInformeP1(ui::ApplicationObject());
    try {
        F_ObtenerInformeP1->CargarCB_Dimension();
    } catch (...) {
        // A window that could not load its list never shows: it does not stay behind.
        delete F_ObtenerInformeP1.data();
        throw;
    }
    ui::ShowMdiChild(F_ObtenerInformeP1, kTamanyo);
}

void TF_ObtenerInformeP1::FormCreate()
{
    resize(kTamanyo);
    setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11));
    ui::PaintBackground(this, ui::Navy());
    ui::SetTextLook(Label1, -16);
    ui::SetListColors(CB_Dimension, ui::PanelColor());
    CB_Dimension->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11, true));
    B_Siguiente->setEnabled(false);
}

void TF_ObtenerInformeP1::CargarCB_Dimension()
{
    // Every dimension of every group, by name; the drop-down opens at the box's width.
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT codigo, definicion FROM Subcriterio ORDER by definicion asc"));
    DM_BdatosADO->ActivarQSelect();
    CargarListaCodigos(CB_Dimension, VCodSubcriterio, -1);
}

void TF_ObtenerInformeP1::CB_DimensionSelect()
{
    B_Siguiente->setEnabled(true);
}

void TF_ObtenerInformeP1::B_SiguienteClick()
{
    const int k = CB_Dimension->currentIndex();
    if (k < 0 || size_t(k) >= VCodSubcriterio.size())
        return;
    F_ObtenerInformeP2 = new TF_ObtenerInformeP2(ui::ApplicationObject());
    const QPointer<TF_ObtenerInformeP2> paso2 = F_ObtenerInformeP2.data();
    try {
        paso2->InsertarDimension(VCodSubcriterio[size_t(k)]);
        paso2->CargarPanelIndicadores();
    } catch (...) {
        // Half a panel is no step 2: it goes, and this step stays open.
        delete paso2.data();
        throw;
    }
    paso2->Mostrar();
    ui::CloseForm(this);
}

void TF_ObtenerInformeP1::B_SalirClick()
{
    ui::CloseForm(this);
}

bool TF_ObtenerInformeP1::focusNextPrevChild(bool next)
{
    return ui::Tabular(this, next) || QWidget::focusNextPrevChild(next);
}

void TF_ObtenerInformeP1::closeEvent(QCloseEvent* event)
{
    ui::habilitarMenus();
    event->accept();
}
