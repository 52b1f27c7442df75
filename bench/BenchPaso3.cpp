// Step 3 of a new questionnaire on a large catalogue: one dimension of 20
// subdimensions and 1,000 perception measures, all of them ticked. Prints the time of
// a view switch once every control exists, the time of FINALIZAR up to the
// questionnaire in its preview against the floor of the same reads and inserts in one
// transaction plus one layout pass of the report, and the peak memory of the run.
//
//   bench_survey_step3            (run from anywhere; it works in a temporary folder)

#include "CatalogoGrande.h"
#include "Medidas.h"

#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "platform/report/Controls.h"
#include "platform/report/QuickRep.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Application.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP3.h"
#include "survey/FEncuesta.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

namespace {

using bench::Mediana;
using bench::Milisegundos;

const int kSubdimensiones = 20;
const int kMedidas = 1000;

// The view's handler and the painting it causes.
double CambiarVista(int vista)
{
    QElapsedTimer reloj;
    reloj.start();
    bench::ElegirVista(vista);
    QCoreApplication::processEvents();
    return Milisegundos(reloj.nsecsElapsed());
}

// The least the same work can cost: the reads and inserts of FINALIZAR in one
// transaction through statements prepared once, then one layout pass of the report.
double Suelo(int& filas)
{
    QSqlDatabase db = DM_BdatosADO->Database1->Database();
    QElapsedTimer reloj;
    reloj.start();
    db.transaction();
    QSqlQuery medida(db);
    medida.prepare(QStringLiteral("SELECT cod_pregunta FROM indicador WHERE codigo=?"));
    QSqlQuery pregunta(db);
    pregunta.prepare(QStringLiteral("SELECT enunciado, tipo FROM pregunta WHERE codigo=?"));
    QSqlQuery alta(db);
    alta.prepare(QStringLiteral("INSERT INTO PregEncTemp(posicion,definicion,tipo) VALUES(?,?,?)"));
    filas = 0;
    for (const std::vector<TIndicadorCheck>& medidas : VIndicadores) {
        for (const TIndicadorCheck& m : medidas) {
            if (!m.CheckBox || !m.CheckBox->isChecked())
                continue;
            medida.addBindValue(m.Codigo);
            medida.exec();
            medida.next();
            pregunta.addBindValue(medida.value(0).toInt());
            pregunta.exec();
            pregunta.next();
            alta.addBindValue(++filas);
            alta.addBindValue(pregunta.value(0).toString());
            alta.addBindValue(pregunta.value(1).toInt());
            alta.exec();
            medida.finish();
            pregunta.finish();
        }
    }
    db.commit();
    const double sql = Milisegundos(reloj.nsecsElapsed());

    // The report reads the rows; the pass itself is what is timed.
    auto* encuesta = new TF_Encuesta(ui::ApplicationObject());
    for (report::TQRDBText* texto : {encuesta->QRDBNum, encuesta->QRDBDefinicion})
        texto->ForgetMeasures();
    reloj.restart();
    encuesta->QR_Encuesta->Prepare();
    const double pasada = Milisegundos(reloj.nsecsElapsed());
    delete encuesta;
    DM_BdatosADO->InicializarQuery(QStringLiteral("DELETE * FROM PregEncTemp"));
    DM_BdatosADO->ActivarQInsertUpdate();
    DM_BdatosADO->Table->Close();
    return sql + pasada;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::TApplication app(argc, argv);

    testing::Workspace espacio;
    bench::CrearCatalogoGrande(espacio.Db(), kSubdimensiones, kMedidas);
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    MainForm = new TMainForm;
    MainForm->show();
    bench::AbrirPaso3(0, 0, 0);
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    QWidget* contenido = paso3->SB_IndicadoresContenido;

    const double primera = CambiarVista(0);
    const int controles = int(contenido->children().size());
    paso3->CB_Todos->setChecked(true);
    QCoreApplication::processEvents();

    std::vector<double> aSubdimension;
    std::vector<double> aTodas;
    for (int ronda = 0; ronda < 5; ++ronda) {
        for (int vista = 1; vista <= kSubdimensiones; ++vista) {
            aSubdimension.push_back(CambiarVista(vista));
            aTodas.push_back(CambiarVista(0));
        }
    }
    const int hechosDespues = int(contenido->children().size()) - controles;
    std::vector<double> tiempos = aSubdimension;
    tiempos.insert(tiempos.end(), aTodas.begin(), aTodas.end());
    const double mediana = Mediana(tiempos);

    // FINALIZAR with every measure ticked, against its floor.
    std::vector<double> finalizar;
    std::vector<double> suelo;
    int filas = 0;
    for (int vez = 0; vez < 5; ++vez) {
        finalizar.push_back(bench::HastaLaVistaPrevia([paso3] { paso3->B_Aceptar->click(); }));
        suelo.push_back(Suelo(filas));
    }
    const double tFinalizar = Mediana(finalizar);
    const double tSuelo = Mediana(suelo);

    std::printf("Catálogo: %d subdimensiones, %d medidas\n", kSubdimensiones, kMedidas);
    std::printf("Primera vista de todas (crea %d controles): %.1f ms\n", controles, primera);
    std::printf("Cambio de vista: mediana %.1f ms, máximo %.1f ms en %zu cambios "
                "(objetivo: mediana < 50 ms)\n",
                mediana, *std::max_element(tiempos.begin(), tiempos.end()), tiempos.size());
    std::printf("  hacia una subdimensión: mediana %.1f ms; hacia todas: mediana %.1f ms\n",
                Mediana(aSubdimension), Mediana(aTodas));
    std::printf("Controles creados tras la primera vista: %d (objetivo: 0)\n", hechosDespues);
    std::printf("FINALIZAR con %d preguntas hasta la vista previa: mediana %.1f ms; suelo "
                "(lecturas y altas en una transacción + una pasada de maquetación): %.1f ms; "
                "razón %.2f (objetivo: <= 3)\n",
                filas, tFinalizar, tSuelo, tFinalizar / tSuelo);
    std::printf("Memoria pico: %.1f MB\n", bench::MemoriaPicoMB());

    if (QWidget* foco = QApplication::focusWidget())
        foco->clearFocus();
    MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::ReleaseApplicationObject();
    return 0;
}
