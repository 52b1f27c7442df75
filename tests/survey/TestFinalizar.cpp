// FINALIZAR of step 3: from "Nueva" to the questionnaire's preview, and what the
// scratch table holds on the way.

#include "Entorno.h"

#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/report/Controls.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/RadioGroup.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP2.h"
#include "survey/CrearEncuestaP3.h"
#include "survey/CrearEncuestaPFinal.h"
#include "survey/FEncuesta.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

using namespace encuesta;

namespace {

// Presses FINALIZAR of `paso3`; `mientras` runs once the preview is on screen, with the
// preview window, which is then closed unless `mientras` closed it some other way.
// True when a preview showed.
bool Finalizar(TF_CrearEncuestaP3* paso3, const std::function<void(QWidget*)>& mientras)
{
    struct Espera
    {
        bool activa = true;
        bool vista = false;
        std::function<void(QWidget*)> mientras;
    };
    auto espera = std::make_shared<Espera>();
    espera->mientras = mientras;
    std::function<void(int)> mirar = [espera, &mirar](int intentos) {
        QWidget* ventana = report::FindPreviewWindow();
        if (ventana && ventana->isVisible()) {
            espera->vista = true;
            espera->mientras(ventana);
            if (QWidget* sigue = report::FindPreviewWindow())
                sigue->close();
        } else if (intentos > 0) {
            // `mirar` lives while the wait is active, that is, until FINALIZAR returns.
            QTimer::singleShot(10, [espera, intentos, &mirar] {
                if (espera->activa)
                    mirar(intentos - 1);
            });
        }
    };
    QTimer::singleShot(0, [espera, &mirar] {
        if (espera->activa)
            mirar(200);
    });
    Pulsar(paso3->B_Aceptar);
    espera->activa = false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return espera->vista;
}

} // namespace

class TestFinalizar : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_entorno = std::make_unique<Entorno>();
        SembrarCatalogo(m_entorno->Db());
    }
    void cleanup() { m_entorno.reset(); }

    void deNuevaALaVistaPrevia();
    void sinPreguntas_data();
    void sinPreguntas();
    void otraEncuestaEnPantalla();
    void pasoCerradoConLaVistaAbierta_data();
    void pasoCerradoConLaVistaAbierta();
    void fallaAMitad_data();
    void fallaAMitad();

private:
    QList<QVariantList> Filas()
    {
        return m_entorno->Db().Rows(
            QStringLiteral("SELECT posicion, definicion, tipo FROM PregEncTemp ORDER BY rowid"));
    }

    std::unique_ptr<Entorno> m_entorno;
};

void TestFinalizar::deNuevaALaVistaPrevia()
{
    HastaPaso3(1);
    QPointer<TF_CrearEncuestaP3> paso3 = F_CrearEncuestaP3.data();
    Elegir(paso3->CB_Dimension, 2);
    Pulsar(Caja(1010));
    Elegir(paso3->CB_Dimension, 0);
    Pulsar(Caja(1000));
    Pulsar(Caja(1002));

    // Subdimensions in list order, measures by definition, each ticked one once,
    // numbered from 1; texts and scales of each measure's own question.
    const QList<QVariantList> esperadas{{1, QStringLiteral("¿Calefacción?"), 0},
                                        {2, QStringLiteral("¿Limpieza?"), 0},
                                        {3, QStringLiteral("¿Horario?"), 1}};
    QPointer<TF_CrearEncuestaPFinal> primerProgreso;
    for (int vez = 0; vez < 2; ++vez) {
        QList<QVariantList> vistas;
        const bool abierta = Finalizar(paso3, [&](QWidget*) {
            vistas = Filas();
            QVERIFY(F_CrearEncuestaPFinal && !F_CrearEncuestaPFinal->isVisible());
            QCOMPARE(F_CrearEncuestaPFinal->ProgressBar1->value(), 100);
            QVERIFY(F_CrearEncuestaPFinal != primerProgreso);
            QVERIFY(F_Encuesta);
            QCOMPARE(F_Encuesta->QRLCentro->Caption, QStringLiteral("IES Zeta"));
            QCOMPARE(F_Encuesta->QRLDimension->Caption, QStringLiteral("Satisfacción"));
            QVERIFY(!F_Encuesta->QRI_Logo->Picture.isNull());
            QCOMPARE(F_Encuesta->TotalPaginas, 1);
        });
        QVERIFY(abierta);
        QCOMPARE(vistas, esperadas);
        // Closing the preview empties the table and frees the report window.
        QVERIFY(Filas().isEmpty());
        QVERIFY(!F_Encuesta);
        primerProgreso = F_CrearEncuestaPFinal.data();
    }
    // The step stays as it was, its progress windows hidden until it goes.
    QVERIFY(paso3 && paso3->isVisible());
    QCOMPARE(Marcadas(), (QSet<int>{1000, 1002, 1010}));
    QVERIFY(primerProgreso && !primerProgreso->isVisible());
    Pulsar(paso3->B_Salir);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!primerProgreso);
}

void TestFinalizar::sinPreguntas_data()
{
    QTest::addColumn<bool>("elegirVista");
    QTest::addColumn<bool>("filaSobrante");
    QTest::newRow("antes de elegir una entrada") << false << false;
    QTest::newRow("con nada marcado") << true << false;
    // A row that no preview shows any longer is not part of the new questionnaire.
    QTest::newRow("con una fila que ya no se ve") << true << true;
}

void TestFinalizar::sinPreguntas()
{
    QFETCH(bool, elegirVista);
    QFETCH(bool, filaSobrante);
    HastaPaso3();
    if (elegirVista)
        Elegir(F_CrearEncuestaP3->CB_Dimension, 0);
    if (filaSobrante)
        m_entorno->Db().Exec(QStringLiteral("INSERT INTO PregEncTemp VALUES(1,'¿Otra?',0)"));
    int filas = -1;
    QVERIFY(Finalizar(F_CrearEncuestaP3, [&](QWidget*) {
        filas = int(Filas().size());
        QCOMPARE(F_Encuesta->TotalPaginas, 1);
    }));
    QCOMPARE(filas, 0);
}

// While a questionnaire is in its preview, no other is written over its rows: not
// from the same step, nor from the step 3 that replaces it.
void TestFinalizar::otraEncuestaEnPantalla()
{
    HastaPaso3();
    QPointer<TF_CrearEncuestaP3> primero = F_CrearEncuestaP3.data();
    Elegir(primero->CB_Dimension, 0);
    Pulsar(primero->CB_Todos);
    testing::MessageRecorder mensajes;
    QPointer<TF_CrearEncuestaP3> segundo;
    QVERIFY(Finalizar(primero, [&](QWidget*) {
        TF_CrearEncuestaPFinal* progreso = F_CrearEncuestaPFinal;
        Pulsar(primero->B_Aceptar);
        QCOMPARE(mensajes.Texts(),
                 QStringList{QStringLiteral("Ya hay una encuesta en la vista previa. Ciérrela "
                                            "antes de generar otra.")});
        QCOMPARE(F_CrearEncuestaPFinal.data(), progreso);
        QCOMPARE(Filas().size(), 5);

        Pulsar(primero->B_Atras);
        Pulsar(F_CrearEncuestaP2->RG_Subcriterio->Button(0));
        Pulsar(F_CrearEncuestaP2->B_Siguiente);
        segundo = F_CrearEncuestaP3.data();
        QVERIFY(segundo != primero);
        Elegir(segundo->CB_Dimension, 1);
        Pulsar(segundo->CB_Todos);
        Pulsar(segundo->B_Aceptar);
        QCOMPARE(mensajes.messages.size(), 2);
        QCOMPARE(Filas().size(), 5);
        // The replaced step waits for its preview before it goes.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(primero && !primero->isVisible());
    }));
    QVERIFY(!primero);
    QVERIFY(Filas().isEmpty());

    QList<QVariantList> filas;
    QVERIFY(Finalizar(segundo, [&](QWidget*) { filas = Filas(); }));
    QCOMPARE(filas, (QList<QVariantList>{{1, QStringLiteral("¿Tutor?"), 1}}));
}

void TestFinalizar::pasoCerradoConLaVistaAbierta_data()
{
    QTest::addColumn<bool>("porSalir");
    QTest::newRow("SALIR") << true;
    QTest::newRow("cierre") << false;
}

// Closing step 3 frees its questionnaire, and the preview goes with it.
void TestFinalizar::pasoCerradoConLaVistaAbierta()
{
    QFETCH(bool, porSalir);
    HastaPaso3();
    QPointer<TF_CrearEncuestaP3> paso3 = F_CrearEncuestaP3.data();
    Elegir(paso3->CB_Dimension, 1);
    Pulsar(paso3->CB_SoloClave);
    QPointer<QWidget> vista;
    QVERIFY(Finalizar(paso3, [&](QWidget* ventana) {
        vista = ventana;
        QCOMPARE(Filas().size(), 2);
        if (porSalir)
            Pulsar(paso3->B_Salir);
        else
            qobject_cast<QMdiSubWindow*>(paso3->parentWidget())->close();
    }));
    QVERIFY(!paso3);
    QVERIFY(!F_Encuesta);
    QVERIFY(!vista || !vista->isVisible());
    QVERIFY(!report::FindPreviewWindow());
    QVERIFY(Filas().isEmpty());
    QCOMPARE(ComandosHabilitados(), 10);

    // The next questionnaire starts afresh.
    HastaPaso3();
    Elegir(F_CrearEncuestaP3->CB_Dimension, 3);
    QVERIFY(Finalizar(F_CrearEncuestaP3, [](QWidget*) {}));
}

// A failure half-way leaves no rows behind and the progress window where it stopped.
void TestFinalizar::fallaAMitad_data()
{
    QTest::addColumn<QString>("averia");
    QTest::addColumn<QString>("arreglo");
    QTest::addColumn<int>("progreso");
    QTest::newRow("al escribir las preguntas")
        << "CREATE TRIGGER falla BEFORE INSERT ON PregEncTemp WHEN NEW.posicion = 3 "
           "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"
        << "DROP TRIGGER falla" << 25;
    QTest::newRow("al nombrar la dimension") << "ALTER TABLE Subcriterio RENAME TO Otra"
                                             << "ALTER TABLE Otra RENAME TO Subcriterio" << 75;
}

void TestFinalizar::fallaAMitad()
{
    QFETCH(QString, averia);
    QFETCH(QString, arreglo);
    QFETCH(int, progreso);

    HastaPaso3();
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    Elegir(paso3->CB_Dimension, 0);
    Pulsar(paso3->CB_Todos);
    m_entorno->Db().Exec(averia);
    {
        testing::MessageRecorder mensajes;
        QVERIFY(!Finalizar(paso3, [](QWidget*) {}));
        QCOMPARE(mensajes.messages.size(), 1);
        QCOMPARE(mensajes.messages.first().icon, QMessageBox::Critical);
    }
    QVERIFY(Filas().isEmpty());
    QVERIFY(!F_Encuesta);
    QVERIFY(F_CrearEncuestaPFinal->isVisible());
    QCOMPARE(F_CrearEncuestaPFinal->ProgressBar1->value(), progreso);

    m_entorno->Db().Exec(arreglo);
    QList<QVariantList> filas;
    testing::MessageRecorder mensajes;
    QVERIFY(Finalizar(paso3, [&](QWidget*) { filas = Filas(); }));
    QCOMPARE(mensajes.Texts(), QStringList());
    QCOMPARE(filas.size(), 5);
    QCOMPARE(filas.last().first().toInt(), 5);
}

DIMARVOLTECA_TEST_MAIN(TestFinalizar)
#include "TestFinalizar.moc"
