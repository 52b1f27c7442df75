#include "platform/report/ReportFile.h"
#include "ReportTestSupport.h"
#include "TestSupport.h"
#include "platform/report/QRPrinter.h"
#include "platform/report/ReportError.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>

using namespace report;

namespace {

QImage Picture(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    image.setPixel(0, 0, qRgba(1, 2, 3, 4));
    return image;
}

// Two pages with one of every kind of item, the logo shared by both.
QVector<TQRPage> SamplePages()
{
    const QImage logo = Picture(12, 7, Qt::darkGreen);
    const TQRFont font{QStringLiteral("Book Antiqua"), 8, true, false, true};
    const QRectF box(175.1, 11.85, 33.34, 17.2);
    QVector<TQRPage> pages;
    for (int p = 1; p <= 2; ++p)
        pages << TQRPage{
            QSizeF(210, 297),
            {{TItemKind::Fill, "QRDBNum", QRectF(10.53, 72.74, 5.03, 4.76), QColor(192, 192, 192)},
             {TItemKind::Frame, "Leyenda", QRectF(166.63, 49.42, 39.16, 12.96), Qt::gray, 0.26,
              Qt::DotLine},
             {TItemKind::Line, "QRShape2", QRectF(QPointF(46.78, 39.5), QPointF(190.98, 39.5)),
              Qt::gray, 0.26},
             {TItemKind::Text, "QRLabel13", QRectF(183.04, 281.44, 22.1, 3.9), Qt::gray, 0,
              Qt::SolidLine, 284.2, font, QStringLiteral("Página %1 de 2 — ¿qué? ñ €").arg(p)},
             {TItemKind::Image, "QRI_Logo", box, Qt::black, 0, Qt::SolidLine, 0, {}, {}, logo},
             {TItemKind::Image,
              "Pagina",
              box,
              Qt::black,
              0,
              Qt::SolidLine,
              0,
              {},
              {},
              Picture(3, 5 + p, Qt::blue)}}};
    return pages;
}

QByteArray Saved(const QVector<TQRPage>& pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteReport(buffer, pages);
    return buffer.data();
}

QVector<TQRPage> Loaded(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadReport(buffer);
}

QByteArray U32(quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    return QByteArray(b, 4);
}

} // namespace

class ReportFileTest : public QObject
{
    Q_OBJECT

private slots:
    void savedPagesComeBackTheSame()
    {
        const QVector<TQRPage> pages = SamplePages();
        const QVector<TQRPage> loaded = Loaded(Saved(pages));
        QCOMPARE(loaded.size(), 2);
        QVERIFY(loaded == pages);
        // A picture printed on every page is stored and held once.
        QCOMPARE(loaded.at(0).Items.at(4).Image.cacheKey(),
                 loaded.at(1).Items.at(4).Image.cacheKey());
        QVERIFY(Loaded(Saved({})).isEmpty());
    }

    void badFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = Saved(SamplePages());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("text") << QByteArray("[Base_de_Datos]\nrutabd=\\datos\n");
        QTest::newRow("header only") << good.left(20);
        for (const int cut : {7, 19, 21, 60, int(good.size()) / 2, int(good.size()) - 1})
            QTest::newRow(qPrintable(QStringLiteral("cut at %1").arg(cut))) << good.left(cut);
        QTest::newRow("trailing bytes") << good + "x";
        for (const int at : {12, 16, 25, int(good.size()) / 3, int(good.size()) - 2}) {
            QByteArray flipped = good;
            flipped[at] = char(flipped.at(at) ^ 0x10);
            QTest::newRow(qPrintable(QStringLiteral("byte %1 changed").arg(at))) << flipped;
        }
        QByteArray newer = good;
        newer[9] = char(kReportFileVersion + 1);
        QTest::newRow("a later version") << newer;

        // Well framed bodies that lie about their sizes.
        auto framed = [](const QByteArray& body) { return ReportFileHeader(body) + body; };
        QTest::newRow("four thousand million pages") << framed(U32(0) + U32(0xFFFFFFFFu));
        QTest::newRow("too many pictures") << framed(U32(5000));
        QTest::newRow("a huge picture") << framed(U32(1) + U32(60000) + U32(60000) + U32(0));
        QTest::newRow("a picture bigger than it says")
            << framed(U32(1) + U32(2) + U32(2) + U32(8) + U32(0x7FFFFFFF) + U32(0));
        const QByteArray page = QByteArray::fromHex("4060400000000000"
                                                    "4072900000000000");
        QTest::newRow("a page of countless items")
            << framed(U32(0) + U32(1) + page + U32(0x10000000));
        QTest::newRow("an unknown item") << framed(U32(0) + U32(1) + page + U32(1) +
                                                   QByteArray(1, '\x09') + QByteArray(60, '\0'));
        QTest::newRow("a text longer than the file")
            << framed(U32(0) + U32(1) + page + U32(1) + QByteArray(1, '\x01') + U32(0x00FFFFFF));
    }

    void badFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY_THROWS_EXCEPTION(EReportFileError, Loaded(bytes));
    }

    // Files that cannot be read or written raise, and a failed load keeps the pages.
    void thePrinterReportsFileErrors()
    {
        QTemporaryDir dir;
        TQRPrinter printer;
        printer.SetPages(SamplePages());
        QVERIFY_THROWS_EXCEPTION(EReportError, printer.Load(dir.filePath("no.qrp")));
        QCOMPARE(printer.PageCount(), 2);
        QVERIFY_THROWS_EXCEPTION(EReportError, printer.Save(dir.filePath("no/such/dir.qrp")));
    }
};

DIMARVOLTECA_TEST_MAIN(ReportFileTest)
#include "ReportFileTest.moc"
