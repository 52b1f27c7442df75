#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "data/General.h"
#include "platform/graphics/Bitmap.h"

#include <QtEndian>

namespace {
std::shared_ptr<graphics::TPicture> Logo(int w, int h, QColor colour)
{
    auto picture = std::make_shared<graphics::TPicture>();
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    picture->Bitmap().Assign(image);
    return picture;
}

TCabecera Cabecera(const QString& centro, std::shared_ptr<graphics::TPicture> logo = {})
{
    TCabecera c;
    c.Centro = centro;
    c.Direccion = "  Calle Mayor, 3 ";
    c.Telefono = "96 000 00 00";
    c.Fecha = QDate(2026, 12, 6);
    c.Logo = logo ? logo : std::make_shared<graphics::TPicture>();
    return c;
}
} // namespace

class TestEncuestas : public QObject
{
    Q_OBJECT
    std::unique_ptr<testing::Workspace> ws;

    void Guardar(const TCabecera& cab)
    {
        DM_Encuesta = new TDM_Encuesta(ui::ApplicationObject());
        DM_Encuesta->InicializarCabecera();
        DM_Encuesta->InsertarCabecera(cab);
        DM_Encuesta->GuardarCabecera();
    }

private slots:
    void init()
    {
        ws = std::make_unique<testing::Workspace>();
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    }

    void cleanup()
    {
        ui::ReleaseApplicationObject();
        ws.reset();
    }

    void keysFollowTheGreatest_data()
    {
        QTest::addColumn<QString>("seed");
        QTest::addColumn<int>("key");
        QTest::newRow("empty table") << "" << 1;
        QTest::newRow("after 1, 2 and 7") << "INSERT INTO CabeceraEncuesta(codigo) VALUES (1),(2),(7)" << 8;
    }

    void keysFollowTheGreatest()
    {
        QFETCH(QString, seed);
        QFETCH(int, key);
        if (!seed.isEmpty())
            ws->Db().Exec(seed);
        testing::MessageRecorder messages;
        Guardar(Cabecera("IES L'Estació; \"nuevo\""));
        QCOMPARE(messages.Texts(), QStringList{"La cabecera ha sido insertada con éxito"});
        QCOMPARE(messages.messages.first().icon, QMessageBox::Information);
        const auto rows = ws->Db().Rows(
            QString("SELECT centro, direccion, telefono, logo IS NULL FROM CabeceraEncuesta WHERE codigo=%1").arg(key));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toString(), QStringLiteral("IES L'Estació; \"nuevo\""));
        QCOMPARE(rows[0][1].toString(), QStringLiteral("  Calle Mayor, 3 "));
        QCOMPARE(rows[0][2].toString(), QStringLiteral("96 000 00 00"));
        QCOMPARE(rows[0][3].toInt(), 1); // no picture, null logo
    }

    void logoStoredAsBmpFileImage()
    {
        testing::MessageRecorder messages;
        Guardar(Cabecera("Centro", Logo(145, 113, QColor(0, 128, 0))));
        const QByteArray blob = ws->Db().Scalar("SELECT logo FROM CabeceraEncuesta").toByteArray();
        QVERIFY(blob.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<qint32>(blob.constData() + 18), 145);
        QCOMPARE(qFromLittleEndian<qint32>(blob.constData() + 22), 113);
        graphics::TBitmap back;
        back.LoadFromStream(blob);
        QCOMPARE(back.ToImage().pixelColor(72, 56), QColor(0, 128, 0));
    }

    void dateNeverStoredAndEmptyTextsStayEmpty()
    {
        testing::MessageRecorder messages;
        TCabecera cab = Cabecera("");
        cab.Direccion.clear();
        Guardar(cab);
        const auto row = ws->Db().Rows("SELECT typeof(centro), typeof(direccion) FROM CabeceraEncuesta").first();
        QCOMPARE(row, (QVariantList{"text", "text"}));
        QCOMPARE(ws->Db().Rows("PRAGMA table_info(CabeceraEncuesta)").size(), 5);
    }

    void updateKeepsOrReplacesTheLogo_data()
    {
        QTest::addColumn<bool>("newLogo");
        QTest::newRow("without picture keeps") << false;
        QTest::newRow("with picture replaces") << true;
    }

    void updateKeepsOrReplacesTheLogo()
    {
        QFETCH(bool, newLogo);
        testing::MessageRecorder messages;
        Guardar(Cabecera("Viejo", Logo(145, 113, Qt::red)));
        Guardar(Cabecera("Otro"));
        const QByteArray before = ws->Db().Scalar("SELECT logo FROM CabeceraEncuesta WHERE codigo=1").toByteArray();
        messages.Clear();

        TDM_Encuesta module(ui::ApplicationObject());
        module.ActualizarCabecera(1, Cabecera("Nuevo", newLogo ? Logo(154, 114, Qt::blue) : nullptr));
        QCOMPARE(messages.Texts(), QStringList{"La cabecera ha sido modificada con éxito"});
        const QByteArray after = ws->Db().Scalar("SELECT logo FROM CabeceraEncuesta WHERE codigo=1").toByteArray();
        QCOMPARE(ws->Db().Scalar("SELECT centro FROM CabeceraEncuesta WHERE codigo=1").toString(), QStringLiteral("Nuevo"));
        QCOMPARE(ws->Db().Scalar("SELECT centro FROM CabeceraEncuesta WHERE codigo=2").toString(), QStringLiteral("Otro"));
        if (newLogo)
            QCOMPARE(qFromLittleEndian<qint32>(after.constData() + 18), 154);
        else
            QCOMPARE(after, before);
    }

    void updateOfAMissingRowStillConfirms()
    {
        testing::MessageRecorder messages;
        TDM_Encuesta module(ui::ApplicationObject());
        module.ActualizarCabecera(42, Cabecera("Nadie"));
        QCOMPARE(messages.Texts(), QStringList{"La cabecera ha sido modificada con éxito"});
        QCOMPARE(ws->Db().Scalar("SELECT count(*) FROM CabeceraEncuesta").toInt(), 0);
    }

    void failedInsertShowsNoConfirmation()
    {
        ws->Db().Exec("DROP TABLE CabeceraEncuesta");
        testing::MessageRecorder messages;
        ui::RunGuarded([&] { Guardar(Cabecera("x")); });
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().icon, QMessageBox::Critical);
    }

    void globalFollowsTheLatestAndReadsNoneOnceGone()
    {
        QObject ownerA;
        QObject ownerB;
        DM_Encuesta = new TDM_Encuesta(&ownerA);
        TDM_Encuesta* second = new TDM_Encuesta(&ownerB);
        DM_Encuesta = second;
        QTest::qWait(0);
        delete new TDM_Encuesta(&ownerA); // an older module going away leaves the global alone
        QCOMPARE(DM_Encuesta.data(), second);
        delete second;
        QVERIFY(DM_Encuesta.isNull());
    }

    void sharedPictureNotCopied()
    {
        TDM_Encuesta module(ui::ApplicationObject());
        module.InicializarCabecera();
        QVERIFY(module.Cabecera.Logo && !module.Cabecera.Logo->HasGraphic());
        auto logo = Logo(2, 2, Qt::red);
        module.InsertarCabecera(Cabecera("c", logo));
        QCOMPARE(module.Cabecera.Logo.get(), logo.get());
    }
};

DIMARVOLTECA_TEST_MAIN(TestEncuestas)
#include "TestEncuestas.moc"
