#pragma once

#include "../platform/ReportTestSupport.h"
#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "platform/graphics/Bitmap.h"
#include "platform/report/Page.h"
#include "platform/report/QuickRep.h"
#include "platform/report/preview/QRStandardPreview.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Application.h"
#include "survey/FEncuesta.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

namespace testing {

// A workspace with the database module open on it, gone with everything the
// application object owns when the test ends.
class SurveyWorkspace
{
public:
    SurveyWorkspace() { DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject()); }
    ~SurveyWorkspace()
    {
        DeletePreviews();
        ui::ReleaseApplicationObject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TestDb& Db() { return m_workspace.Db(); }
    QString Dir() const { return m_workspace.Dir(); }

    // Questions in the scratch table as the wizard writes them: (text, answer scale).
    void Preguntas(const QList<QPair<QString, QVariant>>& preguntas)
    {
        int posicion = 0;
        for (const auto& pregunta : preguntas)
            Db().Exec(
                QStringLiteral("INSERT INTO PregEncTemp(posicion,definicion,tipo) VALUES(?,?,?)"),
                {++posicion, pregunta.first, pregunta.second});
    }

    // A survey header as step 1 leaves it.
    TDM_Encuesta* Cabecera(const QDate& fecha, const QImage& logo)
    {
        DM_Encuesta = new TDM_Encuesta(ui::ApplicationObject());
        DM_Encuesta->InicializarCabecera();
        DM_Encuesta->Cabecera.Centro = QStringLiteral("IES Ribera del Júcar");
        DM_Encuesta->Cabecera.Direccion = QStringLiteral("Avda. de la Albufera, 12 - Sueca");
        DM_Encuesta->Cabecera.Telefono = QStringLiteral("961 234 567");
        DM_Encuesta->Cabecera.Fecha = fecha;
        if (!logo.isNull())
            DM_Encuesta->Cabecera.Logo->Bitmap().Assign(logo);
        return DM_Encuesta;
    }

private:
    Workspace m_workspace;
};

inline report::TQRStandardPreview* PreviewWindow()
{
    return qobject_cast<report::TQRStandardPreview*>(report::FindPreviewWindow());
}

// Opens the questionnaire's preview, takes its pages (and does `meanwhile` with
// the window) and closes it, as a user would.
inline QVector<report::TQRPage>
PreviewPages(TF_Encuesta* encuesta,
             const std::function<void(report::TQRStandardPreview*)>& meanwhile = {})
{
    QVector<report::TQRPage> pages;
    QTimer::singleShot(0, [&] {
        report::TQRStandardPreview* preview = PreviewWindow();
        if (!preview)
            return;
        pages = preview->Pages();
        if (meanwhile)
            meanwhile(preview);
        preview->close();
    });
    encuesta->QR_Encuesta->Preview();
    return pages;
}

} // namespace testing
