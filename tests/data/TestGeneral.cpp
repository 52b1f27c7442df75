#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicError.h"

namespace {
// A bitmap whose three channels hold the same value, given row by row.
graphics::TBitmap Grey(const QVector<QVector<int>>& rows)
{
    QImage image(rows.first().size(), rows.size(), QImage::Format_RGB888);
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

int At(const graphics::TBitmap& b, int x, int y)
{
    return b.ScanLine(y)[3 * x];
}
} // namespace

class TestGeneral : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ui::ReleaseApplicationObject(); }

    void comprobarVacio()
    {
        QVERIFY(TDM_General::ComprobarVacio(""));
        QVERIFY(!TDM_General::ComprobarVacio(" "));
        QCOMPARE(Recortar(QString("\t\r\n  centro \x01")), QStringLiteral("centro"));
    }

    void messageBoxes()
    {
        testing::MessageRecorder messages;
        TDM_General::MensajeError("Debe seleccionar una dimensión");
        TDM_General::MensajeOK("Hecho");
        QCOMPARE(messages.messages.size(), 2);
        QCOMPARE(messages.messages[0].caption, QStringLiteral("DIMARVOLTECA"));
        QCOMPARE(messages.messages[0].icon, QMessageBox::Warning);
        QCOMPARE(messages.messages[0].text, QStringLiteral("Debe seleccionar una dimensión"));
        QCOMPARE(messages.messages[1].icon, QMessageBox::Information);
    }

    void creationEmptiesTheScratchTable()
    {
        testing::Workspace ws;
        ws.Db().Exec("INSERT INTO PregEncTemp VALUES (1,'a',0),(2,'b',1)");
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        DM_General = new TDM_General(ui::ApplicationObject());
        QCOMPARE(ws.Db().Scalar("SELECT count(*) FROM PregEncTemp").toInt(), 0);
    }

    void mulDiv()
    {
        QCOMPARE(MulDiv(1, 65536, 3), 21845);
        QCOMPARE(MulDiv(21845, 43691, 65536), 14563);
        QCOMPARE(MulDiv(1, 65536, 700), 94);
        QCOMPARE(MulDiv(3, 1, 2), 2); // halves round upward
    }

    void twoByTwoIntoThreeByThree()
    {
        graphics::TBitmap source = Grey({{0, 255}, {0, 255}});
        graphics::TBitmap dest = Sized(3, 3);
        TDM_General::SmoothResize(source, dest);
        for (int y = 0; y < 3; ++y) {
            QCOMPARE(At(dest, 0, y), 0);
            QCOMPARE(At(dest, 1, y), 84);
            QCOMPARE(At(dest, 2, y), 170);
        }
    }

    // Each source corner alone at 255 shows its weight at a destination pixel:
    // floor(255 * w / 65536).
    void cornerWeights_data()
    {
        QTest::addColumn<int>("corner");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("value");
        QTest::newRow("w1 at 1,1") << 0 << 1 << 1 << 255 * 29128 / 65536;
        QTest::newRow("w2 at 1,1") << 1 << 1 << 1 << 255 * 14563 / 65536;
        QTest::newRow("w3 at 1,1") << 2 << 1 << 1 << 255 * 14564 / 65536;
        QTest::newRow("w4 at 1,1") << 3 << 1 << 1 << 255 * 7282 / 65536;
        QTest::newRow("w1 at 0,0") << 0 << 0 << 0 << 255;
        QTest::newRow("w3 at 0,0") << 2 << 0 << 0 << 0;
    }

    void cornerWeights()
    {
        QFETCH(int, corner);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, value);
        QVector<QVector<int>> rows{{0, 0}, {0, 0}};
        rows[corner / 2][corner % 2] = 255;
        graphics::TBitmap source = Grey(rows);
        graphics::TBitmap dest = Sized(3, 3);
        TDM_General::SmoothResize(source, dest);
        QCOMPARE(At(dest, x, y), value);
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
        QTest::newRow("logo box") << QSize(1000, 200) << QSize(145, 113);
    }

    void uniformColourStaysExact()
    {
        QFETCH(QSize, from);
        QFETCH(QSize, to);
        QImage image(from, QImage::Format_RGB888);
        image.fill(QColor(17, 201, 255));
        graphics::TBitmap source(image);
        graphics::TBitmap dest = Sized(to.width(), to.height());
        TDM_General::SmoothResize(source, dest);
        QCOMPARE(dest.Width(), to.width());
        QCOMPARE(dest.Height(), to.height());
        const QImage out = dest.ToImage();
        for (int y = 0; y < to.height(); ++y)
            for (int x = 0; x < to.width(); ++x)
                QCOMPARE(out.pixelColor(x, y), QColor(17, 201, 255));
    }

    void oneColumnSourceSamplesColumnZero()
    {
        graphics::TBitmap source = Grey({{10}, {250}});
        graphics::TBitmap dest = Sized(5, 4);
        TDM_General::SmoothResize(source, dest);
        for (int y = 0; y < 4; ++y)
            for (int x = 1; x < 5; ++x)
                QCOMPARE(At(dest, x, y), At(dest, 0, y));
        QCOMPARE(At(dest, 0, 0), 10);
    }

    void wideStretchReachesTheLastColumn()
    {
        graphics::TBitmap source = Grey({{0, 255}, {0, 255}});
        graphics::TBitmap dest = Sized(700, 2);
        TDM_General::SmoothResize(source, dest);
        QCOMPARE(At(dest, 699, 0), 255);
        QCOMPARE(At(dest, 697, 0), 254);
        QCOMPARE(At(dest, 0, 1), 0);
    }

    void equalSizesCopyAs24Bit()
    {
        QImage image(4, 3, QImage::Format_ARGB32);
        image.fill(QColor(1, 2, 3));
        graphics::TBitmap source(image);
        graphics::TBitmap dest = Sized(4, 3);
        TDM_General::SmoothResize(source, dest);
        QCOMPARE(dest.ToImage().format(), QImage::Format_RGB888);
        QCOMPARE(dest.ToImage().pixelColor(3, 2), QColor(1, 2, 3));
    }

    void oneRowDestinationOfAnotherSizeFails()
    {
        graphics::TBitmap source = Grey({{0, 255}});
        graphics::TBitmap dest = Sized(5, 1);
        QVERIFY_THROWS_EXCEPTION(graphics::EInvalidGraphic, TDM_General::SmoothResize(source, dest));
    }
};

DIMARVOLTECA_TEST_MAIN(TestGeneral)
#include "TestGeneral.moc"
