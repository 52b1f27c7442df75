#pragma once

#include <functional>

class QObject;

namespace report {

class TQRPrinter;

// Shows pages in a window. The engine asks for it and the windows layer provides
// it, so the engine never depends on widgets.
class TPreviewer
{
public:
    virtual ~TPreviewer() = default;

    // Makes a modeless window on the printer's pages (following them as they
    // change), not shown yet, and returns at once; `closed` runs once, when the
    // window closes.
    virtual QObject* Open(TQRPrinter& printer, std::function<void()> closed) = 0;
    // Shows the window, unless something has shown it already.
    virtual void Show(QObject* window) = 0;
    virtual void Close(QObject* window) = 0;
};

// The previewer every report and printer uses; none until the windows layer sets one.
void SetStandardPreviewer(TPreviewer* previewer);
TPreviewer* StandardPreviewer();

} // namespace report
