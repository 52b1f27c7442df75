// The indicator report on a large dimension: 20 subdimensions sharing 1,000 perception
// measures and 200 linked performance indicators, every item ticked. Prints
//  - FINALIZAR up to the report laid out in its preview, against the floor of the same
//    reads and inserts in one transaction plus one layout pass (target: within 3 times);
//  - the counting pass plus the preview's layout, against one layout pass (target:
//    within 2.2 times);
//  - the peak memory of the run.
// Run it on a real X display: bench/run bench_informe

#include "CatalogoGrande.h"
#include "Medidas.h"
#include "Programa.h"

#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "platform/report/Controls.h"
#include "platform/report/QuickRep.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Application.h"
#include "reports/InformeIR.h"
#include "reports/ObtenerInformeP1.h"
#include "reports/ObtenerInformeP2.h"
#include "shell/MAIN.h"
#include "survey/FilasTemporales.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlQuery>
#include <cstdio>

namespace {

using bench::Mediana;
using bench::Milisegundos;

const int kSubdimensiones = 20;
const int kMedidas = 1000;
const int kIndicadores = 200;

void CrearIndicadores(testing::TestDb& db)
{
    db.Exec(QStringLiteral("BEGIN"));
    for (int i = 1; i <= kIndicadores; ++i) {
        db.Exec(QStringLiteral("INSERT INTO IRendimiento VALUES(?,?,?,1,?,'',0)"),
                {i,
                 QStringLiteral("Porcentaje de alumnado del ciclo que alcanza el resultado %1 "
                                "previsto en la programación del módulo")
                     .arg(i, 3, 10, QLatin1Char('0')),
                 i % 2, i % 5 == 0 ? 1 : 0});
        db.Exec(QStringLiteral("INSERT INTO Subcriterios_IndicadoresR VALUES(1,?)"), {i});
    }
    db.Exec(QStringLiteral("COMMIT"));
}

// One layout pass of the report over the rows now in the scratch table, every text
// measured afresh.
double UnaPasada()
{
    auto* informe = new TF_InformeIR(ui::ApplicationObject());
    informe->InsertarSubCriterio(1);
    for (report::TQRDBText* texto : {informe->QRDBNum, informe->QRDBDefinicion})
        texto->ForgetMeasures();
    informe->QR_InformeIR->KeepDetail = false;
    QElapsedTimer reloj;
    reloj.start();
    informe->QR_InformeIR->Prepare();
    const double pasada = Milisegundos(reloj.nsecsElapsed());
    delete informe;
    return pasada;
}

// The least FINALIZAR can cost: the reads and inserts in one transaction through
// statements prepared once, then one layout pass.
double Suelo(TF_ObtenerInformeP2* paso2, int& filas)
{
    QSqlDatabase db = DM_BdatosADO->Database1->Database();
    QElapsedTimer reloj;
    reloj.start();
    db.transaction();
    QSqlQuery medida(db);
    medida.prepare(QStringLiteral("SELECT definicion FROM Indicador WHERE codigo=?"));
    QSqlQuery indicador(db);
    indicador.prepare(QStringLiteral("SELECT definicion FROM IRendimiento WHERE codigo=?"));
    QSqlQuery alta(db);
    alta.prepare(QStringLiteral("INSERT INTO PregEncTemp(posicion,definicion) VALUES(?,?)"));
    filas = 0;
    auto escribir = [&](QSqlQuery& lectura, const TIndicadorCheck& e) {
        if (!e.CheckBox->isChecked())
            return;
        lectura.addBindValue(e.Codigo);
        lectura.exec();
        lectura.next();
        alta.addBindValue(++filas);
        alta.addBindValue(lectura.value(0).toString());
        alta.exec();
        lectura.finish();
    };
    for (const std::vector<TIndicadorCheck>& medidas : paso2->VIndicadores)
        for (const TIndicadorCheck& e : medidas)
            escribir(medida, e);
    for (const TIndicadorCheck& e : paso2->VIndicadoresIR)
        escribir(indicador, e);
    db.commit();
    const double sql = Milisegundos(reloj.nsecsElapsed());
    const double pasada = UnaPasada();
    DM_BdatosADO->Table->Close();
    VaciarPregEncTemp();
    return sql + pasada;
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);

    testing::Workspace espacio;
    bench::CrearCatalogoGrande(espacio.Db(), kSubdimensiones, kMedidas);
    CrearIndicadores(espacio.Db());
    if (!bench::AbrirPrograma(false))
        return 1;

    QElapsedTimer reloj;
    reloj.start();
    MainForm->Obtener1->trigger();
    F_ObtenerInformeP1->CB_Dimension->setCurrentIndex(0);
    emit F_ObtenerInformeP1->CB_Dimension->activated(0);
    F_ObtenerInformeP1->B_Siguiente->click();
    TF_ObtenerInformeP2* paso2 = F_ObtenerInformeP2;
    QCoreApplication::processEvents();
    const double panel = Milisegundos(reloj.nsecsElapsed());
    paso2->CB_Todos->setChecked(true);
    QCoreApplication::processEvents();

    std::vector<double> finalizar, suelo, dosPasadas, unaPasada;
    int filas = 0;
    for (int vez = 0; vez < 5; ++vez) {
        finalizar.push_back(bench::HastaLaVistaPrevia([paso2] { paso2->B_Aceptar->click(); }));
        suelo.push_back(Suelo(paso2, filas));

        // The report's own two passes over rows already written.
        paso2->InsertarPregTemp();
        dosPasadas.push_back(bench::HastaLaVistaPrevia([] {
            F_InformeIR = new TF_InformeIR(ui::ApplicationObject());
            F_InformeIR->InsertarSubCriterio(1);
            F_InformeIR->QR_InformeIR->Preview();
        }));
        paso2->InsertarPregTemp();
        unaPasada.push_back(UnaPasada());
        DM_BdatosADO->Table->Close();
        VaciarPregEncTemp();
    }
    const double tFinalizar = Mediana(finalizar);
    const double tSuelo = Mediana(suelo);
    const double tDos = Mediana(dosPasadas);
    const double tUna = Mediana(unaPasada);

    std::printf("Dimensión: %d subdimensiones, %d medidas, %d indicadores enlazados; "
                "%d filas marcadas\n",
                kSubdimensiones, kMedidas, kIndicadores, filas);
    std::printf("Panel del paso 2 (SIGUIENTE hasta mostrarlo): %.1f ms\n", panel);
    std::printf("FINALIZAR hasta el informe en la vista previa: mediana %.1f ms; suelo "
                "(lecturas y altas en una transacción + una pasada de maquetación): %.1f ms; "
                "razón %.2f (objetivo: <= 3)\n",
                tFinalizar, tSuelo, tFinalizar / tSuelo);
    std::printf("Pasada de recuento + maquetación de la vista previa: mediana %.1f ms; una "
                "pasada: %.1f ms; razón %.2f (objetivo: <= 2.2)\n",
                tDos, tUna, tDos / tUna);
    std::printf("Memoria pico: %.1f MB\n", bench::MemoriaPicoMB());

    if (QWidget* foco = QApplication::focusWidget())
        foco->clearFocus();
    MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::ReleaseApplicationObject();
    return 0;
}
