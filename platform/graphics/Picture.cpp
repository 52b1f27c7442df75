#include "Picture.h"

#include "Bitmap.h"

namespace graphics {

TBitmap& TPicture::Bitmap()
{
    auto* bitmap = dynamic_cast<TBitmap*>(m_graphic.get());
    if (!bitmap) {
        auto fresh = std::make_unique<TBitmap>();
        bitmap = fresh.get();
        m_graphic = std::move(fresh);
    }
    return *bitmap;
}

} // namespace graphics
