#include "TestSupport.h"
#include "catalogue/BorrarIR.h"
#include "data/BdatosADO.h"
#include "data/Transaccion.h"
#include "shell/MAIN.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>

// Saves while another program writes to the database for a moment.
class TestGuardar : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        delete MainForm.data();
        ui::ReleaseApplicationObject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A save reads the new key, then writes: it waits for the other program to let go,
    // as a single statement does, up to the same limit.
    void saveWaitsOutABriefLock_data()
    {
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("brief") << 500 << QStringList();
        QTest::newRow("longer than the wait")
            << 3000
            << QStringList{"Error: No se ha podido guardar en la base de datos: la base de datos "
                           "está en uso por otro programa. Espere a que termine o ciérrelo, y "
                           "vuelva a intentarlo.\nDetalle técnico: database is locked."};
    }

    void saveWaitsOutABriefLock()
    {
        QFETCH(int, heldMs);
        QFETCH(QStringList, shown);
        testing::Workspace ws;
        ws.Db().Exec("INSERT INTO Criterio VALUES (1,'Alumnado')");
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        testing::MessageRecorder messages;
        qint64 waited = 0;
        {
            testing::OtherWriter other(ws.DbPath(), heldMs);
            QElapsedTimer clock;
            clock.start();
            ui::RunGuarded([] {
                EnTransaccion([] {
                    const int codigo = SiguienteCodigo("SELECT max(codigo) FROM Criterio");
                    DM_BdatosADO->InicializarQuery(
                        "INSERT INTO Criterio(codigo, definicion) VALUES(:codigo, 'Familias')");
                    DM_BdatosADO->InsertarParametroEntero("codigo", codigo);
                    DM_BdatosADO->ActivarQInsertUpdate();
                });
            });
            waited = clock.elapsed();
        }
        QVERIFY2(waited >= 400, "the save did not meet the other program's lock");
        QCOMPARE(messages.Shown(), shown);
        QCOMPARE(ws.Db().Scalar("SELECT count(*) FROM Criterio").toInt(), shown.isEmpty() ? 2 : 1);
    }

    // The same through a window: deleting an indicator reads that it is still there,
    // then deletes it and its links.
    void windowSaveWaitsOutABriefLock()
    {
        testing::Workspace ws;
        ws.Db().Exec("INSERT INTO IRendimiento(codigo, definicion, tipo, estado, clave) "
                     "VALUES (1, 'Tasa de abandono', 0, 1, 0)");
        ws.Db().Exec("INSERT INTO Subcriterios_IndicadoresR VALUES (10, 1)");
        testing::MessageRecorder messages;
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        MainForm = new TMainForm;
        MainForm->show();
        MainForm->M_BorrarIndicador->trigger();
        QPointer<TF_BorrarIR> window = F_BorrarIR.data();
        QVERIFY(window);
        QTest::keyClick(window->CB_BorrarIR, Qt::Key_Down);
        QVERIFY(window->B_Borrar->isEnabled());
        {
            testing::OtherWriter other(ws.DbPath(), 500);
            QTest::mouseClick(window->B_Borrar, Qt::LeftButton);
        }
        QCOMPARE(messages.Shown(), QStringList{"Información: El indicador ha sido borrado"});
        QCOMPARE(ws.Db().Scalar("SELECT count(*) FROM IRendimiento").toInt(), 0);
        QCOMPARE(ws.Db().Scalar("SELECT count(*) FROM Subcriterios_IndicadoresR").toInt(), 0);
    }
};

DIMARVOLTECA_TEST_MAIN(TestGuardar)
#include "TestGuardar.moc"
