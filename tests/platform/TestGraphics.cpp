#include "TestSupport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/GraphicError.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Picture.h"

#include <QFile>
#include <QtEndian>

namespace {

const QRgb kRojo = qRgb(200, 0, 0);
const QRgb kVerde = qRgb(0, 200, 0);
const QRgb kAzul = qRgb(0, 0, 200);
const QRgb kFondo = qRgb(10, 10, 10);

const QString kBmpDanado = QStringLiteral("El mapa de bits está incompleto o dañado.");
const QString kJpegDanado =
    QStringLiteral("La imagen JPEG está incompleta o dañada.\nDetalle técnico: ");

QImage Sample(int w, int h, QImage::Format format = QImage::Format_RGB888)
{
    QImage image(w, h, format);
    image.fill(QColor(200, 40, 10));
    return image;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

// A BMP file image with a 40-byte info header, the given palette and pixel bytes.
QByteArray Bmp(int width, int height, int bits, quint32 compression, const QList<QRgb>& palette,
               const QByteArray& pixels)
{
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    const int offset = 54 + 4 * int(palette.size());
    qToLittleEndian<quint32>(quint32(offset + pixels.size()), b.data() + 2);
    qToLittleEndian<quint32>(quint32(offset), b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(width, b.data() + 18);
    qToLittleEndian<qint32>(height, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(quint16(bits), b.data() + 28);
    qToLittleEndian<quint32>(compression, b.data() + 30);
    qToLittleEndian<quint32>(quint32(pixels.size()), b.data() + 34);
    qToLittleEndian<quint32>(quint32(palette.size()), b.data() + 46);
    for (QRgb c : palette)
        b += Bytes({qBlue(c), qGreen(c), qRed(c), 0});
    return b + pixels;
}

} // namespace

class TestGraphics : public QObject
{
    Q_OBJECT
private slots:
    void bitmapStreamIsA24BitBmpFileImage()
    {
        const QByteArray bytes = graphics::TBitmap(Sample(145, 113)).SaveToStream();
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 18), 145);
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 22), 113);
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        graphics::TBitmap back;
        back.LoadFromStream(bytes);
        QCOMPARE(back.ToImage(), Sample(145, 113));
    }

    void rle_data()
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
    void rle()
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

    // Bytes some cameras leave before the end marker do not make a picture damaged.
    void strayBytesBeforeTheEndMarker()
    {
        const QByteArray jpeg = testing::Encoded(Sample(100, 20), "JPG");
        const int eoi = int(jpeg.lastIndexOf("\xFF\xD9"));
        graphics::TJPEGImage image;
        image.LoadFromStream(jpeg.left(eoi) + QByteArray("\x01\x02\x03", 3) + jpeg.mid(eoi));
        const QColor c = image.ToImage().pixelColor(50, 10);
        QVERIFY(qAbs(c.red() - 200) < 8 && qAbs(c.green() - 40) < 8 && qAbs(c.blue() - 10) < 8);
    }

    void damagedPicturesRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QString>("message"); // empty: any message

        QImage gradient(120, 80, QImage::Format_RGB888);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; ++x)
                gradient.setPixelColor(x, y, QColor(2 * x, 3 * y, 100));
        const QByteArray jpeg = testing::Encoded(gradient, "JPG");
        const int eoi = int(jpeg.lastIndexOf("\xFF\xD9"));
        QTest::newRow("jpeg cut in half")
            << jpeg.left(jpeg.size() / 2) << true << kJpegDanado + "Premature end of JPEG file.";
        QTest::newRow("jpeg end marker missing")
            << jpeg.left(eoi - 16) << true << kJpegDanado + "Premature end of JPEG file.";
        QByteArray marker = jpeg;
        marker[eoi - 200] = char(0xFF);
        marker[eoi - 199] = char(0xD0);
        QTest::newRow("jpeg marker inside the data")
            << marker << true << kJpegDanado + "Corrupt JPEG data: premature end of data segment.";
        QTest::newRow("jpeg garbage after marker")
            << QByteArray("\xFF\xD8\xFF\x00garbage", 12) << true << QString();
        QTest::newRow("bmp given as jpeg")
            << testing::Encoded(Sample(4, 4), "BMP") << true << QString();
        QByteArray huge = jpeg;
        const int sof = int(huge.indexOf(QByteArray("\xFF\xC0", 2)));
        qToBigEndian<quint16>(30000, huge.data() + sof + 5);
        qToBigEndian<quint16>(30000, huge.data() + sof + 7);
        QTest::newRow("jpeg too large") << huge << true << QString();

        const QByteArray noPixels(16, '\x7f');
        QTest::newRow("text as bmp")
            << QByteArray("hola, esto no es una imagen") << false << QString();
        QTest::newRow("jpeg as bmp") << jpeg << false << QString();
        QTest::newRow("bmp too wide") << Bmp(20000, 10, 24, 0, {}, noPixels) << false << QString();
        QTest::newRow("bmp too many pixels")
            << Bmp(16000, 16000, 24, 0, {}, noPixels) << false << QString();
        QTest::newRow("bmp zero size") << Bmp(0, 10, 24, 0, {}, noPixels) << false << QString();
        QTest::newRow("bmp bad depth") << Bmp(4, 4, 7, 0, {}, noPixels) << false << QString();
        QByteArray offset = Bmp(4, 4, 24, 0, {}, noPixels);
        qToLittleEndian<quint32>(5000, offset.data() + 10);
        QTest::newRow("bmp offset past end") << offset << false << QString();
        QTest::newRow("bmp pixels missing")
            << Bmp(400, 400, 24, 0, {}, noPixels) << false << QString();

        const QByteArray rgb = testing::Encoded(Sample(40, 30), "BMP");
        QTest::newRow("24 bits, last row short") << rgb.left(rgb.size() - 1) << false << kBmpDanado;
        QImage indexed(40, 30, QImage::Format_Indexed8);
        indexed.setColorTable({kRojo, kVerde});
        indexed.fill(1);
        const QByteArray pal = testing::Encoded(indexed, "BMP");
        QTest::newRow("8 bits, half") << pal.left(pal.size() / 2) << false << kBmpDanado;
        QTest::newRow("palette cut") << pal.left(54 + 4) << false << kBmpDanado;
        const QList<QRgb> palette = {kFondo, kRojo};
        QTest::newRow("RLE8 without its end")
            << Bmp(4, 3, 8, 1, palette, Bytes({4, 1, 0, 0, 4, 1})) << false << kBmpDanado;
        QTest::newRow("RLE8 absolute run cut")
            << Bmp(4, 3, 8, 1, palette, Bytes({0, 4, 1, 1})) << false << kBmpDanado;
        QTest::newRow("RLE8 delta cut")
            << Bmp(4, 3, 8, 1, palette, Bytes({0, 2, 1})) << false << kBmpDanado;
    }

    // A picture with pixels lost to a short or corrupt file is refused, not shown
    // half grey, and the picture loaded before stays.
    void damagedPicturesRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, jpeg);
        QFETCH(QString, message);
        graphics::TJPEGImage jpegImage;
        graphics::TBitmap bitmap;
        auto load = [&](const QByteArray& b) {
            jpeg ? jpegImage.LoadFromStream(b) : bitmap.LoadFromStream(b);
        };
        load(testing::Encoded(Sample(8, 8), jpeg ? "JPG" : "BMP"));
        try {
            load(bytes);
            QFAIL("a damaged picture must be refused");
        } catch (const graphics::EInvalidGraphic& e) {
            QVERIFY(!e.Message().isEmpty());
            if (!message.isEmpty())
                QCOMPARE(e.Message(), message);
        }
        QCOMPARE(jpeg ? jpegImage.Width() : bitmap.Width(), 8);
    }

    void sizeLimits_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("message"); // empty: read, at that size
        const auto big = [](const QSize& s) {
            return QStringLiteral("La imagen es demasiado grande (%1 x %2 píxeles).")
                .arg(s.width())
                .arg(s.height());
        };
        // Bitmaps of one bit per pixel: any size at the cost of a few megabytes.
        const auto mono = [](const QSize& s) {
            return Bmp(s.width(), s.height(), 1, 0, {kAzul, kRojo},
                       QByteArray((s.width() + 31) / 32 * 4 * s.height(), '\0'));
        };
        for (const QSize& s : {QSize(16384, 4096), QSize(4096, 16384), QSize(1, 1)})
            QTest::addRow("bmp %dx%d", s.width(), s.height()) << mono(s) << false << s << QString();
        for (const QSize& s : {QSize(16385, 1), QSize(1, 16385), QSize(16384, 4097)})
            QTest::addRow("bmp %dx%d", s.width(), s.height()) << mono(s) << false << s << big(s);
        for (const QSize& s : {QSize(0, 1), QSize(1, 0)})
            QTest::addRow("bmp %dx%d", s.width(), s.height())
                << mono(s) << false << s << QStringLiteral("La imagen no tiene un tamaño válido.");

        // The largest JPEG and the smallest, then their headers one pixel larger.
        QImage grey(16384, 4096, QImage::Format_Grayscale8);
        grey.fill(QColor(90, 90, 90));
        const QByteArray largest = testing::Encoded(grey, "JPG", 10);
        const QByteArray smallest = testing::Encoded(grey.copy(0, 0, 1, 1), "JPG", 10);
        QTest::newRow("jpeg 16384x4096") << largest << true << grey.size() << QString();
        QTest::newRow("jpeg 1x1") << smallest << true << QSize(1, 1) << QString();
        // Past the decoder's own limit of 65,500 pixels a side too.
        for (const QSize& s :
             {QSize(16385, 1), QSize(1, 16385), QSize(16384, 4097), QSize(65500, 1),
              QSize(65501, 1), QSize(1, 65501), QSize(65535, 65535)}) {
            QByteArray file = s.width() == 16384 ? largest : smallest;
            const int sof = int(file.indexOf(QByteArray("\xFF\xC0", 2)));
            qToBigEndian<quint16>(quint16(s.height()), file.data() + sof + 5);
            qToBigEndian<quint16>(quint16(s.width()), file.data() + sof + 7);
            QTest::addRow("jpeg %dx%d", s.width(), s.height()) << file << true << s << big(s);
        }
    }

    // Pictures up to the program's own limits are read, whatever their depth; one
    // pixel more on a side, or in area, is refused as too large.
    void sizeLimits()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, jpeg);
        QFETCH(QSize, size);
        QFETCH(QString, message);
        graphics::TJPEGImage jpegImage;
        graphics::TBitmap bitmap;
        QString refused;
        try {
            jpeg ? jpegImage.LoadFromStream(bytes) : bitmap.LoadFromStream(bytes);
        } catch (const graphics::EInvalidGraphic& e) {
            refused = e.Message();
        }
        QCOMPARE(refused, message);
        if (message.isEmpty())
            QCOMPARE(jpeg ? jpegImage.ToImage().size() : bitmap.ToImage().size(), size);
    }

    // A picture that comes with the program is shown when it can be read and left out
    // when it is missing or damaged.
    void pictureOfTheProgram_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<QSize>("size");
        QTest::newRow("JPEG") << testing::Encoded(Sample(30, 20), "JPG") << QSize(30, 20);
        QTest::newRow("missing") << QByteArray() << QSize();
        QTest::newRow("a bitmap") << testing::Encoded(Sample(30, 20), "BMP") << QSize();
        QTest::newRow("cut short") << testing::Encoded(Sample(30, 20), "JPG").left(200) << QSize();
    }

    void pictureOfTheProgram()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("picture.jpg"));
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        const QImage image = graphics::ReadJpegOrEmpty(path);
        QCOMPARE(image.isNull(), !size.isValid());
        if (size.isValid())
            QCOMPARE(image.size(), size);
    }

    // A copied picture holds its own graphic.
    void pictureHoldsOrNot()
    {
        graphics::TPicture picture;
        QVERIFY(!picture.HasGraphic());
        picture.Bitmap();
        QVERIFY(picture.HasGraphic() && !picture.HasImage());
        picture.Bitmap().Assign(Sample(2, 2));
        graphics::TPicture copy(picture);
        picture.Bitmap().SetSize(5, 5);
        QCOMPARE(copy.Graphic()->Width(), 2);
    }
};

DIMARVOLTECA_TEST_MAIN(TestGraphics)
#include "TestGraphics.moc"
