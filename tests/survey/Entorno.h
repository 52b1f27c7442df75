#pragma once

// What the tests of the questionnaire, the measures and the report drive and read.
#include "../platform/ReportTestSupport.h"
#include "Tabulacion.h"
#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "data/General.h"
#include "platform/ado/AdoTable.h"
#include "platform/report/QuickRep.h"
#include "platform/report/preview/QRStandardPreview.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Application.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/RadioGroup.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP1.h"
#include "survey/CrearEncuestaP2.h"
#include "survey/CrearEncuestaP3.h"
#include "survey/CrearEncuestaPFinal.h"
#include "survey/FEncuesta.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTableView>
#include <functional>
#include <memory>

namespace encuesta {

// The questionnaire's tests: each runs in a fresh program as far as the questionnaire
// needs it (a database in a temporary folder holding the catalogue below, the database
// module, the main window with its work area).
class PruebaEncuesta : public QObject
{
    Q_OBJECT
protected:
    testing::TestDb& Db() { return m_espacio->Db(); }
    QString Dir() const { return m_espacio->Dir(); }
    // The rows of the scratch table, as (position, text, answer scale).
    QList<QVariantList> Filas();
    // Prints the preview that `accion` opens to the PDF file `nombre` in the workspace (or
    // in DIMARVOLTECA_PDF_DIR, to look at, when it is set); its path, and the preview's
    // pages in `paginas`.
    QString ImprimirPdf(const QString& nombre, const std::function<void()>& accion,
                        QVector<report::TQRPage>* paginas = nullptr);

protected slots:
    // A test class that adds its own set-up calls these first and last.
    void init();
    void cleanup();

private:
    std::unique_ptr<testing::Workspace> m_espacio;
};

// The catalogue the tests walk through (codes in brackets, key measures marked K):
//  "Alumnado" [1]: "Satisfacción" [10]: "Aulas" [100]: "Calefacción" [1002] K,
//                  "Iluminación" [1001], "Limpieza" [1000] K; "Biblioteca" [101]:
//                  "Fondos" [1011] K, "Horario" [1010]; "Comedor" [102]: none.
//                  "Orientación" [11]: "Tutoría" [110]: "Tutor" [1100].
//                  "Vacía" [12]: no subdimensions.
//  "Familias" [2]: "Comunicación" [20]: "Web" [200]: "Página web" [2000] K.
//  "Sin dimensiones" [3].
// Performance indicators: "Tasa de abandono" [1] K and "Índice de inserción laboral" [2],
// linked to "Satisfacción" (the second one twice); "Horas de tutoría" [3] K, linked to
// "Orientación".
// Each measure's question has its own code (measure code + 4000) and text
// "¿" + the measure's text + "?"; key measures ask on the scale 1..5, the others yes/no.
// Headers: "CIPFP Alfa" [2] without logo, "IES Zeta" [1] with a 145 x 113 logo.
void SembrarCatalogo(testing::TestDb& db);
QImage LogoDePrueba();

// The user's choice of an item in a drop-down list: open it, move to the item, Enter.
void Elegir(QComboBox* combo, int index);
// The user's click on a control.
void Pulsar(QWidget* control);
// The texts of a drop-down list's items.
QStringList Items(const QComboBox* lista);

// The ten work commands of the main window that are enabled.
int ComandosHabilitados();

// "Encuesta" > "Nueva" and on to step `paso` (1 to 3) with the header at `cabecera`,
// the group `grupo` and the dimension `dimension` (radio-group indexes; by default
// "Alumnado" > "Satisfacción"); the window of that step.
QWidget* HastaPaso(int paso, int cabecera = 1, int grupo = 0, int dimension = 1);

using testing::Mostrado;
using testing::Tabular;
// The control with the keyboard focus, once the main window is the active window.
QWidget* Foco();
// The shown run-time controls of a scroll box's content in reading order, as "text@x,y".
QString Lugares(QWidget* contenido);

// The shown run-time controls of a scroll box's content that break their caption's line
// or are not as wide as it plus 20 pixels, as "text:width".
QStringList MalMedidos(QWidget* contenido);

// Whether the program `programa` is there; a test without it is skipped, or fails under
// CI, which must have every tool.
bool HayHerramienta(const QString& programa);

// The codes of the ticked measures of step 3.
QSet<int> Marcadas();
// The check box of the measure `codigo` in step 3, none before it was shown.
QCheckBox* Caja(int codigo);

// The preview window on screen, if any.
report::TQRStandardPreview* VistaPrevia();
// Does `accion`, which opens a questionnaire's preview; `mientras` runs once the preview
// is on screen, which is then closed unless `mientras` closed it some other way.
// True when a preview showed.
bool ConVistaPrevia(const std::function<void()>& accion,
                    const std::function<void(report::TQRStandardPreview*)>& mientras = {});
// Presses `tecla` ("Esc", "Ctrl+W"...) in the preview `vista`, made the active window;
// true when that closed it.
bool CerrarConTecla(report::TQRStandardPreview* vista, const QString& tecla);
// Presses a wizard's FINALIZAR `boton`, and `mientras` with the preview it opens.
bool Finalizar(QWidget* boton,
               const std::function<void(report::TQRStandardPreview*)>& mientras = {});
// The pages of the preview that `accion` opens (and `mientras` done with it).
QVector<report::TQRPage>
PaginasDe(const std::function<void()>& accion,
          const std::function<void(report::TQRStandardPreview*)>& mientras = {});

} // namespace encuesta
