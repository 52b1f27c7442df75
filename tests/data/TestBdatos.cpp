#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "platform/ado/DatabaseError.h"

#include <QDir>
#include <QPushButton>

class TestBdatos : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ui::ReleaseApplicationObject(); }

    void pathsJoinAsTheIniSays_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("rutaBD");
        QTest::addColumn<QString>("castellano");
        QTest::addColumn<QString>("catalogo");
        QTest::newRow("leading backslashes")
            << "[Base_de_Datos]\nrutabd=\\datos\narchivo=test.db\n[Manualc]\nrutamanual=\\docs\\c.odt\n"
               "[Catalogo]\nrutacatalogo=\\docs\\cat.odt\n"
            << "\\datos\\test.db" << "\\docs\\c.odt" << "\\docs\\cat.odt";
        QTest::newRow("value without backslash joins unchanged")
            << "[base_de_datos]\nRUTABD=datos\narchivo=test.db\n" << "datos\\test.db" << "" << "";
        QTest::newRow("keys missing") << "[Otra]\nx=1\n" << "\\" << "" << "";
    }

    void pathsJoinAsTheIniSays()
    {
        QFETCH(QString, ini);
        QFETCH(QString, rutaBD);
        QFETCH(QString, castellano);
        QFETCH(QString, catalogo);
        testing::Workspace ws;
        ws.WriteIni(ini);
        testing::MessageRecorder messages;
        TDM_BdatosADO module(ui::ApplicationObject());
        const QString dir = QDir::currentPath();
        QCOMPARE(module.RutaBD, dir + rutaBD);
        QCOMPARE(module.ArchivoBD, rutaBD.endsWith("test.db") ? QStringLiteral("test.db") : QString());
        QCOMPARE(module.RutaManualCastellano, dir + castellano);
        QCOMPARE(module.RutaCatalogo, dir + catalogo);
        QCOMPARE(module.RutaManualValenciano, dir);
        // Only the first row's database exists where the joined path points.
        QCOMPARE(module.TerminacionSolicitada(), QTest::currentDataTag() != QByteArray("leading backslashes"));
    }

    void failedConnectionWarnsAndAsksToEnd_data()
    {
        QTest::addColumn<bool>("writeIni");
        QTest::addColumn<QByteArray>("contents"); // of the database file; none when null
        QTest::newRow("no ini file") << false << QByteArray();
        QTest::newRow("database missing") << true << QByteArray();
        QTest::newRow("not a database") << true << QByteArray("esto no es una base de datos ").repeated(40);
    }

    void failedConnectionWarnsAndAsksToEnd()
    {
        QFETCH(bool, writeIni);
        QFETCH(QByteArray, contents);
        testing::Workspace ws(false);
        if (!writeIni)
            QFile::remove(ws.Dir() + "/Dimarvolteca.ini");
        if (!contents.isNull()) {
            QFile file(ws.DbPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        testing::MessageRecorder messages;
        TDM_BdatosADO module(ui::ApplicationObject());
        QVERIFY(module.TerminacionSolicitada());
        QVERIFY(!module.Database1->Connected());
        QCOMPARE(messages.Texts(), QStringList{"Error al conectar a la base de datos"});
        QCOMPARE(messages.messages.first().caption, QStringLiteral("DIMARVOLTECA"));
        QCOMPARE(messages.messages.first().icon, QMessageBox::Warning);
        // The query and the table exist all the same, on a closed connection.
        QVERIFY(module.Qquery && module.Table);
        module.InicializarQuery("SELECT * FROM Criterio");
        QVERIFY_THROWS_EXCEPTION(ado::EDatabaseError, module.ActivarQSelect());
        QCOMPARE(QFile::exists(ws.DbPath()), !contents.isNull());
    }

    void sharedQueryProtocol()
    {
        testing::Workspace ws;
        ws.Db().Exec("INSERT INTO Criterio VALUES (1,'Alumnado'),(2,'Familias')");
        TDM_BdatosADO module(ui::ApplicationObject());
        module.InicializarQuery("SELECT codigo, definicion FROM Criterio WHERE codigo > :desde ORDER BY definicion");
        module.InsertarParametroEntero("desde", 0);
        module.ActivarQSelect();
        QCOMPARE(module.NumFilas(), 2);
        module.Qquery->First();
        QCOMPARE(module.Qquery->FieldByName("definicion").AsString(), QStringLiteral("Alumnado"));

        // Preparing the next statement closes the open result.
        module.InicializarQuery("UPDATE IRendimiento SET clave=:clave WHERE codigo=1");
        QVERIFY(!module.Qquery->Active());
        QVERIFY_THROWS_EXCEPTION(ado::EDatabaseError, module.NumFilas());
        ws.Db().Exec("INSERT INTO IRendimiento(codigo) VALUES (1)");
        module.InsertarParametroBooleano("clave", true);
        module.ActivarQInsertUpdate();
        QCOMPARE(ws.Db().Scalar("SELECT clave FROM IRendimiento").toInt(), 1);

        module.InicializarQuery("SELECT count(*) FROM Criterio");
        module.ActivarQSelect();
        QCOMPARE(module.Qquery->Fields(0).AsInteger(), 2);
    }

    void errorLeavingAHandlerShowsTheDefaultBoxOnce()
    {
        testing::Workspace ws;
        TDM_BdatosADO module(ui::ApplicationObject());
        testing::MessageRecorder messages;
        QPushButton button;
        connect(&button, &QPushButton::clicked, [&] {
            module.InicializarQuery("SELECT * FROM TablaQueNoExiste");
            module.ActivarQSelect();
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().icon, QMessageBox::Critical);
        QVERIFY2(messages.messages.first().text.contains("TablaQueNoExiste"),
                 qPrintable(messages.messages.first().text));
        // The program goes on: the next click runs its handler again.
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 2);
    }

    // A header that cannot be stored gives the error box, never the confirmation.
    void failedInsertShowsNoConfirmation()
    {
        testing::Workspace ws;
        ws.Db().Exec("DROP TABLE CabeceraEncuesta");
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        testing::MessageRecorder messages;
        ui::RunGuarded([] {
            TDM_Encuesta module(ui::ApplicationObject());
            module.InicializarCabecera();
            module.GuardarCabecera();
        });
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().icon, QMessageBox::Critical);
    }
};

DIMARVOLTECA_TEST_MAIN(TestBdatos)
#include "TestBdatos.moc"
