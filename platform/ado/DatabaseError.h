#pragma once

#include <QString>
#include <stdexcept>

namespace ado {

// Every failure of the data layer, its text in UTF-8.
class EDatabaseError : public std::runtime_error
{
public:
    explicit EDatabaseError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};

// A failure the driver reports: a short sentence on what failed, for the user who
// reads it in the error box, then the driver's own message.
inline EDatabaseError DriverError(const QString& what, const QString& driverMessage)
{
    return EDatabaseError(what + QStringLiteral(": ") + driverMessage);
}

} // namespace ado
