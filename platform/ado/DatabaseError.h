#pragma once

#include <QString>
#include <stdexcept>

namespace ado {

// Every failure of the data layer: the text is the driver's own message, in UTF-8.
class EDatabaseError : public std::runtime_error
{
public:
    explicit EDatabaseError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};

} // namespace ado
