// A header's logo as the windows read it back: whatever bytes the `logo` column
// holds go through the database layer's blob stream into the bitmap reader, and
// what it gives is drawn as the logo boxes draw it.

#include "FuzzSupport.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicError.h"
#include "platform/ui/Application.h"

#include <QPainter>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzing::PrepareProgram(argc, argv);
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "INSERT INTO CabeceraEncuesta(codigo,centro,direccion,telefono) VALUES(1,'C','D','T')"));
    DM_BdatosADO->ActivarQInsertUpdate();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ado::TADOQuery* q = DM_BdatosADO->Qquery;
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("UPDATE CabeceraEncuesta SET logo=:logo WHERE codigo=1"));
    q->SetParam(QStringLiteral("logo"),
                QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    DM_BdatosADO->ActivarQInsertUpdate();

    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "SELECT centro, direccion, telefono, logo FROM CabeceraEncuesta WHERE codigo=:codigo"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), 1);
    DM_BdatosADO->ActivarQSelect();
    q->First();
    try {
        const graphics::TBitmap logo = LogoGuardado(*q);
        // The modification box: 154 x 114, the picture centred and unscaled.
        QImage caja(154, 114, QImage::Format_RGB32);
        caja.fill(Qt::white);
        const QImage imagen = logo.ToImage();
        QPainter pintor(&caja);
        pintor.drawImage(
            QPoint((caja.width() - imagen.width()) / 2, (caja.height() - imagen.height()) / 2),
            imagen);
    } catch (const graphics::EInvalidGraphic&) {
    }
    return 0;
}
