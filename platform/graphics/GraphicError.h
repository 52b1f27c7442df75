#pragma once

#include <QString>
#include <stdexcept>

namespace graphics {

// A picture that cannot be read: damaged, truncated, of another kind or too large.
class EInvalidGraphic : public std::runtime_error
{
public:
    explicit EInvalidGraphic(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};

// Pictures larger than this on a side, or in area, are refused before any pixel is decoded.
inline constexpr int kMaxSide = 16384;
inline constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

void CheckDimensions(qint64 width, qint64 height);

// What CheckDimensions says of a picture too large.
QString TooLargeMessage(qint64 width, qint64 height);

} // namespace graphics
