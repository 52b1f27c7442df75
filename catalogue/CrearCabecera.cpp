#include "CrearCabecera.h"

#include "BloqueoMenus.h"
#include "EstiloCabeceras.h"
#include "LogoCabecera.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "data/General.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/Frame.h"
#include "platform/ui/LimiteTexto.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"

#include <QApplication>

QPointer<TF_CrearCabecera> F_CrearCabecera;

namespace {

// Centre names compare trimmed, with only the letters A to Z folded to lower case:
// an accented capital stays as it is.
QString CentroComparable(const QString& centro)
{
    QString texto = Recortar(centro);
    for (QChar& c : texto)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return texto;
}

} // namespace

TF_CrearCabecera::TF_CrearCabecera(QObject* owner) : TVentanaCabecera(owner, QSize(696, 451))
{
    // Of the header windows, only this one can be maximised.
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setupUi(this);
    ui::LimitarCajas(this);
    ui::Connect(B_Imagen, &QPushButton::clicked, this, &TF_CrearCabecera::B_ImagenClick);
    ui::Connect(B_Borrar, &QPushButton::clicked, this, &TF_CrearCabecera::B_BorrarClick);
    ui::Connect(B_Insertar, &QPushButton::clicked, this, &TF_CrearCabecera::B_InsertarClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_CrearCabecera::B_SalirClick);
    // Leaving the centre box for another control of this window runs the duplicate
    // test; switching to another window does not.
    ui::Connect(qApp, &QApplication::focusChanged, this, &TF_CrearCabecera::CambioDeFoco);
    FormCreate();
}

void TF_CrearCabecera::Abrir()
{
    F_CrearCabecera = new TF_CrearCabecera(ui::FrameOwner());
    F_CrearCabecera->Mostrar();
}

void TF_CrearCabecera::FormCreate()
{
    // This window leaves every work command available while it is open.
    DesbloquearMenus();
    AspectoVentana(this);
    AspectoTitulo(Label1);
    ui::PaintBackground(P_Cabecera, ui::PanelColor(), Qt::white);
    ui::PaintBackground(P_Logo, ui::Navy(), Qt::white);
}

void TF_CrearCabecera::CambioDeFoco(QWidget* antes, QWidget* ahora)
{
    if (antes == E_Centro && ahora && isAncestorOf(ahora) && isVisible())
        E_CentroExit();
}

void TF_CrearCabecera::E_CentroExit()
{
    const QString centro = CentroComparable(E_Centro->text());
    DM_BdatosADO->InicializarQuery(QStringLiteral("SELECT centro FROM CabeceraEncuesta"));
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    for (q->First(); !q->Eof(); q->Next()) {
        if (CentroComparable(q->FieldByName(QStringLiteral("centro")).AsString()) == centro) {
            TDM_General::MensajeError(QStringLiteral("El centro insertado ya tiene una cabecera"));
            E_Centro->clear();
            return;
        }
    }
}

void TF_CrearCabecera::B_ImagenClick()
{
    CargarLogo(this, I_Logo);
}

void TF_CrearCabecera::B_BorrarClick()
{
    BorrarLogo(I_Logo);
}

void TF_CrearCabecera::B_InsertarClick()
{
    if (TDM_General::ComprobarVacio(Recortar(E_Centro->text()))) {
        TDM_General::MensajeError(QStringLiteral("Debe insertar un nombre para el centro"));
        return;
    }
    TCabecera cabecera;
    cabecera.Centro = E_Centro->text();
    cabecera.Direccion = E_Direccion->text();
    cabecera.Telefono = E_Telefono->text();
    cabecera.Logo = I_Logo->Picture();

    DM_Encuesta = new TDM_Encuesta(ui::ApplicationObject());
    DM_Encuesta->InicializarCabecera();
    DM_Encuesta->InsertarCabecera(cabecera);
    DM_Encuesta->GuardarCabecera();
    ui::CloseForm(this);
}
