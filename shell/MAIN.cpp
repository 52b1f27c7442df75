#include "MAIN.h"

#include "Acercade.h"
#include "EditActions.h"
#include "Resources.h"
#include "StatusHints.h"
#include "catalogue/BorrarCabecera.h"
#include "catalogue/BorrarIR.h"
#include "catalogue/BorrarMPP1.h"
#include "catalogue/CrearCabecera.h"
#include "catalogue/CrearIR.h"
#include "catalogue/CrearMPP1.h"
#include "catalogue/ModificarCabeceraP1.h"
#include "catalogue/ModificarIRP1.h"
#include "catalogue/ModificarMPP1.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/ado/AdoConnection.h"
#include "platform/office/DocumentOpener.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/Ownership.h"
#include "reports/ObtenerInformeP1.h"
#include "survey/AbrirEncuesta.h"
#include "survey/CrearEncuestaP1.h"
#include "ui_MAIN.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>

QPointer<TMainForm> MainForm;

namespace {

// The name of the desktop's style, under the program's own touches to it.
QString DesktopStyleName()
{
    const QStyle* style = QApplication::style();
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    return style->name();
}

// As on the desktop the program was designed for, a disabled menu item can still be
// highlighted, so the status bar shows its hint; choosing it does nothing.
class TMenuStyle : public QProxyStyle
{
public:
    TMenuStyle() : QProxyStyle(QStyleFactory::create(DesktopStyleName())) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_Menu_AllowActiveAndDisabled)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), m_ui(new Ui::TMainForm)
{
    shell::InitResources();
    m_ui->setupUi(this);
    const struct
    {
        QAction* action;
        void (TMainForm::*handler)();
    } commands[] = {
        {m_ui->Nuevo1, &TMainForm::Nuevo1Click},
        {m_ui->FileNew1, &TMainForm::M_CrearEncuestaClick},
        {m_ui->FileOpenItem, &TMainForm::FileOpen1Execute},
        {m_ui->ToolButton1, &TMainForm::FileOpen1Execute},
        {m_ui->Insertar1, &TMainForm::Insertar1Click},
        {m_ui->Modificar1, &TMainForm::Modificar1Click},
        {m_ui->Borrar1, &TMainForm::Borrar1Click},
        {m_ui->FileExitItem, &TMainForm::FileExit1Execute},
        {m_ui->M_CrearMedida, &TMainForm::M_CrearMedidaClick},
        {m_ui->M_ModificarMedida, &TMainForm::M_ModificarMedidaClick},
        {m_ui->M_BorrarMedida, &TMainForm::M_BorrarMedidaClick},
        {m_ui->Crear3, &TMainForm::Crear3Click},
        {m_ui->M_ModificarIndicador, &TMainForm::M_ModificarIndicadorClick},
        {m_ui->M_BorrarIndicador, &TMainForm::M_BorrarIndicadorClick},
        {m_ui->Obtener1, &TMainForm::Obtener1Click},
        {m_ui->HelpAboutItem, &TMainForm::HelpAbout1Execute},
        {m_ui->Castellano, &TMainForm::CastellanoClick},
        {m_ui->Valenciano, &TMainForm::ValencianoClick},
        {m_ui->CatalogodeIndicadores1, &TMainForm::CatalogodeIndicadores1Click},
        {m_ui->ToolButton10, &TMainForm::ToolButton10Click},
    };
    for (const auto& command : commands)
        ui::Connect(command.action, &QAction::triggered, this, command.handler);
    ui::SetFrame(this);
    // Closing the frame frees it, and with it every window it owns.
    setAttribute(Qt::WA_DeleteOnClose);
    setContextMenuPolicy(Qt::NoContextMenu);

    m_area = m_ui->ClientArea;
    m_area->setBackground(ui::Navy());
    // A work window left beyond the area, when the frame shrinks, stays within reach.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ui::SetMdiArea(m_area);

    Nuevo1 = m_ui->Nuevo1;
    FileOpenItem = m_ui->FileOpenItem;
    Cabecera1 = m_ui->Cabecera1->menuAction();
    M_CrearMedida = m_ui->M_CrearMedida;
    M_ModificarMedida = m_ui->M_ModificarMedida;
    M_BorrarMedida = m_ui->M_BorrarMedida;
    Crear3 = m_ui->Crear3;
    M_ModificarIndicador = m_ui->M_ModificarIndicador;
    M_BorrarIndicador = m_ui->M_BorrarIndicador;
    Obtener1 = m_ui->Obtener1;

    DisponerMenus();
    DisponerBarras();

    // A new top-level window gets about three quarters of the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size() * 3 / 4);

    FormCreate();
}

TMainForm::~TMainForm()
{
    if (ui::Frame() == this)
        ui::SetFrame(nullptr);
    // The edit actions follow the focus; the work windows going with the frame move
    // it after the actions themselves are gone.
    delete m_edit;
    m_edit = nullptr;
}

void TMainForm::FormCreate()
{
    DM_General = new TDM_General(ui::ApplicationObject());
}

void TMainForm::DisponerMenus()
{
    const struct
    {
        QMenu* menu;
        const char* hint;
    } menus[] = {
        {m_ui->File1, "File related commands"}, {m_ui->Cabecera1, ""},
        {m_ui->Edit1, "Edit commands"},         {m_ui->Medidasdepercepcion1, ""},
        {m_ui->M_CrearIndicador, ""},           {m_ui->M_ObtenerInforme, ""},
        {m_ui->Help1, "Help topics"},           {m_ui->Manualdeusuario1, "Manual del programa"},
    };
    auto* style = new TMenuStyle;
    style->setParent(this);
    for (const auto& entry : menus) {
        entry.menu->setStyle(style);
        entry.menu->menuAction()->setObjectName(entry.menu->objectName());
        entry.menu->menuAction()->setStatusTip(QString::fromUtf8(entry.hint));
    }
    // The submenu item answers Ctrl+B, which opens nothing.
    Cabecera1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_ui->File1->actions().at(3)->setObjectName(QStringLiteral("N0"));
    m_ui->M_CrearIndicador->actions().last()->setObjectName(QStringLiteral("N1"));
    // The trailing separator of the indicators' menu shows, as it was designed.
    m_ui->M_CrearIndicador->setSeparatorsCollapsible(false);

    // Ctrl+N belongs to the menu item "&Nueva"; the action behind the tool button has
    // no key of its own, so a locked item's key runs nothing at all. The same holds
    // for the edit items and their actions.
    m_edit = new TEditActions(m_ui->EditCut1, m_ui->EditCopy1, m_ui->EditPaste1, this);
    TEditActions::Link(m_ui->CutItem, m_ui->EditCut1);
    TEditActions::Link(m_ui->CopyItem, m_ui->EditCopy1);
    TEditActions::Link(m_ui->PasteItem, m_ui->EditPaste1);
    ui::Connect(m_ui->Edit1, &QMenu::aboutToShow, m_edit, &TEditActions::UpdateTargets);
}

void TMainForm::DisponerBarras()
{
    QToolBar* bar = m_ui->ToolBar2;
    bar->setFixedHeight(30);
    bar->setContentsMargins(5, 0, 0, 0);
    bar->toggleViewAction()->setVisible(false);
    const struct
    {
        QAction* action;
        const char* name;
    } buttons[] = {
        {m_ui->FileNew1, "ToolButton9"},   {m_ui->ToolButton1, "ToolButton1"},
        {m_ui->EditCut1, "ToolButton4"},   {m_ui->EditCopy1, "ToolButton5"},
        {m_ui->EditPaste1, "ToolButton6"}, {m_ui->ToolButton10, "ToolButton10"},
    };
    for (const auto& entry : buttons) {
        if (QWidget* button = bar->widgetForAction(entry.action))
            button->setObjectName(QString::fromLatin1(entry.name));
    }
    int separator = 0;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator())
            action->setObjectName(separator++ == 0 ? QStringLiteral("ToolButton3")
                                                   : QStringLiteral("ToolButton7"));
    }

    QStatusBar* status = m_ui->StatusBar;
    status->setFixedHeight(19);
    status->setFont(ui::FontByHeight(font().family(), -11));
    auto* hints = new TStatusHints(this);
    connect(hints, &TStatusHints::HintChanged, status, [status](const QString& hint) {
        if (hint.isEmpty())
            status->clearMessage();
        else
            status->showMessage(hint);
    });
}

QList<QAction*> TMainForm::WorkCommands() const
{
    return {Nuevo1,        FileOpenItem,         Cabecera1,
            M_CrearMedida, M_ModificarMedida,    M_BorrarMedida,
            Crear3,        M_ModificarIndicador, M_BorrarIndicador,
            Obtener1};
}

void TMainForm::InhabilitarMenus()
{
    for (QAction* action : WorkCommands())
        action->setEnabled(false);
}

void TMainForm::habilitarMenus()
{
    for (QAction* action : WorkCommands())
        action->setEnabled(true);
}

void TMainForm::Nuevo1Click()
{
    AbrirVentanaTrabajo(&TF_CrearEncuestaP1::Abrir);
}

void TMainForm::M_CrearEncuestaClick()
{
    AbrirVentanaTrabajo(&TF_CrearEncuestaP1::Abrir);
}

void TMainForm::FileOpen1Execute()
{
    AbrirEncuestaGuardada(this);
}

void TMainForm::AbrirVentanaTrabajo(const std::function<void()>& crear)
{
    InhabilitarMenus();
    try {
        crear();
    } catch (...) {
        habilitarMenus();
        throw;
    }
}

void TMainForm::Insertar1Click()
{
    AbrirVentanaTrabajo(&TF_CrearCabecera::Abrir);
}

void TMainForm::Modificar1Click()
{
    AbrirVentanaTrabajo(&TF_ModificarCabecera::Abrir);
}

void TMainForm::Borrar1Click()
{
    AbrirVentanaTrabajo(&TF_BorrarCabecera::Abrir);
}

void TMainForm::M_CrearMedidaClick()
{
    AbrirVentanaTrabajo(&TF_CrearMPP1::Abrir);
}

void TMainForm::M_ModificarMedidaClick()
{
    AbrirVentanaTrabajo(&TF_ModificarMPP1::Abrir);
}

void TMainForm::M_BorrarMedidaClick()
{
    AbrirVentanaTrabajo(&TF_BorrarMPP1::Abrir);
}

void TMainForm::Crear3Click()
{
    AbrirVentanaTrabajo(&TF_CrearIR::Abrir);
}

void TMainForm::M_ModificarIndicadorClick()
{
    AbrirVentanaTrabajo(&TF_ModificarIR::Abrir);
}

void TMainForm::M_BorrarIndicadorClick()
{
    AbrirVentanaTrabajo(&TF_BorrarIR::Abrir);
}

void TMainForm::Obtener1Click()
{
    AbrirVentanaTrabajo(&TF_ObtenerInformeP1::Abrir);
}

void TMainForm::HelpAbout1Execute()
{
    F_Acercade = new TF_Acercade(this);
    ui::Own(ui::ApplicationObject(), F_Acercade);
    F_Acercade->exec();
}

void TMainForm::CastellanoClick()
{
    AbrirDocumento(DM_BdatosADO ? DM_BdatosADO->RutaManualCastellano : QString(),
                   QStringLiteral("El manual no ha podido abrirse. Consulte el archivo "
                                  "Dimarvolteca.ini"));
}

void TMainForm::ValencianoClick()
{
    AbrirDocumento(DM_BdatosADO ? DM_BdatosADO->RutaManualValenciano : QString(),
                   QStringLiteral("El manual no ha podido abrirse. Consulte el archivo "
                                  "Dimarvolteca.ini"));
}

void TMainForm::CatalogodeIndicadores1Click()
{
    AbrirDocumento(DM_BdatosADO ? DM_BdatosADO->RutaCatalogo : QString(),
                   QStringLiteral("El catálogo de indicadores no ha podido abrirse. Consulte "
                                  "el archivo Dimarvolteca.ini"));
}

void TMainForm::AbrirDocumento(const QString& ruta, const QString& aviso)
{
    try {
        office::OpenDocument(ado::FileSystemPath(ruta));
    } catch (const office::EOfficeError&) {
        TDM_General::MensajeError(aviso);
    }
}

void TMainForm::FileExit1Execute()
{
    close();
}

void TMainForm::ToolButton10Click()
{
    close();
}
