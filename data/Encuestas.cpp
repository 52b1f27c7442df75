#include "Encuestas.h"

#include "BdatosADO.h"
#include "General.h"
#include "platform/ado/DataSet.h"
#include "platform/graphics/Bitmap.h"

QPointer<TDM_Encuesta> DM_Encuesta;

TDM_Encuesta::TDM_Encuesta(QObject* owner) : QObject(owner) {}

void TDM_Encuesta::InicializarCabecera()
{
    Cabecera.Logo = std::make_shared<graphics::TPicture>();
}

void TDM_Encuesta::InsertarCabecera(const TCabecera& Cab)
{
    Cabecera = Cab;
}

void TDM_Encuesta::GuardarCabecera()
{
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("SELECT MAX(codigo) as mxcod FROM CabeceraEncuesta"));
    DM_BdatosADO->ActivarQSelect();
    DM_BdatosADO->Qquery->First();
    const int codigo = DM_BdatosADO->Qquery->FieldByName(QStringLiteral("mxcod")).AsInteger() + 1;

    DM_BdatosADO->InicializarQuery(
        QStringLiteral("INSERT INTO CabeceraEncuesta(codigo,centro,direccion,telefono,logo) "
                       "VALUES(:codigo,:centro,:direccion,:telefono,:logo)"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), codigo);
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("centro"), Cabecera.Centro);
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("direccion"), Cabecera.Direccion);
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("telefono"), Cabecera.Telefono);
    if (Cabecera.Logo && Cabecera.Logo->HasGraphic())
        DM_BdatosADO->InsertarParametroImagen(QStringLiteral("logo"), *Cabecera.Logo->Graphic());
    else
        DM_BdatosADO->Qquery->SetParam(QStringLiteral("logo"), QVariant());
    DM_BdatosADO->ActivarQInsertUpdate();

    TDM_General::MensajeOK(QStringLiteral("La cabecera ha sido insertada con éxito"));
}

void TDM_Encuesta::ActualizarCabecera(int Codigo, const TCabecera& Cab)
{
    const bool conLogo = Cab.Logo && Cab.Logo->HasGraphic();
    if (conLogo)
        DM_BdatosADO->InicializarQuery(QStringLiteral(
            "UPDATE CabeceraEncuesta SET centro=:centro, direccion=:direccion, telefono=:telefono, "
            "logo=:logo WHERE codigo=:codigo"));
    else
        DM_BdatosADO->InicializarQuery(QStringLiteral(
            "UPDATE CabeceraEncuesta SET centro=:centro, direccion=:direccion, telefono=:telefono "
            "WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("centro"), Cab.Centro);
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), Codigo);
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("direccion"), Cab.Direccion);
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("telefono"), Cab.Telefono);
    if (conLogo)
        DM_BdatosADO->InsertarParametroImagen(QStringLiteral("logo"), *Cab.Logo->Graphic());
    DM_BdatosADO->ActivarQInsertUpdate();

    TDM_General::MensajeOK(QStringLiteral("La cabecera ha sido modificada con éxito"));
}

graphics::TBitmap LogoGuardado(const ado::TDataSet& fila)
{
    graphics::TBitmap logo;
    const std::unique_ptr<QIODevice> stream = fila.CreateBlobStream(QStringLiteral("logo"));
    logo.LoadFromStream(stream->readAll());
    return logo;
}
