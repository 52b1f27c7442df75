#pragma once

#include <QByteArray>
#include <QImage>
#include <memory>

namespace graphics {

// A picture's graphic: a bitmap or a JPEG image.
class TGraphic
{
public:
    virtual ~TGraphic() = default;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The bytes the graphic writes of itself when saved to a stream.
    virtual QByteArray SaveToStream() const = 0;
    virtual QImage ToImage() const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
};

} // namespace graphics
