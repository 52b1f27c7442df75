// The pieces the measure and indicator windows share: memo texts and their joins,
// the answer-type list, the lookup lists with the cascade, and one-transaction saves.
#include "TestSupport.h"
#include "catalogue/CascadaMedidas.h"
#include "catalogue/ListaTipoRespuesta.h"
#include "catalogue/TextosMemo.h"
#include "data/BdatosADO.h"
#include "data/Transaccion.h"
#include "platform/ado/DatabaseError.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

namespace {

const QString kCR = QStringLiteral("\r\n");

// Four panels with their lists and an action button, as the measure windows hold them.
struct VentanaCascada
{
    QWidget ventana;
    QWidget* panel[4];
    QComboBox* lista[4];
    QPushButton* accion = new QPushButton(&ventana);
    TCascadaMedidas* cascada;

    VentanaCascada()
    {
        for (int i = 0; i < 4; ++i) {
            panel[i] = new QWidget(&ventana);
            new QLabel(QStringLiteral("TÍTULO"), panel[i]);
            lista[i] = new QComboBox(panel[i]);
        }
        cascada = new TCascadaMedidas(
            &ventana,
            {panel[0], lista[0], panel[1], lista[1], panel[2], lista[2], panel[3], lista[3],
             accion},
            QStringLiteral("SELECT codigo, definicion FROM Indicador WHERE cod_dim=:cod_dim "
                           "ORDER by definicion asc"));
        ventana.show();
        cascada->Iniciar();
    }

    void Elegir(int nivel, int indice)
    {
        lista[nivel]->setCurrentIndex(indice);
        emit lista[nivel]->activated(indice);
    }
    QString Estado() const
    {
        QStringList partes;
        for (int i = 0; i < 4; ++i) {
            QStringList items;
            for (int j = 0; j < lista[i]->count(); ++j)
                items << lista[i]->itemText(j);
            partes << (panel[i]->isVisible() ? QString() : QStringLiteral("oculto ")) +
                          items.join(QLatin1Char(','));
        }
        return partes.join(QStringLiteral(" | ")) +
               (accion->isEnabled() ? QStringLiteral(" | accion") : QString());
    }
};

} // namespace

class TestPiezasMedidas : public QObject
{
    Q_OBJECT

private slots:
    void Uniones_data()
    {
        QTest::addColumn<QStringList>("lineas");
        QTest::addColumn<QString>("simple");
        QTest::addColumn<QString>("recortandoPrimera");
        QTest::newRow("blancos delante, linea vacia")
            << QStringList{"  A", "", " B", "C"} << "  A  B C"
            << "A B C";
        QTest::newRow("primera en blanco") << QStringList{"  ", "A"} << " A"
                                           << " A";
        QTest::newRow("primera en blanco, segunda con espacio") << QStringList{"", " A"} << "  A"
                                                                << " A";
        QTest::newRow("todas en blanco") << QStringList{" ", "\t", ""} << ""
                                         << "";
        QTest::newRow("blancos al final de las siguientes")
            << QStringList{" A\t", "B  "} << " A\t B  "
            << "A B  ";
        QTest::newRow("ninguna") << QStringList{} << ""
                                 << "";
    }
    void Uniones()
    {
        QFETCH(QStringList, lineas);
        QTEST(UnirLineas(lineas), "simple");
        QTEST(UnirLineasRecortandoPrimera(lineas), "recortandoPrimera");
    }

    void CargaDeTextos_data()
    {
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<bool>("quitarFinales");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("CR+LF") << "A\r\nB" << true << "A\nB";
        QTest::newRow("LF y CR") << "A\nB\rC" << true << "A\nB\nC";
        QTest::newRow("blancos finales fuera, los de dentro se quedan")
            << "A\r\n\r\nB\r\n  \r\n\r\n"
            << true << "A\n\nB";
        QTest::newRow("solo blancos") << " \r\n\t\r\n" << true << "";
        QTest::newRow("sin quitar") << "A\r\n" << false << "A\n";
    }
    void CargaDeTextos()
    {
        QFETCH(QString, guardado);
        QFETCH(bool, quitarFinales);
        QPlainTextEdit memo;
        memo.setPlainText(QStringLiteral("previo"));
        CargarTextoMemo(&memo, guardado, quitarFinales);
        QTEST(memo.toPlainText(), "mostrado");
    }

    // What the user types is kept as typed, line breaks as CR+LF; a paragraph wider
    // than the memo shows as several lines, which the joins take one by one.
    void MemoTecleado()
    {
        QPlainTextEdit memo;
        PrepararMemo(&memo);
        memo.resize(160, 200);
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        QTest::keyClicks(&memo, QStringLiteral("  uno"));
        QTest::keyClick(&memo, Qt::Key_Return);
        QTest::keyClick(&memo, Qt::Key_Return);
        QTest::keyClicks(&memo, QStringLiteral("dos tres cuatro cinco seis siete ocho nueve"));
        QCOMPARE(TextoMemo(&memo), QStringLiteral("  uno\r\n\r\ndos tres cuatro cinco seis "
                                                  "siete ocho nueve"));

        const QStringList lineas = LineasMemo(&memo);
        QVERIFY2(lineas.size() > 3, qPrintable(lineas.join(QLatin1Char('|'))));
        QCOMPARE(lineas.mid(0, 2), (QStringList{"  uno", ""}));
        QCOMPARE(lineas.mid(2).join(QString()),
                 QStringLiteral("dos tres cuatro cinco seis siete ocho nueve"));
        // A wrapped line keeps the space where it wrapped, so the join adds a second one.
        QCOMPARE(UnirLineasRecortandoPrimera(lineas).simplified(),
                 QStringLiteral("uno dos tres cuatro cinco seis siete ocho nueve"));
    }

    void TipoRespuesta_data()
    {
        QTest::addColumn<int>("elegido");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<int>("tipo");
        QTest::newRow("ninguno") << -1 << QString() << -1;
        QTest::newRow("niveles") << 0 << QString() << 0;
        QTest::newRow("si/no") << 1 << QString() << 1;
        QTest::newRow("texto que no es un item") << 1 << "SI" << -1;
        QTest::newRow("texto de un item") << -1 << "SI/NO" << 1;
    }
    void TipoRespuesta()
    {
        QFETCH(int, elegido);
        QFETCH(QString, tecleado);
        QComboBox lista;
        CargarTiposRespuesta(&lista);
        lista.show();
        if (elegido >= 0)
            lista.setCurrentIndex(elegido);
        if (!tecleado.isEmpty()) {
            lista.lineEdit()->selectAll();
            QTest::keyClicks(lista.lineEdit(), tecleado);
            QTest::keyClick(lista.lineEdit(), Qt::Key_Return);
        }
        QTEST(TipoRespuestaElegido(&lista), "tipo");
        QCOMPARE(lista.count(), 2);
        MostrarTipoRespuesta(&lista, 7);
        QCOMPARE(TipoRespuestaElegido(&lista), 1);
        QuitarTipoRespuesta(&lista);
        QCOMPARE(TipoRespuestaElegido(&lista), -1);
    }

    void Cascada()
    {
        testing::Workspace ws;
        testing::MessageRecorder mensajes;
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        ws.Db().Exec(QStringLiteral(
            "INSERT INTO Criterio VALUES(1,'Familias'),(2,'Alumnado');"
            "INSERT INTO Subcriterio VALUES(10,'Trato',2),(11,'Aulas',2),(12,'Otra',1);"
            "INSERT INTO Dimension VALUES(100,'Calor',2,11,''),(101,'Luz',2,11,''),"
            "(102,'Ajena',1,11,'');"
            "INSERT INTO Indicador VALUES(1000,'Zumbido',1,0,101,0),(1001,'Brillo',2,1,101,1)"));
        VentanaCascada v;
        QCOMPARE(v.Estado(), QStringLiteral("Alumnado,Familias | oculto  | oculto  | oculto "));
        v.Elegir(0, 0);
        QCOMPARE(v.cascada->CodCriterioSel, 2);
        v.Elegir(1, 0);
        v.Elegir(2, 0);
        v.Elegir(3, 1);
        QCOMPARE(v.Estado(), QStringLiteral("Alumnado,Familias | Aulas,Trato | Luz,Calor | "
                                            "Brillo,Zumbido | accion"));
        QCOMPARE(v.cascada->MedidaElegida(), std::optional<int>(1000));
        QCOMPARE(v.lista[3]->toolTip(), QStringLiteral("Zumbido"));
        // A measure written meanwhile shows once its subdimension is chosen again.
        ws.Db().Exec(QStringLiteral("INSERT INTO Indicador VALUES(1002,'Aire',3,1,101,0)"));
        v.Elegir(2, 0);
        QCOMPARE(v.Estado(), QStringLiteral("Alumnado,Familias | Aulas,Trato | Luz,Calor | "
                                            "Aire,Brillo,Zumbido"));
        QCOMPARE(v.cascada->MedidaElegida(), std::nullopt);
        // The same group again empties and hides everything below it.
        v.Elegir(0, 0);
        QCOMPARE(v.Estado(), QStringLiteral("Alumnado,Familias | Aulas,Trato | oculto  | oculto "));
        QCOMPARE(mensajes.Texts(), QStringList());
        delete DM_BdatosADO.data();
        ui::ReleaseApplicationObject();
    }

    // A save is written whole or not at all.
    void Transaccion()
    {
        testing::Workspace ws;
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        const auto insertar = [](int codigo) {
            DM_BdatosADO->InicializarQuery(
                QStringLiteral("INSERT INTO Pregunta(codigo,enunciado,tipo) VALUES(:c,'x',0)"));
            DM_BdatosADO->InsertarParametroEntero(QStringLiteral("c"), codigo);
            DM_BdatosADO->ActivarQInsertUpdate();
        };
        QVERIFY_THROWS_EXCEPTION(ado::EDatabaseError, EnTransaccion([&] {
                                     insertar(1);
                                     insertar(1);
                                 }));
        QCOMPARE(ws.Db().Scalar(QStringLiteral("SELECT count(*) FROM Pregunta")).toInt(), 0);
        EnTransaccion([&] {
            insertar(1);
            insertar(2);
        });
        QCOMPARE(ws.Db().Scalar(QStringLiteral("SELECT count(*) FROM Pregunta")).toInt(), 2);
        delete DM_BdatosADO.data();
        ui::ReleaseApplicationObject();
    }
};

DIMARVOLTECA_TEST_MAIN(TestPiezasMedidas)
#include "TestPiezasMedidas.moc"
