#include "TestSupport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/GraphicError.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Picture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

namespace {
QByteArray Jpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.write(image);
    return bytes;
}

QImage Sample(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(QColor(200, 40, 10));
    return image;
}

QByteArray Header(quint32 offset, qint32 width, qint32 height, quint16 bits)
{
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(54 + 16, b.data() + 2);
    qToLittleEndian<quint32>(offset, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(width, b.data() + 18);
    qToLittleEndian<qint32>(height, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(bits, b.data() + 28);
    return b + QByteArray(16, '\x7f');
}
} // namespace

class TestGraphics : public QObject
{
    Q_OBJECT
private slots:
    void bitmapStreamIsA24BitBmpFileImage()
    {
        graphics::TBitmap bitmap(Sample(145, 113));
        const QByteArray bytes = bitmap.SaveToStream();
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 18), 145);
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 22), 113);
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));

        graphics::TBitmap back;
        back.LoadFromStream(bytes);
        QCOMPARE(back.Width(), 145);
        QCOMPARE(back.ToImage().pixelColor(10, 10), QColor(200, 40, 10));
    }

    void emptyStreamGivesEmptyBitmap()
    {
        graphics::TBitmap bitmap(Sample(3, 3));
        bitmap.LoadFromStream(QByteArray());
        QVERIFY(bitmap.Empty());
    }

    void damagedPicturesRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("jpeg");
        const QByteArray good = Jpeg(Sample(64, 48));
        QTest::newRow("jpeg truncated") << good.left(good.size() / 2) << true;
        QTest::newRow("jpeg header only") << good.left(20) << true;
        QTest::newRow("jpeg garbage after marker") << QByteArray("\xFF\xD8\xFF\x00garbage", 12) << true;
        QTest::newRow("bmp given as jpeg") << graphics::TBitmap(Sample(4, 4)).SaveToStream() << true;
        QTest::newRow("text as bmp") << QByteArray("hola, esto no es una imagen") << false;
        QTest::newRow("jpeg as bmp") << good << false;
        QTest::newRow("bmp too wide") << Header(54, 20000, 10, 24) << false;
        QTest::newRow("bmp too many pixels") << Header(54, 16000, 16000, 24) << false;
        QTest::newRow("bmp zero size") << Header(54, 0, 10, 24) << false;
        QTest::newRow("bmp bad depth") << Header(54, 4, 4, 7) << false;
        QTest::newRow("bmp offset past end") << Header(5000, 4, 4, 24) << false;
        QTest::newRow("bmp pixels missing") << Header(54, 400, 400, 24) << false;
        QByteArray hugeJpeg = good;
        // SOF0 height and width fields: claim 30000 x 30000.
        const int sof = int(hugeJpeg.indexOf(QByteArray("\xFF\xC0", 2)));
        QVERIFY(sof > 0);
        qToBigEndian<quint16>(30000, hugeJpeg.data() + sof + 5);
        qToBigEndian<quint16>(30000, hugeJpeg.data() + sof + 7);
        QTest::newRow("jpeg too large") << hugeJpeg << true;
    }

    void damagedPicturesRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, jpeg);
        try {
            if (jpeg) {
                graphics::TJPEGImage image;
                image.LoadFromStream(bytes);
            } else {
                graphics::TBitmap bitmap;
                bitmap.LoadFromStream(bytes);
            }
            QFAIL("a damaged picture must be refused");
        } catch (const graphics::EInvalidGraphic& e) {
            QVERIFY(!e.Message().isEmpty());
        }
    }

    void jpegDecodes()
    {
        graphics::TJPEGImage image;
        image.LoadFromStream(Jpeg(Sample(1000, 200)));
        QCOMPARE(image.Width(), 1000);
        QCOMPARE(image.Height(), 200);
        const QColor c = image.ToImage().pixelColor(500, 100);
        QVERIFY(qAbs(c.red() - 200) < 8 && qAbs(c.green() - 40) < 8 && qAbs(c.blue() - 10) < 8);
    }

    void greyscaleJpegComesOutRgb()
    {
        QImage grey(20, 10, QImage::Format_Grayscale8);
        grey.fill(128);
        graphics::TJPEGImage image;
        image.LoadFromStream(Jpeg(grey));
        QCOMPARE(image.ToImage().format(), QImage::Format_RGB888);
        QVERIFY(qAbs(image.ToImage().pixelColor(5, 5).green() - 128) < 4);
    }

    void failedLoadKeepsThePicture()
    {
        graphics::TJPEGImage image;
        image.LoadFromStream(Jpeg(Sample(8, 8)));
        QVERIFY_THROWS_EXCEPTION(graphics::EInvalidGraphic, image.LoadFromStream("nada"));
        QCOMPARE(image.Width(), 8);
    }

    void pictureHoldsOrNot()
    {
        graphics::TPicture picture;
        QVERIFY(!picture.HasGraphic());
        picture.Bitmap();
        QVERIFY(picture.HasGraphic());
        QVERIFY(!picture.HasImage());
        picture.Bitmap().Assign(Sample(2, 2));
        graphics::TPicture copy(picture);
        picture.Bitmap().SetSize(5, 5);
        QCOMPARE(copy.Graphic()->Width(), 2);
    }

    void setSizeCutsAndExtendsWithWhite()
    {
        graphics::TBitmap bitmap(Sample(4, 4));
        bitmap.SetSize(6, 2);
        QCOMPARE(bitmap.ToImage().pixelColor(3, 1), QColor(200, 40, 10));
        QCOMPARE(bitmap.ToImage().pixelColor(5, 1), QColor(Qt::white));
        QCOMPARE(bitmap.Height(), 2);
    }
};

DIMARVOLTECA_TEST_MAIN(TestGraphics)
#include "TestGraphics.moc"
