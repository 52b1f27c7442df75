#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace report {

enum class TPrintDialogKind
{
    Setup, // choose the printer and its settings for later
    Print, // choose the printer, the pages and the copies, then print
};

// Shows the print dialog on `printer`; true when the user accepted it.
bool ShowPrintDialog(QWidget* parent, QPrinter& printer, TPrintDialogKind kind);

using PrintDialogHook = std::function<bool(QPrinter&, TPrintDialogKind)>;
// Replaces the real dialog (tests set the printer up themselves); an empty hook
// restores it. Returns the previous hook.
PrintDialogHook SetPrintDialogHook(PrintDialogHook hook);

} // namespace report
