#include "platform/graphics/GraphicError.h"
#include "platform/graphics/JpegImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    graphics::TJPEGImage image;
    try {
        image.LoadFromStream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const graphics::EInvalidGraphic&) {
    }
    return 0;
}
