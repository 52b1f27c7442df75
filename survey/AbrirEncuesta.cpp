#include "AbrirEncuesta.h"

#include "FEncuesta.h"
#include "platform/report/QuickRep.h"
#include "platform/ui/Application.h"
#include "platform/ui/FileDialogs.h"

void AbrirEncuestaGuardada(QWidget* dialogParent)
{
    ui::OpenFileRequest request;
    request.filter = QStringLiteral("Archivos de Encuestas (*.qrp)|*.qrp");
    const ui::OpenFileResult answer = ui::ShowOpenFileDialog(dialogParent, request);
    if (!answer.accepted)
        return;
    try {
        // The questionnaire window only hosts the loaded pages: its own report is
        // never shown, and this preview runs none of its events.
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        auto* informe = new report::TQuickRep(ui::ApplicationObject());
        F_Encuesta->QR_Encuesta = informe;
        auto* impresora = new report::TQRPrinter(informe);
        informe->SetQRPrinter(impresora);
        impresora->Load(answer.path);
        impresora->Preview();
    } catch (const std::exception&) {
    }
}
