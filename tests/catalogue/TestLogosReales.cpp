#include "EntornoCabeceras.h"

#include "catalogue/CrearCabecera.h"
#include "shell/MAIN.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <memory>

// Logo files the program never wrote: made by ImageMagick as the test runs, in the
// variants that image programs and cameras produce.
class TestLogosReales : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void logo_data();
    void logo();

private:
    void Hacer(const QString& nombre, const QStringList& opciones);
    void DeArribaAbajo(const QString& origen, const QString& nombre);
    void Cortar(const QString& origen, const QString& nombre);
    void AgrandarJpeg(const QString& origen, const QString& nombre);

    QTemporaryDir m_dir;
    std::unique_ptr<EntornoCabeceras> e;
};

namespace {

// The sample of the other tests drawn by ImageMagick: the top quarter blue, the rest
// red with its right half green, and a strip of many colours along the bottom so
// that palette bitmaps need 8 bits.
const QStringList kMuestra = {"-size",
                              "300x200",
                              "xc:#c03020",
                              "-fill",
                              "#20a040",
                              "-draw",
                              "rectangle 150,50 299,199",
                              "-fill",
                              "#2040c0",
                              "-draw",
                              "rectangle 0,0 299,49",
                              "(",
                              "-size",
                              "6x300",
                              "gradient:yellow-purple",
                              "-rotate",
                              "90",
                              ")",
                              "-geometry",
                              "+0+194",
                              "-composite"};

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(ruta));
    f.write(bytes);
}

} // namespace

// `nombre` may carry ImageMagick's format prefix ("BMP3:paleta.bmp").
void TestLogosReales::Hacer(const QString& nombre, const QStringList& opciones)
{
    const QString archivo = nombre.section(QLatin1Char(':'), -1);
    QString destino = m_dir.filePath(archivo);
    if (nombre.contains(QLatin1Char(':')))
        destino.prepend(nombre.section(QLatin1Char(':'), 0, 0) + QLatin1Char(':'));
    QProcess convert;
    convert.start(QStringLiteral("convert"), kMuestra + opciones + QStringList{destino});
    if (!convert.waitForFinished(30000) || convert.exitCode() != 0 ||
        Leer(m_dir.filePath(archivo)).size() < 100)
        qFatal("convert failed for %s: %s", qPrintable(nombre),
               convert.readAllStandardError().constData());
}

// ImageMagick writes bitmaps bottom row first; the same rows stored top row first,
// as some programs write them, with a negative height.
void TestLogosReales::DeArribaAbajo(const QString& origen, const QString& nombre)
{
    QByteArray b = Leer(origen);
    const int datos = qFromLittleEndian<qint32>(b.constData() + 10);
    const int ancho = qFromLittleEndian<qint32>(b.constData() + 18);
    const int alto = qFromLittleEndian<qint32>(b.constData() + 22);
    const int fila = (ancho * 3 + 3) / 4 * 4;
    QByteArray filas;
    for (int y = alto - 1; y >= 0; --y)
        filas += b.mid(datos + y * fila, fila);
    b.replace(datos, filas.size(), filas);
    qToLittleEndian<qint32>(-alto, b.data() + 22);
    Escribir(m_dir.filePath(nombre), b);
}

void TestLogosReales::Cortar(const QString& origen, const QString& nombre)
{
    const QByteArray b = Leer(origen);
    Escribir(m_dir.filePath(nombre), b.left(b.size() / 2));
}

// A JPEG whose frame header claims a width no logo could need.
void TestLogosReales::AgrandarJpeg(const QString& origen, const QString& nombre)
{
    QByteArray b = Leer(origen);
    const int sof = int(b.indexOf("\xFF\xC0"));
    if (sof < 0)
        qFatal("no baseline frame header in %s", qPrintable(origen));
    qToBigEndian<quint16>(30000, b.data() + sof + 7);
    Escribir(m_dir.filePath(nombre), b);
}

void TestLogosReales::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("convert")).isEmpty())
        QSKIP("ImageMagick's convert is not installed");
    QVERIFY(m_dir.isValid());
    Hacer(QStringLiteral("base.jpg"), {});
    Hacer(QStringLiteral("progresivo.jpg"), {"-interlace", "Plane"});
    Hacer(QStringLiteral("grises.jpg"), {"-colorspace", "Gray"});
    Hacer(QStringLiteral("cmyk.jpg"), {"-colorspace", "CMYK"});
    Hacer(QStringLiteral("calidad.jpg"), {"-quality", "25", "-sampling-factor", "2x2"});
    Hacer(QStringLiteral("BMP3:paleta.bmp"), {"-type", "Palette", "-compress", "None"});
    Hacer(QStringLiteral("BMP3:rle.bmp"), {"-type", "Palette", "-compress", "RLE"});
    Hacer(QStringLiteral("BMP3:color24.bmp"), {"-type", "TrueColor"});
    Hacer(QStringLiteral("BMP3:color32.bmp"), {"-define", "bmp3:alpha=true", "-alpha", "on"});
    Hacer(QStringLiteral("BMP:alfa.bmp"), {"-alpha", "on"});
    Hacer(QStringLiteral("BMP2:os2.bmp"), {});
    Hacer(QStringLiteral("PNG:logo.png"), {});
    DeArribaAbajo(m_dir.filePath(QStringLiteral("color24.bmp")), QStringLiteral("arriba.bmp"));
    Cortar(m_dir.filePath(QStringLiteral("color24.bmp")), QStringLiteral("cortado.bmp"));
    Cortar(m_dir.filePath(QStringLiteral("progresivo.jpg")), QStringLiteral("cortado.jpg"));
    AgrandarJpeg(m_dir.filePath(QStringLiteral("base.jpg")), QStringLiteral("ancho.jpg"));
}

void TestLogosReales::init()
{
    e = std::make_unique<EntornoCabeceras>();
}

void TestLogosReales::cleanup()
{
    e.reset();
}

void TestLogosReales::logo_data()
{
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<int>("filtro");
    // "color" or "gris" when the file loads, else the error box's text.
    QTest::addColumn<QString>("resultado");

    QTest::newRow("JPEG") << "base.jpg" << 1 << "color";
    QTest::newRow("JPEG progresivo") << "progresivo.jpg" << 1 << "color";
    QTest::newRow("JPEG en grises") << "grises.jpg" << 1 << "gris";
    QTest::newRow("JPEG CMYK") << "cmyk.jpg" << 1 << "color";
    QTest::newRow("JPEG de calidad baja") << "calidad.jpg" << 1 << "color";
    QTest::newRow("BMP de 8 bits") << "paleta.bmp" << 2 << "color";
    QTest::newRow("BMP de 8 bits RLE") << "rle.bmp" << 2 << "color";
    QTest::newRow("BMP de 24 bits") << "color24.bmp" << 2 << "color";
    QTest::newRow("BMP de 32 bits") << "color32.bmp" << 2 << "color";
    QTest::newRow("BMP de 32 bits con alfa") << "alfa.bmp" << 2 << "color";
    QTest::newRow("BMP de OS/2") << "os2.bmp" << 2 << "color";
    QTest::newRow("BMP de arriba abajo") << "arriba.bmp" << 2 << "color";
    QTest::newRow("BMP cortado") << "cortado.bmp" << 2
                                 << "El mapa de bits está incompleto o dañado.";
    QTest::newRow("JPEG progresivo cortado")
        << "cortado.jpg" << 1 << "La imagen JPEG está incompleta o dañada.";
    QTest::newRow("JPEG de 30000 de ancho")
        << "ancho.jpg" << 1
        << "La imagen JPEG no se puede leer: La imagen es demasiado grande (30000 x 200 píxeles).";
    QTest::newRow("PNG con el filtro bmp")
        << "logo.png" << 2 << "La imagen no es un mapa de bits válido.";
    QTest::newRow("BMP con el filtro jpg")
        << "paleta.bmp" << 1 << "La imagen no es un archivo JPEG válido.";
}

void TestLogosReales::logo()
{
    QFETCH(QString, archivo);
    QFETCH(int, filtro);
    QFETCH(QString, resultado);

    MainForm->Insertar1Click();
    TF_CrearCabecera* f = F_CrearCabecera;
    {
        testing::FileDialogAnswer respuesta(m_dir.filePath(archivo), filtro);
        QTest::mouseClick(f->B_Imagen, Qt::LeftButton);
    }
    if (resultado != QLatin1String("color") && resultado != QLatin1String("gris")) {
        QCOMPARE(e->mensajes.Texts(), QStringList{resultado});
        QCOMPARE(e->mensajes.messages.first().icon, QMessageBox::Critical);
        QVERIFY(!f->I_Logo->Picture()->HasGraphic());
        return;
    }

    QVERIFY2(e->mensajes.messages.isEmpty(), qPrintable(e->mensajes.Texts().join(' ')));
    const QImage imagen = f->I_Logo->Picture()->ToImage();
    QCOMPARE(imagen.size(), QSize(145, 113));
    // A JPEG is stretched, so the green half shows; a bitmap is cut from its
    // top-left corner, which is blue above and red below.
    const QColor arriba = imagen.pixelColor(10, 10);
    const QColor abajo = imagen.pixelColor(20, 100);
    const QColor derecha = imagen.pixelColor(filtro == 1 ? 130 : 140, 100);
    if (resultado == QLatin1String("gris")) {
        for (const QColor& c : {arriba, abajo, derecha})
            QVERIFY(Parecido(c, QColor(c.red(), c.red(), c.red()), 2));
        QVERIFY(!Parecido(arriba, abajo, 4));
    } else {
        QVERIFY(Parecido(arriba, kAzul));
        QVERIFY(Parecido(abajo, kRojo));
        QVERIFY(Parecido(derecha, filtro == 1 ? kVerde : kRojo));
    }

    f->E_Centro->setText(archivo);
    QTest::mouseClick(f->B_Insertar, Qt::LeftButton);
    QCOMPARE(EntornoCabeceras::Bmp(e->Filas().at(0).at(4)).convertToFormat(imagen.format()),
             imagen);
}

DIMARVOLTECA_TEST_MAIN(TestLogosReales)
#include "TestLogosReales.moc"
