#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "data/General.h"
#include "platform/ado/DatabaseError.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicError.h"
#include "platform/ui/Connect.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
// A bitmap whose three channels hold the same value, given row by row.
graphics::TBitmap Grey(const QVector<QVector<int>>& rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB888);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            image.setPixelColor(x, y, QColor(rows[y][x], rows[y][x], rows[y][x]));
    return graphics::TBitmap(image);
}

graphics::TBitmap Sized(int w, int h)
{
    graphics::TBitmap b;
    b.SetSize(w, h);
    return b;
}

// What SmoothResize says when it refuses; empty when it resizes.
QString ResizeRefusal(graphics::TBitmap source, graphics::TBitmap dest)
{
    try {
        TDM_General::SmoothResize(source, dest);
    } catch (const graphics::EInvalidGraphic& e) {
        return e.Message();
    }
    return QString();
}

QVector<QVector<int>> Values(const graphics::TBitmap& b)
{
    QVector<QVector<int>> rows(b.Height());
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            rows[y] << b.ScanLine(y)[3 * x];
    return rows;
}
} // namespace

// The database module and the shared routines of the data modules.
class TestData : public QObject
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
        QTest::newRow("leading backslashes") << "[Base_de_Datos]\nrutabd=\\datos\narchivo=test."
                                                "db\n[Manualc]\nrutamanual=\\docs\\c.odt\n"
                                                "[Catalogo]\nrutacatalogo=\\docs\\cat.odt\n"
                                             << "\\datos\\test.db"
                                             << "\\docs\\c.odt"
                                             << "\\docs\\cat.odt";
        QTest::newRow("value without backslash joins unchanged")
            << "[base_de_datos]\nRUTABD=datos\narchivo=test.db\n"
            << "datos\\test.db"
            << ""
            << "";
        QTest::newRow("keys missing") << "[Otra]\nx=1\n"
                                      << "\\"
                                      << ""
                                      << "";
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
        QCOMPARE(module.ArchivoBD,
                 rutaBD.endsWith("test.db") ? QStringLiteral("test.db") : QString());
        QCOMPARE(module.RutaManualCastellano, dir + castellano);
        QCOMPARE(module.RutaCatalogo, dir + catalogo);
        QCOMPARE(module.RutaManualValenciano, dir);
        // Only the first row's database exists where the joined path points.
        QCOMPARE(module.TerminacionSolicitada(),
                 QTest::currentDataTag() != QByteArray("leading backslashes"));
    }

    // An ini file saved on Windows, in its code page, finds a folder named with an ñ.
    void iniSavedOnWindowsConnects()
    {
        testing::Workspace ws;
        QVERIFY(QDir(ws.Dir()).mkdir(QStringLiteral("Año 2024")));
        QVERIFY(QFile::copy(ws.DbPath(), ws.Dir() + QStringLiteral("/Año 2024/test.db")));
        QFile ini(ws.Dir() + "/Dimarvolteca.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[Base_de_Datos]\r\nrutabd=\\A\xF1o 2024\r\narchivo=test.db\r\n");
        ini.close();
        testing::MessageRecorder messages;
        TDM_BdatosADO module(ui::ApplicationObject());
        QCOMPARE(messages.Shown(), QStringList());
        QVERIFY(module.Database1->Connected());
        QCOMPARE(module.RutaBD, QDir::currentPath() + QStringLiteral("\\Año 2024\\test.db"));
    }

    void failedConnectionWarnsAndAsksToEnd_data()
    {
        QTest::addColumn<bool>("writeIni");
        QTest::addColumn<QByteArray>("contents"); // of the database file; none when null
        QTest::newRow("no ini file") << false << QByteArray();
        QTest::newRow("database missing") << true << QByteArray();
        QTest::newRow("not a database")
            << true << QByteArray("esto no es una base de datos ").repeated(40);
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
        QCOMPARE(messages.Shown(), QStringList{"Aviso: Error al conectar a la base de datos"});
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
        module.InicializarQuery(
            "SELECT codigo, definicion FROM Criterio WHERE codigo > :desde ORDER BY definicion");
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

    void errorLeavingAHandlerShowsTheDefaultBoxOnce_data()
    {
        QTest::addColumn<bool>("fromCode");
        QTest::newRow("mouse click") << false;
        QTest::newRow("click() from code") << true;
    }

    // Through the guarded connect, the error never reaches the event dispatch, which
    // would leak the click it delivers, nor the code that clicked.
    void errorLeavingAHandlerShowsTheDefaultBoxOnce()
    {
        QFETCH(bool, fromCode);
        testing::Workspace ws;
        TDM_BdatosADO module(ui::ApplicationObject());
        testing::MessageRecorder messages;
        QPushButton button;
        ui::Connect(&button, &QPushButton::clicked, &button, [&] {
            module.InicializarQuery("SELECT * FROM TablaQueNoExiste");
            module.ActivarQSelect();
        });
        button.show();
        const auto click = [&] {
            QVERIFY_THROWS_NO_EXCEPTION(fromCode ? button.click()
                                                 : QTest::mouseClick(&button, Qt::LeftButton));
        };
        click();
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().icon, QMessageBox::Critical);
        QVERIFY2(messages.messages.first().text.contains("TablaQueNoExiste"),
                 qPrintable(messages.messages.first().text));
        // The program goes on: the next click runs its handler again.
        click();
        QCOMPARE(messages.messages.size(), 2);
        QCOMPARE(messages.messages.last().text, messages.messages.first().text);
    }

    // What is thrown that is no error of the program's kinds still ends at the handler.
    void unknownErrorLeavingAHandlerSaysSo()
    {
        testing::MessageRecorder messages;
        QPushButton button;
        ui::Connect(&button, &QPushButton::clicked, &button, [] { throw 42; });
        QVERIFY_THROWS_NO_EXCEPTION(button.click());
        QCOMPARE(messages.Shown(), QStringList{"Error: Error desconocido."});
    }

    // The real box shows a stored text as it stands: tags, '&' and line breaks.
    void messageBoxShowsPlainText()
    {
        const QString text = QStringLiteral("<b>Centro</b> & Hijos\r\nsegunda línea");
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                shown = box->text();
                format = box->textFormat();
            }
            if (modal)
                modal->close();
        });
        answer.start(20);
        TDM_General::MensajeError(text);
        QCOMPARE(shown, text);
        QCOMPARE(format, Qt::PlainText);
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
        QCOMPARE(messages.Shown().size(), 1);
        QVERIFY(messages.Shown().first().startsWith("Error: "));
    }

    // The resampling that fits a JPEG logo to its box.
    // The four neighbours weigh in both directions as in 16-bit fixed point, rounded
    // as the original rounds them.
    void exactValues()
    {
        graphics::TBitmap source = Grey({{0, 255}, {255, 0}});
        graphics::TBitmap dest = Sized(3, 3);
        TDM_General::SmoothResize(source, dest);
        QCOMPARE(Values(dest),
                 (QVector<QVector<int>>{{0, 85, 169}, {85, 113, 141}, {170, 141, 113}}));
    }

    // A wide stretch reaches the last column without reading past it.
    void wideStretchReachesTheLastColumn()
    {
        graphics::TBitmap source = Grey({{0, 255}, {0, 255}});
        graphics::TBitmap dest = Sized(700, 2);
        TDM_General::SmoothResize(source, dest);
        QCOMPARE(Values(dest)[0].mid(695), (QVector<int>{254, 254, 254, 255, 255}));
        QCOMPARE(Values(dest)[1].first(), 0);
    }

    void uniformColourStaysExact_data()
    {
        QTest::addColumn<QSize>("from");
        QTest::addColumn<QSize>("to");
        QTest::newRow("1x1 into 40x30") << QSize(1, 1) << QSize(40, 30);
        QTest::newRow("one pixel wide") << QSize(1, 5) << QSize(7, 9);
        QTest::newRow("one pixel high") << QSize(5, 1) << QSize(9, 7);
        QTest::newRow("widths differ, heights equal") << QSize(10, 8) << QSize(4, 8);
        QTest::newRow("heights differ, widths equal") << QSize(8, 10) << QSize(8, 3);
        QTest::newRow("equal sizes, copied") << QSize(4, 3) << QSize(4, 3);
        QTest::newRow("logo box") << QSize(1000, 200) << QSize(145, 113);
    }

    // Whatever the source's format, the result is 24-bit and no edge darkens.
    void uniformColourStaysExact()
    {
        QFETCH(QSize, from);
        QFETCH(QSize, to);
        QImage image(from, QImage::Format_ARGB32);
        image.fill(QColor(17, 201, 255));
        graphics::TBitmap source(image);
        graphics::TBitmap dest = Sized(to.width(), to.height());
        TDM_General::SmoothResize(source, dest);
        const QImage out = dest.ToImage();
        QCOMPARE(out.size(), to);
        QCOMPARE(out.format(), QImage::Format_RGB888);
        QImage expected(to, QImage::Format_RGB888);
        expected.fill(QColor(17, 201, 255));
        QCOMPARE(out, expected);
    }

    // The row step is taken from the destination's first two rows, so a one-row
    // destination is refused instead of read out of bounds.
    void oneRowDestinationOfAnotherSizeFails()
    {
        graphics::TBitmap source = Grey({{0, 255}});
        graphics::TBitmap dest = Sized(5, 1);
        QVERIFY_THROWS_EXCEPTION(graphics::EInvalidGraphic,
                                 TDM_General::SmoothResize(source, dest));
        QCOMPARE(ResizeRefusal(Grey({{0, 255}}), Sized(5, 1)),
                 QStringLiteral("Índice de línea fuera de rango."));
        QCOMPARE(ResizeRefusal(Grey({{0, 255}}), Sized(5, 2)), QString());
    }

    void emptyBitmapRefused()
    {
        const QString refusal = QStringLiteral("Tamaño de mapa de bits no válido.");
        QCOMPARE(ResizeRefusal(graphics::TBitmap(), Sized(5, 5)), refusal);
        QCOMPARE(ResizeRefusal(Grey({{0, 255}}), graphics::TBitmap()), refusal);
    }
};

DIMARVOLTECA_TEST_MAIN(TestData)
#include "TestData.moc"
