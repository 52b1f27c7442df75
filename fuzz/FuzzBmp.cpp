#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    graphics::TBitmap bitmap;
    try {
        bitmap.LoadFromStream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const graphics::EInvalidGraphic&) {
    }
    return 0;
}
