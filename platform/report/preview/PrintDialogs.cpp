#include "PrintDialogs.h"

#include <QPrintDialog>

namespace report {

namespace {
PrintDialogHook& Hook()
{
    static PrintDialogHook hook;
    return hook;
}
} // namespace

bool ShowPrintDialog(QWidget* parent, QPrinter& printer, TPrintDialogKind kind)
{
    if (Hook())
        return Hook()(printer, kind);
    QPrintDialog dialog(&printer, parent);
    if (kind == TPrintDialogKind::Setup) {
        dialog.setWindowTitle(QStringLiteral("Configurar impresora"));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    } else {
        dialog.setWindowTitle(QStringLiteral("Imprimir"));
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    }
    return dialog.exec() == QDialog::Accepted;
}

PrintDialogHook SetPrintDialogHook(PrintDialogHook hook)
{
    PrintDialogHook previous = Hook();
    Hook() = std::move(hook);
    return previous;
}

} // namespace report
