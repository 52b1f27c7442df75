#include "TestSupport.h"
#include "data/General.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicError.h"

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

QVector<QVector<int>> Values(const graphics::TBitmap& b)
{
    QVector<QVector<int>> rows(b.Height());
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            rows[y] << b.ScanLine(y)[3 * x];
    return rows;
}
} // namespace

// The resampling that fits a JPEG logo to its box.
class TestGeneral : public QObject
{
    Q_OBJECT
private slots:
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
    }
};

DIMARVOLTECA_TEST_MAIN(TestGeneral)
#include "TestGeneral.moc"
