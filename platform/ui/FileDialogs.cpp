#include "FileDialogs.h"

#include <QFileDialog>

namespace ui {

namespace {
OpenFileHook& Hook()
{
    static OpenFileHook hook;
    return hook;
}

SaveFileHook& SaveHook()
{
    static SaveFileHook hook;
    return hook;
}

// Offers the filters, the 1-based one chosen first, runs the dialog and reads back
// the file and the filter the user chose.
FileDialogResult Run(QFileDialog& dialog, const QString& filter, int filterIndex)
{
    const QStringList filters = QtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(filterIndex - 1));

    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.path = dialog.selectedFiles().constFirst();
    result.filterIndex = qMax(0, int(filters.indexOf(dialog.selectedNameFilter()))) + 1;
    return result;
}
} // namespace

QStringList QtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that already shows its patterns, as "Archivos (*.qrp)", is
        // offered as it stands: the dialog reads the patterns from it.
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        if (description.trimmed().endsWith(shown))
            filters << description.trimmed();
        else
            filters << QStringLiteral("%1 %2").arg(description, shown);
    }
    return filters;
}

OpenFileResult ShowOpenFileDialog(QWidget* parent, const OpenFileRequest& request)
{
    if (Hook())
        return Hook()(request);

    QFileDialog dialog(parent, request.title, request.initialDir);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return Run(dialog, request.filter, request.filterIndex);
}

OpenFileHook SetOpenFileHook(OpenFileHook hook)
{
    OpenFileHook previous = Hook();
    Hook() = std::move(hook);
    return previous;
}

SaveFileResult ShowSaveFileDialog(QWidget* parent, const SaveFileRequest& request)
{
    if (SaveHook())
        return SaveHook()(request);

    QFileDialog dialog(parent, request.title, request.initialDir);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    return Run(dialog, request.filter, request.filterIndex);
}

SaveFileHook SetSaveFileHook(SaveFileHook hook)
{
    SaveFileHook previous = SaveHook();
    SaveHook() = std::move(hook);
    return previous;
}

} // namespace ui
