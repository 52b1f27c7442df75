#pragma once

#include "Graphic.h"

#include <memory>

namespace graphics {

class TBitmap;

// A picture that may hold a graphic; one without stands for "no logo".
class TPicture
{
public:
    TPicture() = default;
    TPicture(const TPicture& other) { Assign(other); }
    TPicture& operator=(const TPicture& other)
    {
        Assign(other);
        return *this;
    }

    bool HasGraphic() const { return bool(m_graphic); }
    // Holds a graphic that has pixels.
    bool HasImage() const { return m_graphic && !m_graphic->Empty(); }
    TGraphic* Graphic() const { return m_graphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic) { m_graphic = std::move(graphic); }
    void Clear() { m_graphic.reset(); }
    void Assign(const TPicture& other)
    {
        m_graphic = other.m_graphic ? other.m_graphic->Clone() : nullptr;
    }

    // The picture's bitmap, made (empty) when the picture holds no graphic or another kind.
    TBitmap& Bitmap();

    QImage ToImage() const { return m_graphic ? m_graphic->ToImage() : QImage(); }

private:
    std::unique_ptr<TGraphic> m_graphic;
};

} // namespace graphics
