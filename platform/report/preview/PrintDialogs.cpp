#include "PrintDialogs.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QPrintDialog>
#include <QPushButton>

namespace report {

namespace {
// Keeps a control of a dialog out of sight, however often the dialog shows it again.
class TAlwaysHidden : public QObject
{
public:
    explicit TAlwaysHidden(QWidget* control) : QObject(control)
    {
        control->installEventFilter(this);
        control->hide();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShowToParent)
            static_cast<QWidget*>(watched)->hide();
        return false;
    }
};

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
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        // Which pages to print is asked for each print, by the print dialog: kept from
        // here, a range would leave pages out of later prints unseen. The dialog's own
        // option does not hide it on every platform, and the dialog shows it as it shows.
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        if (auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange")))
            new TAlwaysHidden(range);
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
