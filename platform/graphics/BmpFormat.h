#pragma once

#include <QByteArray>
#include <QImage>

namespace graphics {

// Reads a Windows BMP file image; throws EInvalidGraphic for anything else.
QImage ReadBmp(const QByteArray& bytes);

// A complete Windows BMP file image (file header, info header, rows) of 24 bits per pixel.
QByteArray WriteBmp(const QImage& image);

} // namespace graphics
