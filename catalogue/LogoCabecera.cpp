#include "LogoCabecera.h"

#include "ImagenLogo.h"
#include "data/General.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/JpegImage.h"
#include "platform/ui/FileDialogs.h"

#include <QDir>

namespace {

const int kFiltroBmp = 2;

// The file's bitmap, cut to the box from its top-left corner or extended with white.
std::unique_ptr<graphics::TGraphic> LeerBitmap(const QString& ruta, int ancho, int alto)
{
    auto bitmap = std::make_unique<graphics::TBitmap>();
    bitmap->LoadFromFile(ruta);
    bitmap->SetSize(ancho, alto);
    return bitmap;
}

// The file's JPEG picture, decoded at full size and stretched to the box.
std::unique_ptr<graphics::TGraphic> LeerJpeg(const QString& ruta, int ancho, int alto)
{
    graphics::TJPEGImage jpeg;
    jpeg.LoadFromFile(ruta);
    graphics::TBitmap origen(jpeg.ToImage());
    graphics::TBitmap destino;
    destino.SetSize(ancho, alto);
    TDM_General::SmoothResize(origen, destino);
    return destino.Clone();
}

} // namespace

void CargarLogo(QWidget* ventana, TImagenLogo* logo)
{
    ui::OpenFileRequest peticion;
    peticion.title = QStringLiteral("Abrir");
    peticion.initialDir = QDir::currentPath();
    peticion.filter = QStringLiteral("Archivos de imagen jpg|*.jpg|Archivos de imagen bmp|*.bmp");
    peticion.filterIndex = 1;
    peticion.fileMustExist = true;
    const ui::OpenFileResult eleccion = ui::ShowOpenFileDialog(ventana, peticion);
    if (!eleccion.accepted)
        return;

    // Read completely before the box changes, so a bad file leaves it as it was.
    std::unique_ptr<graphics::TGraphic> grafico =
        eleccion.filterIndex == kFiltroBmp
            ? LeerBitmap(eleccion.path, logo->width(), logo->height())
            : LeerJpeg(eleccion.path, logo->width(), logo->height());
    logo->Picture()->SetGraphic(std::move(grafico));
    logo->update();
}

void BorrarLogo(TImagenLogo* logo)
{
    logo->Picture()->Clear();
    logo->update();
}
