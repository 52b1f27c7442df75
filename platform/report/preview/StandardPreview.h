#pragma once

class QWidget;

namespace report {

// Makes the preview window of this library the one reports and printers open.
void InstallStandardPreview();

// The preview window opened last that is still there, or none.
QWidget* FindPreviewWindow();

// Hides that window, takes its caption bar away and shows it again maximised;
// does nothing when there is none.
void HidePreviewCaptionBar();

} // namespace report
