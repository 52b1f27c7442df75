// Step 3 of a new questionnaire: its views, the two selection boxes and the rows it
// writes for the questionnaire.

#include "Entorno.h"

#include "data/General.h"
#include "survey/CrearEncuestaP3.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

using namespace encuesta;

namespace {

QString Banderas(const std::vector<bool>& banderas)
{
    QString texto;
    for (bool b : banderas)
        texto += b ? QLatin1Char('1') : QLatin1Char('0');
    return texto;
}

QString Lista(const QSet<int>& codigos)
{
    QList<int> ordenados = codigos.values();
    std::sort(ordenados.begin(), ordenados.end());
    QStringList textos;
    for (int c : ordenados)
        textos << QString::number(c);
    return textos.join(QLatin1Char(','));
}

// The places of the shown run-time controls, by name (check boxes by their code).
QMap<QString, QPoint> Lugares(QWidget* contenido)
{
    QMap<QString, QPoint> lugares;
    for (QLabel* etiqueta : contenido->findChildren<QLabel*>())
        if (etiqueta->isVisible())
            lugares.insert(etiqueta->objectName(), etiqueta->pos());
    for (const std::vector<TIndicadorCheck>& medidas : VIndicadores)
        for (const TIndicadorCheck& medida : medidas)
            if (medida.CheckBox && medida.CheckBox->isVisible())
                lugares.insert(QString::number(medida.Codigo), medida.CheckBox->pos());
    return lugares;
}

QList<QVariantList> FilasPregEncTemp(testing::TestDb& db)
{
    return db.Rows(
        QStringLiteral("SELECT posicion, definicion, tipo FROM PregEncTemp ORDER BY rowid"));
}

} // namespace

class TestPaso3 : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_entorno = std::make_unique<Entorno>();
        SembrarCatalogo(m_entorno->Db());
    }
    void cleanup() { m_entorno.reset(); }

    void lista();
    void vistaDeSubdimension();
    void vistaDeTodas();
    void controlesHechosUnaVez();
    void reglasDeSeleccion_data();
    void reglasDeSeleccion();
    void catalogoQueCambia();

private:
    std::unique_ptr<Entorno> m_entorno;
};

void TestPaso3::lista()
{
    HastaPaso3();
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    QCOMPARE(paso3->CB_Dimension->count(), 4);
    QCOMPARE(paso3->CB_Dimension->itemText(0), QStringLiteral("--------Todas--------"));
    QCOMPARE(paso3->CB_Dimension->itemText(1), QStringLiteral("Aulas"));
    QCOMPARE(paso3->CB_Dimension->itemText(3), QStringLiteral("Comedor"));
    QCOMPARE(paso3->CB_Dimension->currentIndex(), -1);
    QCOMPARE(VCodDimension, (std::vector<int>{100, 101, 102}));
    QCOMPARE(NumDimensiones, 3);
    QCOMPARE(CodSubcriterio, 10);
    QCOMPARE(VIndicadores.size(), size_t(3));
    QCOMPARE(VIndicadores[0].size(), size_t(3));
    QCOMPARE(VIndicadores[1].size(), size_t(2));
    QCOMPARE(VIndicadores[2].size(), size_t(0));
    QCOMPARE(Banderas(paso3->VSoloClave), QStringLiteral("0000"));
    QVERIFY(!paso3->CB_SoloClave->isEnabled());
    QVERIFY(!paso3->CB_Todos->isEnabled());
    QVERIFY(paso3->SB_IndicadoresContenido->children().isEmpty());
    const int ancho =
        QFontMetrics(paso3->CB_Dimension->font()).horizontalAdvance(QStringLiteral("Biblioteca"));
    QVERIFY(paso3->CB_Dimension->view()->minimumWidth() >= ancho + 20);
}

void TestPaso3::vistaDeSubdimension()
{
    HastaPaso3();
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    Elegir(paso3->CB_Dimension, 1);
    QVERIFY(paso3->CB_SoloClave->isEnabled() && paso3->CB_Todos->isEnabled());
    QCOMPARE(paso3->CB_Dimension->toolTip(), QStringLiteral("Aulas"));
    QCOMPARE(paso3->Label3->toolTip(), QStringLiteral("Estado de las aulas"));
    QCOMPARE(DimensionAnterior, 1);

    // Definitions in dictionary order, key measures marked.
    const QMap<QString, QPoint> esperado{{QStringLiteral("1002"), {60, 20}},
                                         {QStringLiteral("C_1002"), {10, 20}},
                                         {QStringLiteral("1001"), {60, 60}},
                                         {QStringLiteral("1000"), {60, 100}},
                                         {QStringLiteral("C_1000"), {10, 100}}};
    QCOMPARE(Lugares(paso3->SB_IndicadoresContenido), esperado);
    QCOMPARE(VIndicadores[0][0].Codigo, 1002);
    QCOMPARE(VIndicadores[0][1].Clave, 0);
    QVERIFY(!VIndicadores[0][1].LabelClave);
    QVERIFY(VIndicadores[1][0].CheckBox.isNull());

    QCheckBox* caja = Caja(1001);
    QCOMPARE(caja->text(), QStringLiteral("Iluminación"));
    QCOMPARE(caja->width(),
             QFontMetrics(caja->font()).horizontalAdvance(QStringLiteral("Iluminación")) + 20);
    QCOMPARE(caja->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(caja->font().bold());
    QLabel* clave = paso3->SB_IndicadoresContenido->findChild<QLabel*>(QStringLiteral("C_1002"));
    QCOMPARE(clave->text(), QStringLiteral("CLAVE"));
    QCOMPARE(clave->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(clave->width(),
             QFontMetrics(clave->font()).horizontalAdvance(QStringLiteral("CLAVE")) + 20);

    // A subdimension without measures shows nothing.
    Elegir(paso3->CB_Dimension, 3);
    QVERIFY(Lugares(paso3->SB_IndicadoresContenido).isEmpty());
    QCOMPARE(paso3->Label3->toolTip(), QStringLiteral("Sin medidas"));
}

void TestPaso3::vistaDeTodas()
{
    HastaPaso3();
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    Elegir(paso3->CB_Dimension, 0);
    QVERIFY(paso3->Label3->toolTip().isEmpty());
    const QMap<QString, QPoint> esperado{
        {QStringLiteral("T_100"), {20, 20}},   {QStringLiteral("1002"), {60, 50}},
        {QStringLiteral("C_1002"), {10, 50}},  {QStringLiteral("1001"), {60, 90}},
        {QStringLiteral("1000"), {60, 130}},   {QStringLiteral("C_1000"), {10, 130}},
        {QStringLiteral("T_101"), {20, 170}},  {QStringLiteral("1011"), {60, 200}},
        {QStringLiteral("C_1011"), {10, 200}}, {QStringLiteral("1010"), {60, 240}},
        {QStringLiteral("T_102"), {20, 280}}};
    QCOMPARE(Lugares(paso3->SB_IndicadoresContenido), esperado);
    QLabel* titulo = paso3->SB_IndicadoresContenido->findChild<QLabel*>(QStringLiteral("T_101"));
    QCOMPARE(titulo->text(), QStringLiteral("Biblioteca"));
    QVERIFY(titulo->font().underline());
    QCOMPARE(titulo->palette().color(QPalette::WindowText), QColor(Qt::black));
}

// Each control is made the first time its item shows and is then only moved, shown
// and hidden; a tick made in one view is there in the other.
void TestPaso3::controlesHechosUnaVez()
{
    HastaPaso3();
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    QWidget* contenido = paso3->SB_IndicadoresContenido;
    Elegir(paso3->CB_Dimension, 1);
    QCheckBox* iluminacion = Caja(1001);
    Pulsar(iluminacion);
    Elegir(paso3->CB_Dimension, 0);
    QCOMPARE(Caja(1001), iluminacion);
    QVERIFY(iluminacion->isChecked());
    const int hechos = contenido->children().size();
    QCOMPARE(hechos, 5 + 3 + 3);

    Pulsar(Caja(1010));
    for (int vista : {2, 1, 0, 3, 0, 0, 2}) {
        Elegir(paso3->CB_Dimension, vista);
        QCOMPARE(contenido->children().size(), hechos);
    }
    QCOMPARE(Marcadas(), (QSet<int>{1001, 1010}));
    // The same entry again: laid out afresh from the top, nothing hidden.
    const QMap<QString, QPoint> antes = Lugares(contenido);
    paso3->SB_Indicadores->verticalScrollBar()->setValue(30);
    Elegir(paso3->CB_Dimension, 2);
    QCOMPARE(Lugares(contenido), antes);
    QCOMPARE(paso3->SB_Indicadores->verticalScrollBar()->value(), 0);
}

// Steps: vK chooses view K (0 = all), S and T click the two boxes, mCODE clicks a measure.
void TestPaso3::reglasDeSeleccion_data()
{
    QTest::addColumn<QString>("pasos");
    QTest::addColumn<QString>("marcadas");
    QTest::addColumn<bool>("soloClave");
    QTest::addColumn<bool>("todos");
    QTest::addColumn<QString>("banderasSoloClave");
    QTest::addColumn<QString>("banderasTodos");

    QTest::newRow("solo clave en una subdimension") << "v1 m1001 S"
                                                    << "1000,1002" << true << false << "0100"
                                                    << "0000";
    QTest::newRow("solo clave en todas") << "v0 S"
                                         << "1000,1002,1011" << true << false << "1111"
                                         << "0000";
    QTest::newRow("todos tras solo clave") << "v1 S T"
                                           << "1000,1001,1002" << false << true << "0000"
                                           << "0100";
    QTest::newRow("solo clave tras todos") << "v1 T S"
                                           << "1000,1002" << true << false << "0100"
                                           << "0000";
    QTest::newRow("desmarcar solo clave deja las demas") << "v1 S m1001 S"
                                                         << "1001" << false << false << "0000"
                                                         << "0000";
    QTest::newRow("desmarcar todos en una subdimension") << "v0 T v1 T"
                                                         << "1010,1011" << false << false << "0000"
                                                         << "0011";
    QTest::newRow("la ultima subdimension pone la bandera 0 de todos")
        << "v1 T v2 T v3 T v2 m1010 v0"
        << "1000,1001,1002,1011" << false << true << "0000"
        << "1111";
    QTest::newRow("la ultima subdimension pone la bandera 0 de solo clave")
        << "v1 S v2 S v3 S v2 m1010 v0"
        << "1000,1002,1010,1011" << true << false << "1111"
        << "0000";
    QTest::newRow("desmarcar todos a mano en todas") << "v0 T m1001 T"
                                                     << "" << false << false << "0000"
                                                     << "0000";
    QTest::newRow("a todas con todos sin bandera 0") << "v2 m1011 v1 T v0"
                                                     << "1000,1001,1002" << false << false << "0000"
                                                     << "0100";
    QTest::newRow("a todas con solo clave sin bandera 0")
        << "v2 m1011 m1010 v1 S v0"
        << "1000,1002,1010" << false << false << "0100"
        << "0000";
    QTest::newRow("a todas con solo clave respeta todos de otra")
        << "v2 T v1 S v0"
        << "1000,1002,1010,1011" << false << false << "0100"
        << "0010";
    QTest::newRow("otra subdimension deshace sus marcas a mano")
        << "v2 m1010 v1 T v2"
        << "1000,1001,1002" << false << false << "0000"
        << "0100";
    QTest::newRow("volver marca de nuevo toda la subdimension")
        << "v1 T m1001 v2 v1"
        << "1000,1001,1002" << false << true << "0000"
        << "0100";
    QTest::newRow("solo clave: otra subdimension pierde sus claves")
        << "v2 m1011 m1010 v1 S v2"
        << "1000,1002,1010" << false << false << "0100"
        << "0000";
    QTest::newRow("solo clave, todos y vuelta en todas")
        << "v0 S T S"
        << "1000,1002,1011" << true << false << "1111"
        << "0000";
    QTest::newRow("todos en todas y solo clave en una")
        << "v0 T v1 S"
        << "1000,1002,1010,1011" << true << false << "0100"
        << "0011";
}

void TestPaso3::reglasDeSeleccion()
{
    QFETCH(QString, pasos);
    QFETCH(QString, marcadas);
    QFETCH(bool, soloClave);
    QFETCH(bool, todos);
    QFETCH(QString, banderasSoloClave);
    QFETCH(QString, banderasTodos);

    HastaPaso3();
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    testing::MessageRecorder mensajes;
    for (const QString& paso : pasos.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (paso.startsWith(QLatin1Char('v')))
            Elegir(paso3->CB_Dimension, paso.mid(1).toInt());
        else if (paso == QLatin1String("S"))
            Pulsar(paso3->CB_SoloClave);
        else if (paso == QLatin1String("T"))
            Pulsar(paso3->CB_Todos);
        else
            Pulsar(Caja(paso.mid(1).toInt()));
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("paso ") + paso));
        // At most one of the two boxes is ticked after every handler.
        QVERIFY(!(paso3->CB_SoloClave->isChecked() && paso3->CB_Todos->isChecked()));
    }
    QCOMPARE(Lista(Marcadas()), marcadas);
    QCOMPARE(paso3->CB_SoloClave->isChecked(), soloClave);
    QCOMPARE(paso3->CB_Todos->isChecked(), todos);
    QCOMPARE(Banderas(paso3->VSoloClave), banderasSoloClave);
    QCOMPARE(Banderas(paso3->VTodos), banderasTodos);
    QVERIFY(mensajes.messages.isEmpty());
}

// Measures added to or taken from a subdimension while the step is open: a new one
// gets a box of its own and is written in its place; a removed one is neither shown
// nor written.
void TestPaso3::catalogoQueCambia()
{
    HastaPaso3();
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    Elegir(paso3->CB_Dimension, 0);
    Elegir(paso3->CB_Dimension, 1);
    QCheckBox* calefaccion = Caja(1002);
    QCheckBox* iluminacion = Caja(1001);
    Pulsar(iluminacion);
    Pulsar(Caja(1000));
    const int hechos = paso3->SB_IndicadoresContenido->children().size();

    testing::TestDb& db = m_entorno->Db();
    db.Exec(QStringLiteral("INSERT INTO Pregunta VALUES(5003,'¿Acústica?',1)"));
    db.Exec(QStringLiteral("INSERT INTO Indicador VALUES(1003,'Acústica',5003,1,100,1)"));
    db.Exec(QStringLiteral("DELETE FROM Indicador WHERE codigo=1000"));

    Elegir(paso3->CB_Dimension, 0);
    // The new measure gets a box of its own in its place; the removed one is hidden.
    QCOMPARE(paso3->SB_IndicadoresContenido->children().size(), hechos + 2);
    QCOMPARE(Caja(1002), calefaccion);
    QCOMPARE(Caja(1001), iluminacion);
    const QMap<QString, QPoint> lugares = Lugares(paso3->SB_IndicadoresContenido);
    QCOMPARE(lugares.value(QStringLiteral("1003")), QPoint(60, 50));
    QCOMPARE(lugares.value(QStringLiteral("C_1003")), QPoint(10, 50));
    QCOMPARE(lugares.value(QStringLiteral("1002")), QPoint(60, 90));
    QCOMPARE(lugares.value(QStringLiteral("1001")), QPoint(60, 130));
    QVERIFY(!lugares.contains(QStringLiteral("1000")));
    QVERIFY(!lugares.contains(QStringLiteral("C_1000")));
    QCOMPARE(lugares.value(QStringLiteral("T_101")), QPoint(20, 170));

    Pulsar(paso3->CB_Todos);
    paso3->InsertarPregTemp();
    const QList<QVariantList> filas = FilasPregEncTemp(db);
    QStringList textos;
    for (const QVariantList& fila : filas)
        textos << fila.at(1).toString();
    QCOMPARE(textos, (QStringList{QStringLiteral("¿Acústica?"), QStringLiteral("¿Calefacción?"),
                                  QStringLiteral("¿Iluminación?"), QStringLiteral("¿Fondos?"),
                                  QStringLiteral("¿Horario?")}));
    QCOMPARE(filas.last().at(0).toInt(), 5);
}

DIMARVOLTECA_TEST_MAIN(TestPaso3)
#include "TestPaso3.moc"
