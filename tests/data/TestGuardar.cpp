#include "TestSupport.h"
#include "catalogue/BorrarIR.h"
#include "data/BdatosADO.h"
#include "shell/MAIN.h"

#include <QAction>
#include <QComboBox>
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

    // Deleting an indicator reads that it is still there, then deletes it and its links:
    // the save waits for the other program to let go, as a single statement does, up to
    // the same limit.
    void saveWaitsOutABriefLock_data()
    {
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<QString>("shown");
        QTest::newRow("brief") << 500 << "Información: El indicador ha sido borrado";
        QTest::newRow("longer than the wait")
            << 3000
            << "Error: No se ha podido guardar en la base de datos: la base de datos está en uso "
               "por otro programa. Espere a que termine o ciérrelo, y vuelva a intentarlo.\n"
               "Detalle técnico: database is locked.";
    }

    void saveWaitsOutABriefLock()
    {
        QFETCH(int, heldMs);
        QFETCH(QString, shown);
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
            testing::OtherWriter other(ws.DbPath(), heldMs);
            QTest::mouseClick(window->B_Borrar, Qt::LeftButton);
        }
        QCOMPARE(messages.Shown(), QStringList{shown});
        const int left = heldMs > 2000 ? 1 : 0;
        QCOMPARE(ws.Db().Scalar("SELECT count(*) FROM IRendimiento").toInt(), left);
        QCOMPARE(ws.Db().Scalar("SELECT count(*) FROM Subcriterios_IndicadoresR").toInt(), left);
    }
};

DIMARVOLTECA_TEST_MAIN(TestGuardar)
#include "TestGuardar.moc"
