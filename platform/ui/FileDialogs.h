#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ui {

struct OpenFileRequest
{
    QString title;
    QString initialDir;
    // In the windowing library's form: "Description|*.ext|Description|*.ext".
    QString filter;
    int filterIndex = 1; // 1-based, the filter shown first
    bool fileMustExist = false;
};

// What the user chose in either dialog.
struct FileDialogResult
{
    bool accepted = false;
    QString path;
    int filterIndex = 1; // 1-based index of the filter the user chose
};

using OpenFileResult = FileDialogResult;

OpenFileResult ShowOpenFileDialog(QWidget* parent, const OpenFileRequest& request);

using OpenFileHook = std::function<OpenFileResult(const OpenFileRequest&)>;
// Replaces the real dialog (tests pick the file); an empty hook restores it.
OpenFileHook SetOpenFileHook(OpenFileHook hook);

struct SaveFileRequest
{
    QString title;
    QString initialDir;
    QString filter; // as for the open dialog
    int filterIndex = 1;
    QString defaultSuffix; // added when the user types a name without one
};

using SaveFileResult = FileDialogResult;

// Asks for the name of a file to write; confirms before an existing file is replaced.
SaveFileResult ShowSaveFileDialog(QWidget* parent, const SaveFileRequest& request);

using SaveFileHook = std::function<SaveFileResult(const SaveFileRequest&)>;
// Replaces the real dialog (tests name the file); an empty hook restores it.
SaveFileHook SetSaveFileHook(SaveFileHook hook);

// "Desc|*.a|Desc2|*.b" as Qt's name filters: "Desc (*.a)", "Desc2 (*.b)"; a
// description that already ends in its patterns ("Desc (*.a)|*.a") is kept unchanged.
QStringList QtNameFilters(const QString& filter);

} // namespace ui
