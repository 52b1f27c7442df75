#include "TestSupport.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/GraphicError.h"
#include "platform/graphics/JpegImage.h"

#include <QBuffer>
#include <QtEndian>

namespace {

void Put16(QByteArray& b, int at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}
void Put32(QByteArray& b, int at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}

// A BMP file image with a 40-byte info header, the given palette and pixel bytes.
QByteArray Bmp(int width, int height, int bits, quint32 compression, const QList<QRgb>& palette,
               const QByteArray& pixels)
{
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    const int offset = 54 + 4 * int(palette.size());
    Put32(b, 2, quint32(offset + pixels.size()));
    Put32(b, 10, quint32(offset));
    Put32(b, 14, 40);
    Put32(b, 18, quint32(width));
    Put32(b, 22, quint32(height));
    Put16(b, 26, 1);
    Put16(b, 28, quint16(bits));
    Put32(b, 30, compression);
    Put32(b, 34, quint32(pixels.size()));
    Put32(b, 46, quint32(palette.size()));
    for (QRgb c : palette) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append('\0');
    }
    return b + pixels;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

const QRgb kRojo = qRgb(200, 0, 0);
const QRgb kVerde = qRgb(0, 200, 0);
const QRgb kAzul = qRgb(0, 0, 200);
const QRgb kFondo = qRgb(10, 10, 10);

} // namespace

class TestPictureDamage : public QObject
{
    Q_OBJECT
private slots:
    void rle_data();
    void rle();
    void shortFiles_data();
    void shortFiles();
    void jpegDamage_data();
    void jpegDamage();
};

void TestPictureDamage::rle_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QRgb>>("expected"); // rows from the top, 4 x 3

    const QList<QRgb> palette = {kFondo, kRojo, kVerde, kAzul};
    // Bottom row: a run of 2 red and an absolute run red-green-blue (padded);
    // middle row: end of line at once; top row: a delta of 2 then one blue.
    QTest::newRow("RLE8") << Bmp(4, 3, 8, 1, palette, Bytes({2, 1, 0, 3, 1, 2, 3, 0, 0, 0,
                                                             0, 0, 0, 2, 2, 0, 1, 3, 0, 1}))
                          << QList<QRgb>{kFondo, kFondo, kAzul,  kFondo, //
                                         kFondo, kFondo, kFondo, kFondo, //
                                         kRojo,  kRojo,  kRojo,  kVerde};
    // Runs alternate two indices: 4 pixels of red-blue; then green-blue-red in
    // absolute mode, and the bitmap ends before the top row.
    QTest::newRow("RLE4") << Bmp(4, 3, 4, 2, palette,
                                 Bytes({4, 0x13, 0, 0, 0, 3, 0x23, 0x10, 0, 1}))
                          << QList<QRgb>{kFondo, kFondo, kFondo, kFondo, //
                                         kVerde, kAzul,  kRojo,  kFondo, //
                                         kRojo,  kAzul,  kRojo,  kAzul};
}

// Pixels that the codes skip read as the table's first colour, never as stray memory.
void TestPictureDamage::rle()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QRgb>, expected);
    graphics::TBitmap bitmap;
    bitmap.LoadFromStream(file);
    const QImage image = bitmap.ToImage();
    QCOMPARE(image.size(), QSize(4, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            QCOMPARE(image.pixel(x, y), expected.at(y * 4 + x));
}

void TestPictureDamage::shortFiles_data()
{
    QTest::addColumn<QByteArray>("file");

    QImage colour(40, 30, QImage::Format_RGB888);
    colour.fill(kRojo);
    const QByteArray rgb = graphics::WriteBmp(colour);
    QTest::newRow("24 bits, last row short") << rgb.left(rgb.size() - 1);
    QTest::newRow("24 bits, half") << rgb.left(rgb.size() / 2);

    QImage indexed(40, 30, QImage::Format_Indexed8);
    indexed.setColorTable({kRojo, kVerde});
    indexed.fill(1);
    QByteArray pal;
    QBuffer buffer(&pal);
    buffer.open(QIODevice::WriteOnly);
    indexed.save(&buffer, "BMP");
    QTest::newRow("8 bits, half") << pal.left(pal.size() / 2);
    QTest::newRow("palette cut") << pal.left(54 + 4);

    const QList<QRgb> palette = {kFondo, kRojo};
    QTest::newRow("RLE8 without its end") << Bmp(4, 3, 8, 1, palette, Bytes({4, 1, 0, 0, 4, 1}));
    QTest::newRow("RLE8 absolute run cut") << Bmp(4, 3, 8, 1, palette, Bytes({0, 4, 1, 1}));
    QTest::newRow("RLE8 delta cut") << Bmp(4, 3, 8, 1, palette, Bytes({0, 2, 1}));
}

void TestPictureDamage::shortFiles()
{
    QFETCH(QByteArray, file);
    graphics::TBitmap bitmap;
    try {
        bitmap.LoadFromStream(file);
        QFAIL("a short file was read");
    } catch (const graphics::EInvalidGraphic& e) {
        QCOMPARE(e.Message(), QStringLiteral("El mapa de bits está incompleto o dañado."));
    }
}

void TestPictureDamage::jpegDamage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("readable");

    QImage picture(120, 80, QImage::Format_RGB888);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            picture.setPixelColor(x, y, QColor(2 * x, 3 * y, 100));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(picture.save(&buffer, "JPG", 90));
    const int eoi = int(jpeg.lastIndexOf("\xFF\xD9"));

    QTest::newRow("whole") << jpeg << true;
    QTest::newRow("stray bytes before the end marker")
        << jpeg.left(eoi) + QByteArray("\x01\x02\x03", 3) + jpeg.mid(eoi) << true;
    QTest::newRow("cut in half") << jpeg.left(jpeg.size() / 2) << false;
    QTest::newRow("end marker missing") << jpeg.left(eoi - 16) << false;
    QByteArray marker = jpeg;
    marker[eoi - 200] = char(0xFF);
    marker[eoi - 199] = char(0xD0);
    QTest::newRow("marker inside the data") << marker << false;
}

// A picture with pixels lost to a short or corrupt file is refused, not shown half grey.
void TestPictureDamage::jpegDamage()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, readable);
    graphics::TJPEGImage jpeg;
    try {
        jpeg.LoadFromStream(file);
        QVERIFY(readable);
        QCOMPARE(jpeg.Width(), 120);
    } catch (const graphics::EInvalidGraphic& e) {
        QVERIFY2(!readable, qPrintable(e.Message()));
        QCOMPARE(e.Message(), QStringLiteral("La imagen JPEG está incompleta o dañada."));
        QVERIFY(jpeg.Empty());
    }
}

DIMARVOLTECA_TEST_MAIN(TestPictureDamage)
#include "TestPictureDamage.moc"
