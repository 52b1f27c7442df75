// The printed indicator report: its page header, rows, column rules and page count, as
// laid out and as printed to PDF through the preview's print dialog.

#include "Entorno.h"

#include "reports/InformeIR.h"

using namespace encuesta;
using report::TItemKind;
using report::TPageItem;
using report::TQRPage;
using testing::ItemsOf;
using testing::Near;
using testing::TextsOf;

namespace {

// The lines of a dimension's name that half the page holds, at 9 points.
const int kCaben = 33;

const QString kLarga = QStringLiteral(
    "Porcentaje de alumnado que, habiendo iniciado el ciclo formativo en el curso "
    "académico anterior, lo abandona antes de su finalización sin haber solicitado la "
    "anulación de matrícula ni la renuncia a la convocatoria, sobre el total de "
    "matriculados en el ciclo al comienzo del curso");

// A dimension's name of `cuantas` lines, stored with CR+LF.
QString Lineas(int cuantas)
{
    QStringList lineas;
    for (int i = 1; i <= cuantas; ++i)
        lineas << QStringLiteral("Línea %1 del nombre").arg(i);
    return lineas.join(QStringLiteral("\r\n"));
}

// The rows' texts: `cuantas` short ones, with the long one at `larga` (-1: none).
QStringList Textos(int cuantas, int larga)
{
    QStringList textos;
    for (int i = 0; i < cuantas; ++i)
        textos << (i == larga ? kLarga : QStringLiteral("Medida número %1").arg(i + 1));
    return textos;
}

} // namespace

class TestInformeIR : public PruebaEncuesta
{
    Q_OBJECT

    void Filas(const QStringList& textos)
    {
        int posicion = 0;
        for (const QString& texto : textos)
            Db().Exec(QStringLiteral("INSERT INTO PregEncTemp(posicion,definicion) VALUES(?,?)"),
                      {++posicion, texto});
    }

private slots:
    // Every page: the title, the dimension, the heads, the rule and its footer; rows in
    // order, each as tall as its text, the column rules running its whole height; the
    // page total of the counting pass; and what a person reads on the printed pages.
    void paginas_data()
    {
        QTest::addColumn<int>("filas");
        QTest::addColumn<int>("larga");
        QTest::addColumn<QString>("dimension");
        QTest::addColumn<bool>("cortado");
        QTest::addColumn<int>("total");
        QTest::newRow("sin filas") << 0 << -1 << "Satisfacción" << false << 1;
        QTest::newRow("definición de tres líneas") << 4 << 2 << "Satisfacción" << false << 1;
        QTest::newRow("varias páginas") << 80 << 10 << "Satisfacción" << false << 3;
        QTest::newRow("dimensión larga")
            << 2 << -1
            << "Grado de satisfacción del alumnado y de sus familias con la "
               "orientación académica y profesional recibida en el centro"
            << false << 1;
        // Lines stored in the name take room as wrapped ones do: 35 rows fill one page
        // under a one-line name and spill onto a second under a name of three lines.
        QTest::newRow("dimensión en dos líneas")
            << 35 << -1 << "Satisfacción del alumnado\r\ncon el centro" << false << 1;
        QTest::newRow("dimensión en tres líneas")
            << 35 << -1 << "Satisfacción\ndel alumnado\rcon el centro" << false << 2;
        // The header takes at most half the page: a name of more lines than that holds
        // is cut on its last line, and the rows go on under it.
        QTest::newRow("el nombre más alto que cabe") << 40 << -1 << Lineas(33) << false << 3;
        QTest::newRow("una línea más") << 40 << -1 << Lineas(34) << true << 3;
        QTest::newRow("dimensión de 90 líneas") << 40 << -1 << Lineas(90) << true << 3;
        QTest::newRow("un párrafo de más de media página")
            << 40 << -1 << QString(kLarga + ' ').repeated(20) << true << 3;
    }

    void paginas()
    {
        QFETCH(int, filas);
        QFETCH(int, larga);
        QFETCH(QString, dimension);
        QFETCH(bool, cortado);
        QFETCH(int, total);
        Db().Exec(QStringLiteral("UPDATE Subcriterio SET definicion=? WHERE codigo=10"),
                  {dimension});
        const QStringList textos = Textos(filas, larga);
        Filas(textos);
        F_InformeIR = new TF_InformeIR(ui::ApplicationObject());
        F_InformeIR->InsertarSubCriterio(10);
        QCOMPARE(F_InformeIR->TotalPaginas, total);
        QVector<TQRPage> paginas;
        const QString pdf = ImprimirPdf(
            QStringLiteral("informe-%1.pdf").arg(QTest::currentDataTag()),
            [] { F_InformeIR->QR_InformeIR->Preview(); }, &paginas);
        QCOMPARE(paginas.size(), total);
        QCOMPARE(testing::PdfPageCount(pdf), total);

        QStringList numeros;
        for (int p = 0; p < paginas.size(); ++p) {
            const TQRPage& pagina = paginas.at(p);
            QCOMPARE(TextsOf(pagina, "QRLabel1"),
                     QStringList{"MEDIDAS DE PERCEPCIÓN / INDICADORES DE RENDIMIENTO"});
            // A name cut short prints as many lines as the header holds, the last ending
            // in "…", and no word of it out of its place.
            const QStringList nombre = TextsOf(pagina, "QRLDimension");
            if (cortado) {
                QCOMPARE(nombre.size(), kCaben);
                QVERIFY(nombre.last().endsWith("…"));
                QVERIFY(dimension.simplified().startsWith(nombre.join(' ').chopped(1)));
            } else {
                QCOMPARE(nombre.join(' '), dimension.simplified());
            }
            QCOMPARE(TextsOf(pagina, "QRLabel4"),
                     QStringList{QStringLiteral("Página %1 de %2").arg(p + 1).arg(total)});
            // The name never reaches "Objetivo", and the heads sit just above the rule.
            const double raya =
                testing::First(ItemsOf(pagina, "QRShape3", TItemKind::Line), "the rule").Rect.top();
            for (const TPageItem& linea : ItemsOf(pagina, "QRLDimension", TItemKind::Text))
                QVERIFY(linea.Rect.right() < 10 + 152.40 && linea.Rect.bottom() < raya);
            for (const char* cabeza : {"QRLabel2", "QRLabel3"}) {
                const TPageItem texto =
                    testing::First(ItemsOf(pagina, cabeza, TItemKind::Text), cabeza);
                QVERIFY(texto.Rect.bottom() < raya && texto.Rect.bottom() > raya - 3);
            }

            // Each row from its number's top to the next one's, the rules along all of it
            // and its text within it.
            // The header within half the page, and rows on every page, above the footer.
            QVERIFY(raya < 10 + 277 / 2.0);
            const auto celdas = ItemsOf(pagina, "QRDBNum", TItemKind::Fill);
            QCOMPARE(celdas.isEmpty(), filas == 0);
            QVERIFY(celdas.isEmpty() || celdas.first().Rect.top() > raya);
            const double pie =
                testing::First(ItemsOf(pagina, "QRLabel4", TItemKind::Text), "the footer")
                    .Rect.top();
            for (const TPageItem& linea : ItemsOf(pagina, "QRShape1", TItemKind::Line))
                QVERIFY(linea.Rect.bottom() < pie);
            numeros << TextsOf(pagina, "QRDBNum");
            for (int r = 0; r < celdas.size(); ++r) {
                const double arriba = celdas.at(r).Rect.top() - 1.06;
                const double abajo =
                    r + 1 < celdas.size() ? celdas.at(r + 1).Rect.top() - 1.06 : -1;
                for (const char* regla : {"QRShape1", "QRShape2", "QRShape4"}) {
                    bool cubre = false;
                    for (const TPageItem& linea : ItemsOf(pagina, regla, TItemKind::Line))
                        cubre |= Near(linea.Rect.top(), arriba) &&
                                 (abajo < 0 || Near(linea.Rect.bottom(), abajo));
                    QVERIFY2(cubre, qPrintable(QStringLiteral("fila %1, %2").arg(r).arg(regla)));
                }
                for (const TPageItem& linea : ItemsOf(pagina, "QRDBDefinicion", TItemKind::Text))
                    if (linea.Rect.top() >= arriba && (abajo < 0 || linea.Rect.top() < abajo))
                        QVERIFY(abajo < 0 || linea.Rect.bottom() <= abajo + 0.02);
            }
        }
        QStringList esperados;
        for (int i = 1; i <= filas; ++i)
            esperados << QString::number(i);
        QCOMPARE(numeros, esperados);

        if (!HayHerramienta(QStringLiteral("pdftotext")))
            return;
        QStringList impresas = testing::PdfText(pdf).split(QLatin1Char('\f'));
        impresas.removeAll(QString());
        QCOMPARE(impresas.size(), total);
        for (int p = 0; p < total; ++p)
            for (const QString& esperado :
                 {QStringLiteral("MEDIDAS DE PERCEPCIÓN / INDICADORES DE RENDIMIENTO"),
                  QStringLiteral("Dimensión:"), dimension.simplified().section(' ', 0, 0),
                  QStringLiteral("Objetivo"), QStringLiteral("Resultado"),
                  QStringLiteral("Página %1 de %2").arg(p + 1).arg(total)})
                QVERIFY2(impresas[p].contains(esperado),
                         qPrintable(esperado + " missing in:\n" + impresas[p]));
        // Every row with its number, and every word of every text.
        const QString palabras =
            impresas.join(' ').normalized(QString::NormalizationForm_KC).simplified();
        for (int i = 0; i < textos.size(); ++i) {
            QVERIFY(palabras.contains(QStringLiteral("%1 %2").arg(i + 1).arg(
                textos.at(i).section(QLatin1Char(' '), 0, 2))));
            for (const QString& palabra : textos.at(i).split(QLatin1Char(' ')))
                QVERIFY2(palabras.contains(palabra), qPrintable(palabra));
        }
    }

    // Escape closes the report's preview, which has no caption bar, as its button does:
    // the scratch table is emptied and the report window goes.
    void escapeClosesThePreview()
    {
        Filas(Textos(3, -1));
        F_InformeIR = new TF_InformeIR(ui::ApplicationObject());
        F_InformeIR->InsertarSubCriterio(10);
        bool cerrada = false;
        PaginasDe([] { F_InformeIR->QR_InformeIR->Preview(); },
                  [&](report::TQRStandardPreview* vista) {
                      QVERIFY(vista->windowFlags().testFlag(Qt::FramelessWindowHint));
                      cerrada = CerrarConTecla(vista, QStringLiteral("Esc"));
                  });
        QVERIFY(cerrada);
        QVERIFY(!F_InformeIR);
        QCOMPARE(Db().Scalar(QStringLiteral("SELECT COUNT(*) FROM PregEncTemp")).toInt(), 0);
    }
};

DIMARVOLTECA_TEST_MAIN(TestInformeIR)
#include "TestInformeIR.moc"
