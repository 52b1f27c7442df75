#pragma once

#include <QString>
#include <stdexcept>

namespace report {

// What the report engine throws; the text is for the user, in Spanish.
class EReportError : public std::runtime_error
{
public:
    explicit EReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// A saved report that cannot be read: foreign, truncated, damaged or too new.
class EReportFileError : public EReportError
{
public:
    using EReportError::EReportError;
};

} // namespace report
