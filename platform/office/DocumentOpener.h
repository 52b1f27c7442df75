#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

namespace office {

// A document that could not be opened: missing, not a file, or no application for it.
class EOfficeError : public std::runtime_error
{
public:
    explicit EOfficeError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Opens a document (a file-system path) visibly in the desktop's application for
// its kind, as a word processor would be asked to. Throws EOfficeError on failure.
// The application is left running; the program never closes it.
void OpenDocument(const QString& path);

using LaunchHook = std::function<bool(const QString& path)>;
// Replaces the hand-over to the desktop (tests see the path and decide whether the
// application starts); an empty hook restores it. Returns the previous hook.
LaunchHook SetLaunchHook(LaunchHook hook);

} // namespace office
