#include "CrearEncuestaP1.h"

#include "CrearEncuestaP2.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "data/General.h"
#include "data/ListaCentros.h"
#include "data/ListasCodigos.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/OrdenTabulacion.h"

#include <QCloseEvent>
#include <QMouseEvent>

QPointer<TF_CrearEncuestaP1> F_CrearEncuestaP1;

TF_CrearEncuestaP1::TF_CrearEncuestaP1(QObject* owner)
{
    ui::SetUpWorkWindow(this, owner, ui::Border::Single);
    setupUi(this);
    ui::Connect(CB_Cabecera, &QComboBox::activated, this, &TF_CrearEncuestaP1::CB_CabeceraSelect);
    ui::Connect(B_Siguiente, &QPushButton::clicked, this, &TF_CrearEncuestaP1::B_SiguienteClick);
    ui::Connect(B_Atras, &QPushButton::clicked, this, &TF_CrearEncuestaP1::B_AtrasClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_CrearEncuestaP1::B_SalirClick);
    FormCreate();
}

void TF_CrearEncuestaP1::Abrir()
{
    F_CrearEncuestaP1 = new TF_CrearEncuestaP1(ui::ApplicationObject());
    try {
        F_CrearEncuestaP1->CargarCB_Cabecera();
    } catch (...) {
        // A window that could not load its list is never shown: it does not stay behind.
        delete F_CrearEncuestaP1.data();
        throw;
    }
    ui::ShowMdiChild(F_CrearEncuestaP1, QSize(704, 495));
}

void TF_CrearEncuestaP1::FormCreate()
{
    resize(704, 495);

    ui::PaintBackground(this, ui::Navy());
    ui::PaintBackground(Panel1, ui::PanelColor());
    ui::PaintBackground(P_Cabecera, ui::PanelColor());
    ui::PaintBackground(P_Logo, ui::Navy());
    ui::SetTextLook(Label1, -16, true, Qt::white, true);
    for (QLabel* label : {Label2, Label3, Label4, Label5, Label6, Label7})
        ui::SetTextLook(label, -13);
    ui::SetTextLook(CB_IncluirFecha, -13, false);
    ui::SetListColors(CB_Cabecera, ui::ListColor());
    CB_Cabecera->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -12, true));

    // The calendar offers no day before today; that also moves its choice to today.
    MonthCalendar1->setMinimumDate(QDate::currentDate());
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -11));
    MonthCalendar1->installEventFilter(this);
    for (QWidget* part : MonthCalendar1->findChildren<QWidget*>())
        part->installEventFilter(this);
    // A day chosen with the keys counts as one clicked: the arrows, PgUp/PgDn, Home and
    // End move the chosen day, which is the date the questionnaire takes, and Enter
    // confirms the one chosen.
    ui::Connect(MonthCalendar1, &QCalendarWidget::selectionChanged, this,
                &TF_CrearEncuestaP1::MonthCalendar1Click);
    ui::Connect(MonthCalendar1, &QCalendarWidget::activated, this,
                &TF_CrearEncuestaP1::MonthCalendar1Click);

    CabeceraMostrada = false;
}

void TF_CrearEncuestaP1::CargarCB_Cabecera()
{
    CargarListaCentros(CB_Cabecera, VCodCabecera);
}

void TF_CrearEncuestaP1::CB_CabeceraSelect()
{
    ElegirCentro(CB_Cabecera, CB_Cabecera->currentIndex(), B_Siguiente);
}

void TF_CrearEncuestaP1::MonthCalendar1Click()
{
    CB_IncluirFecha->setChecked(true);
}

bool TF_CrearEncuestaP1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        ui::RunGuarded([this] { MonthCalendar1Click(); });
    return QWidget::eventFilter(watched, event);
}

void TF_CrearEncuestaP1::B_SiguienteClick()
{
    if (!CabeceraMostrada)
        MostrarCabecera();
    else
        PasarAlPaso2();
}

void TF_CrearEncuestaP1::MostrarCabecera()
{
    CabeceraMostrada = true;
    const int index = CB_Cabecera->currentIndex();
    if (index < 0 || size_t(index) >= VCodCabecera.size())
        return;

    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT direccion, telefono, logo FROM CabeceraEncuesta WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), VCodCabecera[size_t(index)]);
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    E_Direccion->setText(q->FieldByName(QStringLiteral("direccion")).AsString());
    E_Centro->setText(TextoGuardado(CB_Cabecera, index));
    E_Telefono->setText(q->FieldByName(QStringLiteral("telefono")).AsString());

    // The bitmap is reused from one centre to the next; it is emptied first so that a
    // damaged logo never leaves the previous centre's picture behind.
    graphics::TBitmap& logo = LogoCabecera.Bitmap();
    logo.LoadFromStream(QByteArray());
    PintarLogo();
    logo.Assign(LogoGuardado(*q));
    PintarLogo();

    Panel1->hide();
    InhabilitarControlesCabecera();
    P_Cabecera->show();
    B_Atras->show();
}

void TF_CrearEncuestaP1::PintarLogo()
{
    const QImage image = LogoCabecera.ToImage();
    if (image.isNull())
        I_Logo->clear();
    else
        I_Logo->setPixmap(QPixmap::fromImage(image));
}

void TF_CrearEncuestaP1::InhabilitarControlesCabecera()
{
    E_Centro->setEnabled(false);
    E_Direccion->setEnabled(false);
    E_Telefono->setEnabled(false);
}

void TF_CrearEncuestaP1::PasarAlPaso2()
{
    if (Recortar(E_Centro->text()).isEmpty()) {
        TDM_General::MensajeError(QStringLiteral("Debe insertar un nombre para el centro"));
        return;
    }

    DM_Encuesta = new TDM_Encuesta(this);
    TCabecera cabecera;
    cabecera.Centro = E_Centro->text();
    cabecera.Direccion = E_Direccion->text();
    cabecera.Telefono = E_Telefono->text();
    cabecera.Fecha = CB_IncluirFecha->isChecked() ? MonthCalendar1->selectedDate() : QDate();
    // The module keeps the picture alive as long as it refers to it.
    cabecera.Logo = std::make_shared<graphics::TPicture>();
    if (LogoCabecera.HasImage())
        cabecera.Logo->SetGraphic(LogoCabecera.Graphic()->Clone());
    DM_Encuesta->InicializarCabecera();
    DM_Encuesta->InsertarCabecera(cabecera);

    if (!F_CrearEncuestaP2) {
        F_CrearEncuestaP2 = new TF_CrearEncuestaP2(this);
        EsconderForm();
        F_CrearEncuestaP2->EnsenyarForm();
    } else {
        F_CrearEncuestaP2->EnsenyarForm();
        EsconderForm();
    }
}

void TF_CrearEncuestaP1::B_AtrasClick()
{
    Panel1->show();
    P_Cabecera->hide();
    B_Atras->hide();
    CabeceraMostrada = false;
}

void TF_CrearEncuestaP1::B_SalirClick()
{
    ui::CloseForm(this);
}

void TF_CrearEncuestaP1::EsconderForm()
{
    ui::HideMdiChild(this);
}

void TF_CrearEncuestaP1::EnsenyarForm()
{
    // This step keeps the size it had.
    ui::ShowMdiChild(this);
}

bool TF_CrearEncuestaP1::focusNextPrevChild(bool next)
{
    return ui::Tabular(this, next) || QWidget::focusNextPrevChild(next);
}

void TF_CrearEncuestaP1::closeEvent(QCloseEvent* event)
{
    ui::habilitarMenus();
    if (F_CrearEncuestaP1 == this)
        F_CrearEncuestaP1 = nullptr;
    event->accept();
}
