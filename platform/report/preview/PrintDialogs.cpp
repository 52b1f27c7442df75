#include "PrintDialogs.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>

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
        // The dialog only keeps the settings for later: its button must not promise to print.
        if (auto* botones =
                dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly))
            if (QPushButton* aceptar = botones->button(QDialogButtonBox::Ok))
                aceptar->setText(QStringLiteral("Aceptar"));
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
