#include "ModificarCabeceraP2.h"

#include "EstiloCabeceras.h"
#include "LogoCabecera.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "data/General.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicError.h"
#include "platform/ui/Application.h"
#include "platform/ui/Connect.h"
#include "platform/ui/LimiteTexto.h"
#include "platform/ui/Look.h"
#include "platform/ui/MdiHost.h"

namespace {

// A stored text longer than the box's limit is shown whole: the limit is for typing,
// and cutting the text here would lose part of it on "MODIFICAR". Shown from its start.
void MostrarTexto(QLineEdit* caja, const QString& texto)
{
    ui::MostrarTextoGuardado(caja, texto);
    caja->setCursorPosition(0);
}

} // namespace

TF_ModificarCabeceraP2::TF_ModificarCabeceraP2(QObject* owner)
    : TVentanaCabecera(owner, QSize(696, 444))
{
    setupUi(this);
    ui::LimitarCajas(this);
    ui::Connect(B_Imagen, &QPushButton::clicked, this, &TF_ModificarCabeceraP2::B_ImagenClick);
    ui::Connect(B_Borrar, &QPushButton::clicked, this, &TF_ModificarCabeceraP2::B_BorrarClick);
    ui::Connect(B_Insertar, &QPushButton::clicked, this, &TF_ModificarCabeceraP2::B_InsertarClick);
    ui::Connect(B_Salir, &QPushButton::clicked, this, &TF_ModificarCabeceraP2::B_SalirClick);
    FormCreate();
}

void TF_ModificarCabeceraP2::FormCreate()
{
    AspectoVentana(this);
    AspectoTitulo(Label1);
    ui::PaintBackground(P_Cabecera, ui::PanelColor(), Qt::white);
    ui::PaintBackground(I_Logo, ui::PanelColor(), Qt::white);
}

void TF_ModificarCabeceraP2::InsertarCodCab(int codigo)
{
    CodCabecera = codigo;
}

void TF_ModificarCabeceraP2::CargarCabecera()
{
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT centro, direccion, telefono, logo FROM CabeceraEncuesta WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), CodCabecera);
    DM_BdatosADO->ActivarQSelect();
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    q->First();
    MostrarTexto(E_Direccion, q->FieldByName(QStringLiteral("direccion")).AsString());
    MostrarTexto(E_Centro, q->FieldByName(QStringLiteral("centro")).AsString());
    MostrarTexto(E_Telefono, q->FieldByName(QStringLiteral("telefono")).AsString());

    // A null logo gives an empty bitmap: the box shows nothing and "MODIFICAR"
    // leaves the stored logo alone. So does a damaged one, after its error: the
    // header stays open to mend, with a new logo from "Insertar".
    try {
        I_Logo->Picture()->Bitmap().Assign(LogoGuardado(*q));
    } catch (const graphics::EInvalidGraphic& error) {
        I_Logo->Picture()->Bitmap().Assign(graphics::TBitmap());
        ui::ShowException(error);
    }
    I_Logo->update();
}

void TF_ModificarCabeceraP2::B_ImagenClick()
{
    CargarLogo(this, I_Logo);
}

void TF_ModificarCabeceraP2::B_BorrarClick()
{
    BorrarLogo(I_Logo);
}

void TF_ModificarCabeceraP2::B_InsertarClick()
{
    if (TDM_General::ComprobarVacio(Recortar(E_Centro->text()))) {
        TDM_General::MensajeError(QStringLiteral("Debe insertar un nombre para el centro"));
        return;
    }
    DM_Encuesta = new TDM_Encuesta(ui::ApplicationObject());

    TCabecera cabecera;
    cabecera.Centro = E_Centro->text();
    cabecera.Direccion = E_Direccion->text();
    cabecera.Telefono = E_Telefono->text();
    // The record's own copy of the shown logo; without one the stored logo stays.
    cabecera.Logo = std::make_shared<graphics::TPicture>();
    if (I_Logo->Picture()->HasImage())
        cabecera.Logo->SetGraphic(I_Logo->Picture()->Graphic()->Clone());

    DM_Encuesta->InicializarCabecera();
    DM_Encuesta->ActualizarCabecera(CodCabecera, cabecera);
    ui::CloseForm(this);
}
