#include "EntornoCabeceras.h"

#include "catalogue/CrearCabecera.h"
#include "data/Encuestas.h"
#include "platform/graphics/Bitmap.h"
#include "shell/MAIN.h"

#include <QBuffer>
#include <QMdiSubWindow>
#include <QtEndian>
#include <memory>

class TestCrearCabecera : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void claves_data();
    void claves();
    void textosTalCual_data();
    void textosTalCual();
    void limites();
    void centroDuplicado_data();
    void centroDuplicado();
    void centroEnBlanco_data();
    void centroEnBlanco();
    void logoJpeg();
    void logoBitmap_data();
    void logoBitmap();
    void logoIlegible_data();
    void logoIlegible();
    void cancelar();
    void bloqueoYDueno();

private:
    TF_CrearCabecera* Abrir();
    void Insertar(TF_CrearCabecera* f);
    void CargarLogo(TF_CrearCabecera* f, const QString& ruta, int filtro);

    std::unique_ptr<EntornoCabeceras> e;
};

void TestCrearCabecera::init()
{
    e = std::make_unique<EntornoCabeceras>();
}

void TestCrearCabecera::cleanup()
{
    e.reset();
}

TF_CrearCabecera* TestCrearCabecera::Abrir()
{
    MainForm->Insertar1Click();
    return F_CrearCabecera;
}

void TestCrearCabecera::Insertar(TF_CrearCabecera* f)
{
    QTest::mouseClick(f->B_Insertar, Qt::LeftButton);
}

void TestCrearCabecera::CargarLogo(TF_CrearCabecera* f, const QString& ruta, int filtro)
{
    testing::FileDialogAnswer respuesta(ruta, filtro);
    QTest::mouseClick(f->B_Imagen, Qt::LeftButton);
}

void TestCrearCabecera::claves_data()
{
    QTest::addColumn<QList<int>>("guardadas");
    QTest::addColumn<int>("nueva");
    QTest::newRow("tabla vacía") << QList<int>{} << 1;
    QTest::newRow("1, 2 y 7") << QList<int>{1, 2, 7} << 8;
}

void TestCrearCabecera::claves()
{
    QFETCH(QList<int>, guardadas);
    QFETCH(int, nueva);
    for (int codigo : guardadas)
        e->Cabecera(codigo, QStringLiteral("Centro %1").arg(codigo));

    TF_CrearCabecera* f = Abrir();
    f->E_Centro->setFocus();
    QTest::keyClicks(f->E_Centro, QStringLiteral("IES Nuevo"));
    Insertar(f);

    QCOMPARE(e->ws.Db()
                 .Scalar(QStringLiteral("SELECT centro FROM CabeceraEncuesta WHERE "
                                        "codigo=%1")
                             .arg(nueva))
                 .toString(),
             QStringLiteral("IES Nuevo"));
    QCOMPARE(e->Filas().size(), guardadas.size() + 1);
    QCOMPARE(e->mensajes.Texts(), QStringList{"La cabecera ha sido insertada con éxito"});
    QCOMPARE(e->mensajes.messages.first().icon, QMessageBox::Information);
    QTRY_VERIFY(F_CrearCabecera.isNull());
    QVERIFY(DM_Encuesta);
    QCOMPARE(DM_Encuesta->parent(), ui::ApplicationObject());
    QCOMPARE(DM_Encuesta->Cabecera.Centro, QStringLiteral("IES Nuevo"));
}

void TestCrearCabecera::textosTalCual_data()
{
    QTest::addColumn<bool>("logoBorrado");
    QTest::newRow("sin logo") << false;
    QTest::newRow("logo borrado") << true;
}

// The texts reach the table as typed, blanks included; a header whose logo was
// never picked, or cleared with "Borrar", has none.
void TestCrearCabecera::textosTalCual()
{
    QFETCH(bool, logoBorrado);
    TF_CrearCabecera* f = Abrir();
    f->E_Centro->setFocus();
    QTest::keyClicks(f->E_Centro, QStringLiteral("  Colegio Sur  "));
    QTest::keyClick(f->E_Centro, Qt::Key_Tab);
    QTest::keyClicks(f->E_Direccion, QStringLiteral(" C/ Mayor, 1 "));
    QTest::keyClick(f->E_Direccion, Qt::Key_Tab);
    QTest::keyClicks(f->E_Telefono, QStringLiteral(" 96 000 00 00"));
    if (logoBorrado) {
        CargarLogo(
            f, e->Imagen(QStringLiteral("logo.jpg"), EntornoCabeceras::Muestra(60, 40), "JPG"), 1);
        QVERIFY(f->I_Logo->Picture()->HasImage());
        QTest::mouseClick(f->B_Borrar, Qt::LeftButton);
        QVERIFY(!f->I_Logo->Picture()->HasGraphic());
    }
    Insertar(f);

    const QList<QVariantList> filas = e->Filas();
    QCOMPARE(filas.size(), 1);
    QCOMPARE(filas[0][1].toString(), QStringLiteral("  Colegio Sur  "));
    QCOMPARE(filas[0][2].toString(), QStringLiteral(" C/ Mayor, 1 "));
    QCOMPARE(filas[0][3].toString(), QStringLiteral(" 96 000 00 00"));
    QVERIFY(filas[0][4].isNull());
}

void TestCrearCabecera::limites()
{
    TF_CrearCabecera* f = Abrir();
    const QString largo(120, QLatin1Char('x'));
    for (QLineEdit* caja : {f->E_Centro, f->E_Direccion, f->E_Telefono}) {
        caja->setFocus();
        QTest::keyClicks(caja, largo);
    }
    Insertar(f);
    const QList<QVariantList> filas = e->Filas();
    QCOMPARE(filas.size(), 1);
    QCOMPARE(filas[0][1].toString().size(), 94);
    QCOMPARE(filas[0][2].toString().size(), 94);
    QCOMPARE(filas[0][3].toString().size(), 20);
}

void TestCrearCabecera::centroDuplicado_data()
{
    QTest::addColumn<QString>("guardado");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<bool>("duplicado");
    QTest::newRow("igual") << "IES La Costera"
                           << "IES La Costera" << true;
    QTest::newRow("mayúsculas y espacios") << "Colegio Sur"
                                           << "  COLEGIO sur  " << true;
    QTest::newRow("espacios del guardado") << " ies norte "
                                           << "IES NORTE" << true;
    QTest::newRow("tabulador y salto") << "Centro"
                                       << "\tcentro\n"
                                       << true;
    QTest::newRow("mayúscula acentuada") << "ÁVILA"
                                         << "ávila" << false;
    QTest::newRow("acento contra sin acento") << "Jose Maria"
                                              << "José María" << false;
    QTest::newRow("espacio interior") << "IES Sur"
                                      << "IES  Sur" << false;
}

void TestCrearCabecera::centroDuplicado()
{
    QFETCH(QString, guardado);
    QFETCH(QString, tecleado);
    QFETCH(bool, duplicado);
    e->Cabecera(1, QStringLiteral("Otro centro"));
    e->Cabecera(2, guardado);
    e->Cabecera(3, QStringLiteral("Último"));

    TF_CrearCabecera* f = Abrir();
    f->E_Direccion->setText(QStringLiteral("Calle"));
    f->E_Centro->setFocus();
    f->E_Centro->setText(tecleado);
    QTest::keyClick(f->E_Centro, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f->E_Direccion);

    if (duplicado) {
        QCOMPARE(e->mensajes.Texts(), QStringList{"El centro insertado ya tiene una cabecera"});
        QCOMPARE(e->mensajes.messages.first().icon, QMessageBox::Warning);
        QCOMPARE(f->E_Centro->text(), QString());
    } else {
        QVERIFY(e->mensajes.messages.isEmpty());
        QCOMPARE(f->E_Centro->text(), tecleado);
    }
    QCOMPARE(f->E_Direccion->text(), QStringLiteral("Calle"));
    QCOMPARE(e->Filas().size(), 3);
}

void TestCrearCabecera::centroEnBlanco_data()
{
    QTest::addColumn<QString>("centro");
    QTest::newRow("vacío") << "";
    QTest::newRow("espacios") << "    ";
    QTest::newRow("tabuladores y saltos") << " \t\r\n ";
}

void TestCrearCabecera::centroEnBlanco()
{
    QFETCH(QString, centro);
    TF_CrearCabecera* f = Abrir();
    f->E_Centro->setText(centro);
    f->E_Direccion->setText(QStringLiteral("Avenida"));
    CargarLogo(f, e->Imagen(QStringLiteral("logo.jpg"), EntornoCabeceras::Muestra(60, 40), "JPG"),
               1);
    Insertar(f);

    QCOMPARE(e->mensajes.Texts(), QStringList{"Debe insertar un nombre para el centro"});
    QCOMPARE(e->mensajes.messages.first().icon, QMessageBox::Warning);
    QVERIFY(e->Filas().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(F_CrearCabecera);
    QCOMPARE(f->E_Centro->text(), centro);
    QCOMPARE(f->E_Direccion->text(), QStringLiteral("Avenida"));
    QVERIFY(f->I_Logo->Picture()->HasImage());
}

// A JPEG is stretched to the box whatever its proportions.
void TestCrearCabecera::logoJpeg()
{
    TF_CrearCabecera* f = Abrir();
    const QString ruta =
        e->Imagen(QStringLiteral("ancho.jpg"), EntornoCabeceras::Muestra(1000, 200), "JPG");
    {
        testing::FileDialogAnswer respuesta(ruta, 1);
        QTest::mouseClick(f->B_Imagen, Qt::LeftButton);
        QCOMPARE(respuesta.requests.size(), 1);
        const ui::OpenFileRequest& peticion = respuesta.requests.first();
        QCOMPARE(peticion.initialDir, e->ws.Dir());
        QCOMPARE(peticion.filter,
                 QStringLiteral("Archivos de imagen jpg|*.jpg|Archivos de imagen bmp|*.bmp"));
        QCOMPARE(peticion.filterIndex, 1);
        QVERIFY(peticion.fileMustExist);
    }
    QVERIFY(e->mensajes.messages.isEmpty());
    f->E_Centro->setText(QStringLiteral("IES Logo"));
    Insertar(f);

    const QImage logo = EntornoCabeceras::Bmp(e->Filas().at(0).at(4));
    QCOMPARE(logo.size(), QSize(145, 113));
    QVERIFY(Parecido(logo.pixelColor(5, 5), kAzul));
    QVERIFY(Parecido(logo.pixelColor(139, 20), kAzul));
    QVERIFY(Parecido(logo.pixelColor(5, 100), kRojo));
    QVERIFY(Parecido(logo.pixelColor(68, 100), kRojo));
    QVERIFY(Parecido(logo.pixelColor(76, 100), kVerde));
    QVERIFY(Parecido(logo.pixelColor(139, 107), kVerde));
}

void TestCrearCabecera::logoBitmap_data()
{
    QTest::addColumn<int>("lado");
    QTest::newRow("300 x 300, cortado") << 300;
    QTest::newRow("50 x 50, ampliado con blanco") << 50;
    QTest::newRow("145 x 113 justo") << -1;
}

// A bitmap is cut to the box from its top-left corner, or extended with white,
// never scaled.
void TestCrearCabecera::logoBitmap()
{
    QFETCH(int, lado);
    const QImage origen =
        lado > 0 ? EntornoCabeceras::Muestra(lado, lado) : EntornoCabeceras::Muestra(145, 113);
    TF_CrearCabecera* f = Abrir();
    CargarLogo(f, e->Imagen(QStringLiteral("logo.bmp"), origen, "BMP"), 2);
    f->E_Centro->setText(QStringLiteral("IES Mapa"));
    Insertar(f);

    const QImage logo = EntornoCabeceras::Bmp(e->Filas().at(0).at(4));
    QCOMPARE(logo.size(), QSize(145, 113));
    for (int y = 0; y < 113; ++y)
        for (int x = 0; x < 145; ++x) {
            const QColor esperado =
                origen.rect().contains(x, y) ? origen.pixelColor(x, y) : QColor(Qt::white);
            if (logo.pixelColor(x, y) != esperado)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
}

void TestCrearCabecera::logoIlegible_data()
{
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<int>("filtro");
    QTest::addColumn<QString>("mensaje");

    const QImage muestra = EntornoCabeceras::Muestra(80, 60);
    QByteArray bmp;
    {
        QBuffer b(&bmp);
        b.open(QIODevice::WriteOnly);
        muestra.save(&b, "BMP");
    }
    QByteArray jpg;
    {
        QBuffer b(&jpg);
        b.open(QIODevice::WriteOnly);
        muestra.save(&b, "JPG");
    }
    QByteArray enorme = bmp;
    qToLittleEndian<qint32>(20000, enorme.data() + 18);
    qToLittleEndian<qint32>(20000, enorme.data() + 22);

    QTest::newRow("bmp con el filtro jpg")
        << "logo.bmp" << bmp << 1 << "La imagen no es un archivo JPEG válido.";
    QTest::newRow("jpeg cortado") << "logo.jpg" << jpg.left(jpg.size() / 2) << 1
                                  << "La imagen JPEG está incompleta o dañada.";
    QTest::newRow("jpeg con el filtro bmp")
        << "logo.jpg" << jpg << 2 << "La imagen no es un mapa de bits válido.";
    QTest::newRow("texto con el filtro bmp") << "nota.bmp" << QByteArray("no soy una imagen") << 2
                                             << "La imagen no es un mapa de bits válido.";
    QTest::newRow("bmp cortado") << "logo.bmp" << bmp.left(bmp.size() - 100) << 2
                                 << "El mapa de bits está incompleto o dañado.";
    QTest::newRow("bmp demasiado grande")
        << "enorme.bmp" << enorme << 2 << "La imagen es demasiado grande (20000 x 20000 píxeles).";
    QTest::newRow("archivo vacío")
        << "vacio.jpg" << QByteArray() << 1 << "La imagen no es un archivo JPEG válido.";
}

// A file that cannot be read gives the error box and leaves the box, and what
// "INSERTAR" then stores, as they were.
void TestCrearCabecera::logoIlegible()
{
    QFETCH(QString, archivo);
    QFETCH(QByteArray, contenido);
    QFETCH(int, filtro);
    QFETCH(QString, mensaje);

    TF_CrearCabecera* f = Abrir();
    CargarLogo(
        f, e->Imagen(QStringLiteral("bueno.jpg"), EntornoCabeceras::Muestra(300, 200), "JPG"), 1);
    const QImage antes = f->I_Logo->Picture()->ToImage();
    QCOMPARE(antes.size(), QSize(145, 113));

    CargarLogo(f, e->Archivo(archivo, contenido), filtro);
    QCOMPARE(e->mensajes.Texts(), QStringList{mensaje});
    QCOMPARE(e->mensajes.messages.first().icon, QMessageBox::Critical);
    QCOMPARE(f->I_Logo->Picture()->ToImage(), antes);

    e->mensajes.Clear();
    f->E_Centro->setText(QStringLiteral("IES Sigue"));
    Insertar(f);
    QCOMPARE(e->mensajes.Texts(), QStringList{"La cabecera ha sido insertada con éxito"});
    QCOMPARE(EntornoCabeceras::Bmp(e->Filas().at(0).at(4)).convertToFormat(antes.format()), antes);
}

void TestCrearCabecera::cancelar()
{
    TF_CrearCabecera* f = Abrir();
    {
        testing::FileDialogAnswer cancelado = testing::FileDialogAnswer::Cancel();
        QTest::mouseClick(f->B_Imagen, Qt::LeftButton);
    }
    QVERIFY(!f->I_Logo->Picture()->HasGraphic());

    CargarLogo(f, e->Imagen(QStringLiteral("logo.jpg"), EntornoCabeceras::Muestra(90, 90), "JPG"),
               1);
    const QImage antes = f->I_Logo->Picture()->ToImage();
    {
        testing::FileDialogAnswer cancelado = testing::FileDialogAnswer::Cancel();
        QTest::mouseClick(f->B_Imagen, Qt::LeftButton);
    }
    QCOMPARE(f->I_Logo->Picture()->ToImage(), antes);
    QVERIFY(e->mensajes.messages.isEmpty());
}

// The window gives the work commands back as soon as it opens, so another can open
// beside it; it lives in the frame and goes with the main window.
void TestCrearCabecera::bloqueoYDueno()
{
    QCOMPARE(e->Menus(), EntornoCabeceras::Todos(true));
    QPointer<TF_CrearCabecera> primera = Abrir();
    QCOMPARE(e->Menus(), EntornoCabeceras::Todos(true));
    auto* marco = qobject_cast<QMdiSubWindow*>(primera->parentWidget());
    QVERIFY(marco);
    QCOMPARE(marco->size(), QSize(696, 451));
    QCOMPARE(marco->windowTitle(), QStringLiteral("Crear Cabecera"));

    QPointer<TF_CrearCabecera> segunda = Abrir();
    QVERIFY(segunda != primera);
    QVERIFY(primera);
    MainForm->InhabilitarMenus();
    QTest::mouseClick(segunda->B_Salir, Qt::LeftButton);
    QTRY_VERIFY(segunda.isNull());
    QCOMPARE(e->Menus(), EntornoCabeceras::Todos(true));
    QVERIFY(e->Filas().isEmpty());

    delete MainForm.data();
    QTRY_VERIFY(primera.isNull());
}

DIMARVOLTECA_TEST_MAIN(TestCrearCabecera)
#include "TestCrearCabecera.moc"
