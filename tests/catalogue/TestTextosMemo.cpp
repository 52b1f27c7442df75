// What the definition and question memos store when saved without an edit: random
// texts, loaded at random widths, read back line by line and joined.
#include "catalogue/TextosMemo.h"

#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {

using Union = QString (*)(const QList<LineaMemo>&);

// Words, blanks, marks the memo may wrap after, emoji, CJK, a word and an address
// wider than a narrow memo, and the three line breaks a stored text may hold (last).
const QStringList kPiezas =
    QStringLiteral("uno|socio-laboral|alumnos/as|2023-2024|curso—escolar|¿Está satisfecho?|"
                   " |  |\t| \t |\t\t\t\t\t\t\t\t\t\t|"
                   "😀|👩‍👩‍👧|🇪🇸😀🇪🇸|職業訓練の品質|中文|"
                   "Electroencefalografistasprofesionalesdelaformaciónprofesionaldualeuropea|"
                   "https://www.ejemplo.es/calidad/encuestas/2023-2024/indicadores?centro=42&"
                   "grupo=alumnos%2Fas|"
                   "\r\n|\n|\r")
        .split(QLatin1Char('|'));
const int kSaltos = 3;

QString TextoAlAzar(QRandomGenerator& azar)
{
    // Half the texts are one line, where a save must give back every byte.
    const int piezas = int(kPiezas.size()) - (azar.bounded(2) ? kSaltos : 0);
    QString texto;
    for (int n = int(azar.bounded(1, 30)); n > 0; --n)
        texto += kPiezas.at(int(azar.bounded(piezas)));
    return texto;
}

// The text's own lines, none of them wrapped.
QList<LineaMemo> LineasSinAjuste(const QString& texto)
{
    QList<LineaMemo> lineas;
    for (const QString& linea : texto.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        lineas << LineaMemo{linea, false};
    return lineas;
}

} // namespace

class TestTextosMemo : public QObject
{
    Q_OBJECT

    QPlainTextEdit m_memo;
    QRandomGenerator m_azar;
    QString m_guardados; // the texts saved so far, to name a failure

    // A save without an edit: `texto` loaded into the memo at a random width, the lines
    // it shows joined back.
    QString Guardar(const QString& texto, Union unir)
    {
        m_memo.resize(int(m_azar.bounded(40, 700)), 120);
        CargarTextoMemo(&m_memo, texto, true);
        const QString guardado = unir(LineasMemo(&m_memo));
        m_guardados += QStringLiteral("\n%1 px: [%2]").arg(m_memo.width()).arg(guardado);
        return guardado;
    }

private slots:
    void initTestCase()
    {
        PrepararMemo(&m_memo);
        m_memo.show();
    }

    void guardarSinEditar_data()
    {
        QTest::addColumn<bool>("recortando");
        QTest::newRow("unión simple") << false;
        QTest::newRow("recortando la primera línea") << true;
    }

    // Wherever the memo wraps, a save gives back what a memo too wide to wrap would:
    // every byte of a one-line text (but the ends the trimmed-first join trims), and
    // from then on the same text on every save. The trimmed-first join alone may change
    // a second time: a blank first line leaves one blank at the start, a later line
    // leaves its trailing blanks at the end, and the next save trims them.
    void guardarSinEditar()
    {
        QFETCH(bool, recortando);
        const Union unir = recortando ? UnirLineasRecortandoPrimera : UnirLineas;
        m_azar.seed(22);
        for (int n = 0; n < 300; ++n) {
            const QString texto = TextoAlAzar(m_azar);
            m_guardados = QStringLiteral("[%1]").arg(texto);
            const QString primera = Guardar(texto, unir);
            const QString segunda = Guardar(primera, unir);
            const QString tercera = Guardar(segunda, unir);
            const bool unaLinea = !texto.contains(QRegularExpression(QStringLiteral("[\r\n]")));
            QVERIFY2(primera == unir(LineasSinAjuste(texto)), qPrintable(m_guardados));
            QVERIFY2(!unaLinea || EnBlanco(texto) ||
                         primera == (recortando ? Recortar(texto) : texto),
                     qPrintable(m_guardados));
            QVERIFY2(segunda == primera || (recortando && primera != Recortar(primera)),
                     qPrintable(m_guardados));
            QVERIFY2(tercera == segunda, qPrintable(m_guardados));
        }
    }
};

QTEST_MAIN(TestTextosMemo)
#include "TestTextosMemo.moc"
