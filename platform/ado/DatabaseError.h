#pragma once

#include <QString>
#include <stdexcept>

class QSqlError;

namespace ado {

// Every failure of the data layer, its text in UTF-8.
class EDatabaseError : public std::runtime_error
{
public:
    explicit EDatabaseError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};

// What failed, as the user reads it at the start of the error box.
QString ReadFailed();
QString SaveFailed();

// A failure the driver reports, for the user who reads it in the error box: what
// failed (`what`: reading or saving), the likely cause in Spanish, then the database's
// own text, once. The toolkit's sentence on the step that failed ("Unable to fetch
// row") says nothing the user can act on and is left out.
EDatabaseError DriverError(const QString& what, const QSqlError& error);

} // namespace ado
