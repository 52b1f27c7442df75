#pragma once

class QWidget;
class TImagenLogo;

// The logo routine of both header windows. Offers the JPEG and bitmap files of the
// current folder; the filter chosen, not the file's extension, decides how the file
// is read. A JPEG is stretched to the box; a bitmap is cut to it, or extended with
// white, without scaling. Cancelling changes nothing; a file that cannot be read
// throws graphics::EInvalidGraphic and leaves the box as it was.
void CargarLogo(QWidget* ventana, TImagenLogo* logo);

// Leaves the box's picture without a graphic: the header has no logo.
void BorrarLogo(TImagenLogo* logo);
