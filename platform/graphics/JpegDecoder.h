#pragma once

#include <QByteArray>
#include <QImage>

namespace graphics {

// Decodes a JPEG file image through libjpeg into a 24-bit image. Greyscale and
// CMYK pictures come out as RGB; a damaged, truncated or oversized picture throws
// EInvalidGraphic and never ends the process.
QImage DecodeJpeg(const QByteArray& bytes);

} // namespace graphics
