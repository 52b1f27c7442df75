// The perception-measure windows, driven from the main window's commands: the rows
// they write, their warnings, their cascade of lists and the command lock around them.
#include "../survey/Entorno.h"
#include "TextoAjustado.h"

#include "catalogue/BorrarMPP1.h"
#include "catalogue/CascadaMedidas.h"
#include "catalogue/CrearMPP1.h"
#include "catalogue/CrearMPP2.h"
#include "catalogue/ListaTipoRespuesta.h"
#include "catalogue/ModificarMPP1.h"
#include "catalogue/ModificarMPP2.h"
#include "catalogue/TextosMemo.h"
#include "platform/ado/AdoConnection.h"

#include <QSqlQuery>

using namespace encuesta;

namespace {

// Types `texto` key by key, Enter at each line break and Shift+Enter at each line
// separator; QTest's own typing knows only ASCII.
void Teclear(QWidget* control, const QString& texto)
{
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        memo->setFocus();
        memo->clear();
    }
    for (const QChar c : texto) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(control, Qt::Key_Return);
        else if (c == QChar::LineSeparator)
            QTest::keyClick(control, Qt::Key_Return, Qt::ShiftModifier);
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), {});
    }
}

// An answer type chosen by index, or `tecleado` typed over the list.
void Tipo(QComboBox* lista, int indice, const QString& tecleado = QString())
{
    if (!tecleado.isEmpty()) {
        lista->lineEdit()->selectAll();
        Teclear(lista->lineEdit(), tecleado);
    } else if (indice >= 0) {
        Elegir(lista, indice);
    }
}

} // namespace

class TestMedidas : public PruebaEncuesta
{
    Q_OBJECT

    std::unique_ptr<testing::MessageRecorder> m_mensajes;

    QStringList Mensajes() const { return m_mensajes->Texts(); }

    // Both tables, measures ("I") then questions ("P"), by code.
    QList<QVariantList> Tablas()
    {
        return Db().Rows(QStringLiteral(
            "SELECT 'I', codigo, definicion, cod_pregunta, tipo, cod_dim, clave FROM Indicador "
            "UNION ALL SELECT 'P', codigo, enunciado, tipo, NULL, NULL, NULL FROM Pregunta "
            "ORDER BY 1, 2"));
    }

    // "Crear" up to step 2 with "Alumnado" > "Satisfacción" > "Aulas" chosen.
    TF_CrearMPP2* CrearPaso2()
    {
        MainForm->M_CrearMedidaClick();
        if (!F_CrearMPP1)
            return nullptr;
        Pulsar(F_CrearMPP1->RG_Criterio->Button(0));
        Pulsar(F_CrearMPP1->RG_Subcriterio->Button(1));
        Pulsar(F_CrearMPP1->B_Siguiente);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::allWidgets())
            if (auto* paso2 = qobject_cast<TF_CrearMPP2*>(w)) {
                Elegir(paso2->CB_Dimension, 2); // listed by name descending
                return paso2;
            }
        return nullptr;
    }

    // Down the four lists to "Aulas" and its measure at `medida` (none when -1).
    static void ElegirMedida(TCascadaMedidas* cascada, int medida)
    {
        const TControlesCascada& c = cascada->Controles();
        Elegir(c.CB_Personal, 0);
        Elegir(c.CB_MP, 1);
        Elegir(c.CB_Dimension, 2);
        if (medida >= 0)
            Elegir(c.CB_Indicador, medida);
    }

    // "Modificar" up to step 2 with "Calefacción" [1002], a key measure of the catalogue
    // whose question [5002] asks on the scale 1..5.
    TF_ModificarMPP2* ModificarPaso2()
    {
        MainForm->M_ModificarMedidaClick();
        if (!F_ModificarMPP1)
            return nullptr;
        ElegirMedida(F_ModificarMPP1->Cascada, 0);
        Pulsar(F_ModificarMPP1->B_Siguiente);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return F_ModificarMPP2;
    }

    // Three measures made through the program in "Aulas", two sharing a question.
    void MedidasPropias()
    {
        Db().Exec(QStringLiteral(
            "INSERT INTO Indicador VALUES(3000,'Ventilación',7000,1,100,0),"
            "(3001,'Ruido',7001,1,100,1),(3002,'Ruido bis',7001,1,100,0);"
            "INSERT INTO Pregunta VALUES(7000,'¿Ventilación?',0),(7001,'¿Ruido?',1)"));
    }

private slots:
    void init()
    {
        PruebaEncuesta::init();
        m_mensajes = std::make_unique<testing::MessageRecorder>();
    }
    void cleanup()
    {
        m_mensajes.reset();
        PruebaEncuesta::cleanup();
    }

    // Step 1's lists and warnings; step 2's subdimensions, descending.
    void CrearListas()
    {
        MainForm->M_CrearMedidaClick();
        QCOMPARE(ComandosHabilitados(), 0);
        TF_CrearMPP1* paso1 = F_CrearMPP1;
        QVERIFY(paso1);
        Pulsar(paso1->B_Siguiente);
        Pulsar(paso1->RG_Criterio->Button(2)); // "Sin dimensiones"
        Pulsar(paso1->B_Siguiente);
        QCOMPARE(Mensajes(), (QStringList{"Debe seleccionar un grupo de interés",
                                          "Debe seleccionar una dimensión"}));
        Pulsar(paso1->RG_Criterio->Button(0));
        QCOMPARE(paso1->RG_Subcriterio->Item(2), QStringLiteral("Vacía"));
        Pulsar(paso1->B_Salir);
        QCOMPARE(ComandosHabilitados(), 10);

        TF_CrearMPP2* paso2 = CrearPaso2();
        QVERIFY(paso2);
        QCOMPARE(Items(paso2->CB_Dimension), (QStringList{"Comedor", "Biblioteca", "Aulas"}));
        QCOMPARE(paso2->Label3->toolTip(), QStringLiteral("Estado de las aulas"));
    }

    // Two measures one after the other: keys after the tables' greatest, and the window
    // ready for the next measure after each.
    void Crear_data()
    {
        QTest::addColumn<bool>("vaciar");
        QTest::addColumn<QString>("definicion");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("codPregunta");
        QTest::addColumn<int>("codIndicador");
        QTest::addColumn<QString>("guardada");
        QTest::newRow("tablas vacías, SI/NO, clave")
            << true << "  Primera línea \nsegunda" << 1 << 1 << 1 << "  Primera línea \r\nsegunda";
        QTest::newRow("tras huecos, niveles") << false << "Una" << 0 << 6001 << 2001 << "Una";
        QTest::newRow("salto con Mayúsculas")
            << false << QString("Uno\u2028dos") << 0 << 6001 << 2001 << "Uno\r\ndos";
    }
    void Crear()
    {
        QFETCH(QString, definicion);
        QFETCH(int, tipo);
        QFETCH(int, codPregunta);
        QFETCH(int, codIndicador);
        QFETCH(QString, guardada);
        QFETCH(bool, vaciar);
        if (vaciar)
            Db().Exec(QStringLiteral("DELETE FROM Indicador; DELETE FROM Pregunta"));
        TF_CrearMPP2* paso2 = CrearPaso2();
        QVERIFY(paso2);
        QCOMPARE(ComandosHabilitados(), 10); // step 1 gave them back on closing
        for (int n = 0; n < 2; ++n) {
            const bool clave = n == 0 && tipo == 1;
            Teclear(paso2->M_Definicion, n == 0 ? definicion : QStringLiteral("Otra"));
            Teclear(paso2->M_Pregunta, QStringLiteral("¿Pregunta %1?").arg(n));
            Tipo(paso2->CB_TResp, n == 0 ? tipo : 1 - tipo);
            if (clave)
                Pulsar(paso2->ChB_Clave);
            Pulsar(paso2->B_Insertar);

            QCOMPARE(Mensajes(),
                     QStringList(n + 1, "Medida de percepción insertada correctamente"));
            QCOMPARE(Db().Rows(QStringLiteral("SELECT p.codigo, enunciado, p.tipo, i.codigo, "
                                              "definicion, i.tipo, cod_dim, clave FROM Pregunta "
                                              "p JOIN Indicador i ON cod_pregunta=p.codigo "
                                              "WHERE p.codigo=%1")
                                   .arg(codPregunta + n)),
                     (QList<QVariantList>{{codPregunta + n, QStringLiteral("¿Pregunta %1?").arg(n),
                                           n == 0 ? tipo : 1 - tipo, codIndicador + n,
                                           n == 0 ? guardada : "Otra", 1, 100, clave ? 1 : 0}}));
            QCOMPARE(paso2->M_Definicion->toPlainText() + paso2->M_Pregunta->toPlainText(),
                     QString());
            QCOMPARE(TipoRespuestaElegido(paso2->CB_TResp), -1);
            QVERIFY(!paso2->ChB_Clave->isChecked());
            QVERIFY(paso2->B_Insertar->isEnabled() && paso2->M_Definicion->isVisible());
        }
        Pulsar(paso2->B_Salir);
        QCOMPARE(ComandosHabilitados(), 10);
    }

    // Each refusal of the creation and modification windows: its exact text, the memo
    // it empties, and nothing written.
    void Avisos_data()
    {
        QTest::addColumn<bool>("crear");
        QTest::addColumn<QString>("definicion");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QString>("queda"); // definition | question afterwards
        const QString sinTipo = "Debe seleccionar un tipo de respuesta para la pregunta";
        const QString sinDefinicion = "La definición del indicador no puede estar vacía";
        for (bool crear : {true, false}) {
            const char* v = crear ? "crear: " : "modificar: ";
            const QString sinPregunta =
                crear ? "Debe insertar la pregunta asociada a la medida de percepción"
                      : "la pregunta asociada a la medida de percepcìón no puede estar vacía";
            QTest::addRow("%sdefinición en blanco", v)
                << crear << QString("  \n \n") << QString("¿P?") << QString() << sinDefinicion
                << QString("|¿P?");
            QTest::addRow("%sdefinición de saltos con Mayúsculas", v)
                << crear << QString("\u2028\u2028") << QString("¿P?") << QString() << sinDefinicion
                << QString("|¿P?");
            QTest::addRow("%spregunta en blanco", v) << crear << QString("D") << QString("\n  ")
                                                     << QString() << sinPregunta << QString("D|");
            QTest::addRow("%stipo tecleado que no es ninguno", v)
                << crear << QString("D") << QString("¿P?") << QString("SI-NO") << sinTipo
                << QString("D|¿P?");
        }
        QTest::newRow("modificar: medida borrada entretanto")
            << false << QString("D") << QString("¿P?") << QString()
            << QString("La medida de percepción ya no existe: otra ventana la ha borrado")
            << QString("D|¿P?");
    }

    void Avisos()
    {
        QFETCH(bool, crear);
        QFETCH(QString, definicion);
        QFETCH(QString, pregunta);
        QFETCH(QString, tecleado);
        QWidget* ventana = crear ? static_cast<QWidget*>(CrearPaso2()) : ModificarPaso2();
        QVERIFY(ventana);
        if (QByteArray(QTest::currentDataTag()).contains("borrada"))
            Db().Exec(QStringLiteral("DELETE FROM Indicador WHERE codigo=1002"));
        const QList<QVariantList> antes = Tablas();
        auto* memoDefinicion = ventana->findChild<QPlainTextEdit*>("M_Definicion");
        auto* memoPregunta = ventana->findChild<QPlainTextEdit*>("M_Pregunta");
        Teclear(memoDefinicion, definicion);
        Teclear(memoPregunta, pregunta);
        Tipo(ventana->findChild<QComboBox*>("CB_TResp"), 0, tecleado);
        Pulsar(ventana->findChild<QPushButton*>(crear ? "B_Insertar" : "B_Modificar"));
        QFETCH(QString, aviso);
        QCOMPARE(Mensajes(), QStringList{aviso});
        QTEST(memoDefinicion->toPlainText() + "|" + memoPregunta->toPlainText(), "queda");
        QCOMPARE(Tablas(), antes);
        QVERIFY(ventana->isVisible());
    }

    // The memo lines as shown join into one line: the definition as it is, the question
    // with its first line trimmed; a wrapped line counts as a line. The measure's type,
    // subdimension and question code stay.
    void Modificar_data()
    {
        QTest::addColumn<QString>("definicion");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("guardadaDefinicion");
        QTest::addColumn<QString>("guardadaPregunta");
        QTest::newRow("blancos delante y línea vacía")
            << QString("  A\n\n B\nC") << QString("  A\n\n B\nC") << QString("  A  B C")
            << QString("A B C");
        QTest::newRow("primera línea en blanco")
            << QString("  \nA") << QString("\n A") << QString(" A") << QString(" A");
        QString largo;
        for (int i = 1; i <= 30; ++i)
            largo += QStringLiteral("palabra%1 ").arg(i);
        // The space at each wrap point belongs to neither line: the join puts it back.
        QTest::newRow("líneas ajustadas")
            << largo.trimmed() << QString("P") << QString("ajustada") << QString("P");
    }

    void Modificar()
    {
        QFETCH(QString, definicion);
        QFETCH(QString, pregunta);
        QFETCH(QString, guardadaDefinicion);
        QFETCH(QString, guardadaPregunta);
        TF_ModificarMPP2* paso2 = ModificarPaso2();
        QVERIFY(paso2);
        // Step 2 takes the keyboard on its first control once step 1 has handed over.
        QCOMPARE(Foco(), paso2->M_Definicion);
        QCOMPARE(ComandosHabilitados(), 10);
        QCOMPARE(paso2->M_Definicion->toPlainText() + "|" + paso2->M_Pregunta->toPlainText(),
                 QStringLiteral("Calefacción|¿Calefacción?"));
        QVERIFY(paso2->ChB_Clave->isChecked());
        QCOMPARE(TipoRespuestaElegido(paso2->CB_TResp), 0);

        QList<QVariantList> esperado = Tablas();
        Teclear(paso2->M_Definicion, definicion);
        Teclear(paso2->M_Pregunta, pregunta);
        Pulsar(paso2->ChB_Clave);
        Tipo(paso2->CB_TResp, 1);
        Pulsar(paso2->B_Modificar);

        QCOMPARE(Mensajes(), QStringList{"Medida de percepción modificada correctamente"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!F_ModificarMPP2);
        QCOMPARE(ComandosHabilitados(), 10);
        if (guardadaDefinicion == "ajustada") {
            guardadaDefinicion =
                Db().Scalar(QStringLiteral("SELECT definicion FROM Indicador WHERE codigo=1002"))
                    .toString();
            QCOMPARE(guardadaDefinicion, definicion);
        }
        for (QVariantList& fila : esperado) {
            if (fila[0] == "I" && fila[1] == 1002)
                fila[2] = guardadaDefinicion, fila[6] = 0;
            if (fila[0] == "P" && fila[1] == 5002)
                fila[2] = guardadaPregunta, fila[3] = 1;
        }
        QCOMPARE(Tablas(), esperado);
    }

    // What step 2 loads (line breaks CR+LF, LF or CR; trailing blank lines left out; any
    // scale but 0 as "SI/NO"; a missing question as empty) and then writes back.
    void CargarValores_data()
    {
        QTest::addColumn<QString>("definicion");
        QTest::addColumn<QVariant>("pregunta"); // null: no question row
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("muestra"); // definition | question | scale
        QTest::addColumn<QString>("guarda");  // definition | question
        QTest::newRow("saltos y blancos al final")
            << QString("A\r\n\r\nB\r\n \r\n") << QVariant("¿P?\rQ\n\n") << 7
            << QString("A\n\nB|¿P?\nQ|1") << QString("A B|¿P? Q");
        QTest::newRow("solo blancos, sin pregunta")
            << QString(" \r\n\r\n") << QVariant() << 0 << QString("||0") << QString("Nueva|");
        // The scales next to 0 on either side show as "SI/NO" too.
        for (const int tipo : {1, -1})
            QTest::addRow("escala %d", tipo) << QString("A") << QVariant("¿P?") << tipo
                                             << QString("A|¿P?|1") << QString("A|¿P?");
    }

    void CargarValores()
    {
        QFETCH(QString, definicion);
        QFETCH(QVariant, pregunta);
        QFETCH(int, tipo);
        Db().Exec(QStringLiteral("UPDATE Indicador SET definicion=? WHERE codigo=1002"),
                  {definicion});
        if (pregunta.isNull())
            Db().Exec(QStringLiteral("DELETE FROM Pregunta WHERE codigo=5002"));
        else
            Db().Exec(QStringLiteral("UPDATE Pregunta SET enunciado=?, tipo=? WHERE codigo=5002"),
                      {pregunta, tipo});
        // Its leading blank keeps the edited measure first in "Aulas".
        TF_ModificarMPP2* paso2 = ModificarPaso2();
        QVERIFY(paso2);
        QTEST(QStringLiteral("%1|%2|%3")
                  .arg(paso2->M_Definicion->toPlainText(), paso2->M_Pregunta->toPlainText())
                  .arg(TipoRespuestaElegido(paso2->CB_TResp)),
              "muestra");
        if (paso2->M_Definicion->toPlainText().isEmpty()) {
            Pulsar(paso2->B_Modificar);
            QCOMPARE(Mensajes(), QStringList{"La definición del indicador no puede estar vacía"});
            m_mensajes->Clear();
            Teclear(paso2->M_Definicion, QStringLiteral("Nueva"));
            Teclear(paso2->M_Pregunta, QStringLiteral("¿Nueva?"));
        }
        Pulsar(paso2->B_Modificar);
        QCOMPARE(Mensajes(), QStringList{"Medida de percepción modificada correctamente"});
        // A measure without its question row gets none: no other row changes.
        QTEST(Db().Scalar(QStringLiteral("SELECT i.definicion || '|' || ifnull(p.enunciado, '') "
                                         "FROM Indicador i LEFT JOIN Pregunta p ON "
                                         "p.codigo=cod_pregunta WHERE i.codigo=1002"))
                  .toString(),
              "guarda");
        QCOMPARE(Db().Scalar(QStringLiteral("SELECT count(*) FROM Pregunta")).toInt(),
                 pregunta.isNull() ? 6 : 7);
    }

    void medidaEnUnaLinea_data() { testing::SaltosDeLinea(); }

    // A measure stored on two lines shows whole on the list's one line, the break as a
    // blank; the list's tooltip and step 2's memo keep both lines.
    void medidaEnUnaLinea()
    {
        QFETCH(QString, salto);
        const QString definicion = "Cale" + salto + "facción";
        Db().Exec(QStringLiteral("UPDATE Indicador SET definicion=? WHERE codigo=1002"),
                  {definicion});
        MainForm->M_ModificarMedidaClick();
        QVERIFY(F_ModificarMPP1);
        ElegirMedida(F_ModificarMPP1->Cascada, 0);
        const QComboBox* lista = F_ModificarMPP1->Cascada->Controles().CB_Indicador;
        QCOMPARE(lista->itemText(0), QStringLiteral("Cale facción"));
        QCOMPARE(lista->toolTip(), definicion);
        Pulsar(F_ModificarMPP1->B_Siguiente);
        QVERIFY(F_ModificarMPP2);
        QCOMPARE(F_ModificarMPP2->M_Definicion->toPlainText(), QStringLiteral("Cale\nfacción"));
    }

    void GuardarSinCambios_data() { FilasDeBlancosDeAjuste(); }

    // A definition and a question that wrap at blanks (after a first line that wraps at
    // one space), saved twice as they loaded, keep their stored bytes.
    void GuardarSinCambios()
    {
        QFETCH(QString, separador);
        const QString definicion = TextoAjustado(QStringLiteral("Calefacción"), separador),
                      pregunta = TextoAjustado(QStringLiteral("¿Calefacción"), separador);
        Db().Exec(QStringLiteral("UPDATE Indicador SET definicion=? WHERE codigo=1002"),
                  {definicion});
        Db().Exec(QStringLiteral("UPDATE Pregunta SET enunciado=? WHERE codigo=5002"), {pregunta});
        for (int vez = 1; vez <= 2; ++vez) {
            TF_ModificarMPP2* paso2 = ModificarPaso2();
            QVERIFY(paso2);
            QVERIFY(LineasMemo(paso2->M_Definicion).size() >= 4);
            QVERIFY(LineasMemo(paso2->M_Pregunta).size() >= 4);
            Pulsar(paso2->B_Modificar);
            QCOMPARE(Mensajes(), QStringList(vez, "Medida de percepción modificada correctamente"));
            QCOMPARE(Db().Rows(QStringLiteral("SELECT CAST(definicion AS BLOB), CAST(enunciado AS "
                                              "BLOB) FROM Indicador, Pregunta WHERE "
                                              "Indicador.codigo=1002 AND Pregunta.codigo=5002")),
                     (QList<QVariantList>{{definicion.toUtf8(), pregunta.toUtf8()}}));
        }
    }

    // Where a line wraps with no blank (hyphens, an address), a save adds no space.
    void GuardarSinCambiosSinBlancos()
    {
        const QString definicion = DefinicionConGuiones(QStringLiteral("Calefacción")),
                      pregunta = PreguntaConDireccion();
        Db().Exec(QStringLiteral("UPDATE Indicador SET definicion=? WHERE codigo=1002"),
                  {definicion});
        Db().Exec(QStringLiteral("UPDATE Pregunta SET enunciado=? WHERE codigo=5002"), {pregunta});
        TF_ModificarMPP2* paso2 = ModificarPaso2();
        QVERIFY(paso2);
        QVERIFY(LineasMemo(paso2->M_Definicion).size() >= 4);
        QVERIFY(LineasMemo(paso2->M_Pregunta).size() >= 3);
        Pulsar(paso2->B_Modificar);
        QCOMPARE(Mensajes(), QStringList{"Medida de percepción modificada correctamente"});
        QCOMPARE(Db().Rows(QStringLiteral("SELECT CAST(definicion AS BLOB), CAST(enunciado AS "
                                          "BLOB) FROM Indicador, Pregunta WHERE "
                                          "Indicador.codigo=1002 AND Pregunta.codigo=5002")),
                 (QList<QVariantList>{{definicion.toUtf8(), pregunta.toUtf8()}}));
    }

    // Only measures made through the program are offered; a deletion takes the measure
    // and its question, unless another measure asks it too. Choosing a list again
    // reloads the one below and empties and hides the rest.
    void Borrar_data()
    {
        QTest::addColumn<int>("medida"); // in "Ruido", "Ruido bis", "Ventilación"
        QTest::addColumn<bool>("borrada");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QString>("quitadas");
        const QString borrada = "La medida de percepción ha sido borrada correctamente";
        QTest::newRow("con su pregunta") << 2 << false << borrada << "I3000 P7000";
        QTest::newRow("pregunta compartida") << 0 << false << borrada << "I3001";
        QTest::newRow("borrada entretanto")
            << 2 << true << "La medida de percepción ya no existe: otra ventana la ha borrado"
            << "I3000";
    }
    void Borrar()
    {
        QFETCH(int, medida);
        QFETCH(bool, borrada);
        MedidasPropias();
        const QList<QVariantList> antes = Tablas();
        MainForm->M_BorrarMedidaClick();
        QCOMPARE(ComandosHabilitados(), 0);
        QPointer<TF_BorrarMPP1> ventana = F_BorrarMPP1;
        QVERIFY(ventana);
        const TControlesCascada& c = ventana->Cascada->Controles();
        ventana->B_BorrarClick();
        ElegirMedida(ventana->Cascada, 1);
        QVERIFY(ventana->B_Borrar->isEnabled());
        // A measure written meanwhile shows once its subdimension is chosen again.
        Db().Exec(QStringLiteral("INSERT INTO Indicador VALUES(3003,'Aire',7003,1,100,0)"));
        Elegir(c.CB_Dimension, 2);
        QCOMPARE(Items(c.CB_Indicador), (QStringList{"Aire", "Ruido", "Ruido bis", "Ventilación"}));
        QVERIFY(!ventana->B_Borrar->isEnabled());
        Elegir(c.CB_Personal, 0);
        QVERIFY(c.P_MP->isVisible() && !c.P_Dimension->isVisible() && !c.P_Indicador->isVisible());
        QCOMPARE(c.CB_Dimension->count() + c.CB_Indicador->count(), 0);
        Db().Exec(QStringLiteral("DELETE FROM Indicador WHERE codigo=3003"));

        ElegirMedida(ventana->Cascada, medida);
        if (borrada)
            Db().Exec(QStringLiteral("DELETE FROM Indicador WHERE codigo=3000"));
        Pulsar(ventana->B_Borrar);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFETCH(QString, aviso);
        QCOMPARE(Mensajes(),
                 (QStringList{"No hay seleccionada ninguna medida de percepción", aviso}));
        QFETCH(QString, quitadas);
        QList<QVariantList> esperado;
        for (const QVariantList& fila : antes)
            if (!quitadas.split(' ').contains(fila[0].toString() + fila[1].toString()))
                esperado << fila;
        QCOMPARE(Tablas(), esperado);
        QCOMPARE(ventana.isNull(), !borrada);
        if (borrada) {
            QCOMPARE(Items(c.CB_Indicador), (QStringList{"Ruido", "Ruido bis"}));
            Pulsar(ventana->B_Salir);
        }
        QCOMPARE(ComandosHabilitados(), 10);
    }

    // A save that fails at its second statement leaves both tables as they were and
    // reports no success; the database's message shows instead.
    void FalloAMitad_data()
    {
        QTest::addColumn<QString>("disparador");
        QTest::newRow("crear") << "BEFORE INSERT ON Indicador";
        QTest::newRow("modificar") << "BEFORE UPDATE ON Pregunta";
        QTest::newRow("borrar") << "BEFORE DELETE ON Pregunta";
        // No trigger: the connection refuses every write, as for a read-only file (tests
        // may run as root, who writes any file).
        QTest::newRow("crear, solo lectura") << "";
        QTest::newRow("modificar, solo lectura") << "";
        QTest::newRow("borrar, solo lectura") << "";
    }
    void FalloAMitad()
    {
        QFETCH(QString, disparador);
        MedidasPropias();
        if (disparador.isEmpty())
            QVERIFY(QSqlQuery(DM_BdatosADO->Database1->Database()).exec("PRAGMA query_only=1"));
        else
            Db().Exec(QStringLiteral("CREATE TRIGGER fallo %1 BEGIN SELECT RAISE(ABORT, 'disco "
                                     "lleno'); END")
                          .arg(disparador));
        const QList<QVariantList> antes = Tablas();
        const QByteArray orden = QByteArray(QTest::currentDataTag()).split(',').first();
        QWidget* ventana = nullptr;
        if (orden == "crear") {
            TF_CrearMPP2* paso2 = CrearPaso2();
            QVERIFY(paso2);
            Teclear(paso2->M_Definicion, QStringLiteral("D"));
            Teclear(paso2->M_Pregunta, QStringLiteral("¿P?"));
            Tipo(paso2->CB_TResp, 0);
            Pulsar(ventana = paso2->B_Insertar);
        } else if (orden == "modificar") {
            TF_ModificarMPP2* paso2 = ModificarPaso2();
            QVERIFY(paso2);
            Teclear(paso2->M_Definicion, QStringLiteral("Otra"));
            Pulsar(ventana = paso2->B_Modificar);
        } else {
            MainForm->M_BorrarMedidaClick();
            QVERIFY(F_BorrarMPP1);
            ElegirMedida(F_BorrarMPP1->Cascada, 2);
            Pulsar(ventana = F_BorrarMPP1->B_Borrar);
        }
        QCOMPARE(Tablas(), antes);
        QCOMPARE(Mensajes().size(), 1);
        QVERIFY2(Mensajes().first().contains(
                     disparador.isEmpty()
                         ? "No se ha podido guardar en la base de datos: el archivo de la base "
                           "de datos o su carpeta es de solo lectura."
                         : "disco lleno"),
                 qPrintable(Mensajes().first()));
        QVERIFY(ventana->isVisible());
    }

    void VentanaIlegible_data()
    {
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<bool>("paso1"); // step 1 stays open
        QTest::newRow("crear") << "Criterio" << false;
        QTest::newRow("modificar") << "Criterio" << false;
        QTest::newRow("borrar") << "Criterio" << false;
        QTest::newRow("crear, paso 2") << "Dimension" << false; // step 1 has closed
        QTest::newRow("modificar, paso 2") << "Pregunta" << true;
    }
    // A table that cannot be read: the error box, no window left half made, and the
    // commands back unless step 1 stays open.
    void VentanaIlegible()
    {
        QFETCH(QString, tabla);
        QFETCH(bool, paso1);
        const QByteArray fila = QTest::currentDataTag();
        QPushButton* siguiente = nullptr;
        if (fila == "crear, paso 2") {
            MainForm->M_CrearMedidaClick();
            Pulsar(F_CrearMPP1->RG_Criterio->Button(0));
            Pulsar(F_CrearMPP1->RG_Subcriterio->Button(1));
            siguiente = F_CrearMPP1->B_Siguiente;
        } else if (fila == "modificar, paso 2") {
            MainForm->M_ModificarMedidaClick();
            ElegirMedida(F_ModificarMPP1->Cascada, 0);
            siguiente = F_ModificarMPP1->B_Siguiente;
        }
        Db().Exec("DROP TABLE " + tabla);
        ui::RunGuarded([&] {
            if (siguiente)
                Pulsar(siguiente);
            else if (fila == "crear")
                MainForm->M_CrearMedidaClick();
            else if (fila == "modificar")
                MainForm->M_ModificarMedidaClick();
            else
                MainForm->M_BorrarMedidaClick();
        });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Mensajes().size(), 1);
        QVERIFY2(Mensajes().first().startsWith("No se ha podido leer la base de datos: falta una "
                                               "tabla o una columna"),
                 qPrintable(Mensajes().first()));
        QVERIFY(!F_CrearMPP1 == !(paso1 && fila.startsWith("crear")));
        QVERIFY(!F_ModificarMPP1 == !(paso1 && fila.startsWith("modificar")));
        QVERIFY(!F_BorrarMPP1 && !F_ModificarMPP2);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<TF_CrearMPP2*>(w) && !qobject_cast<TF_ModificarMPP2*>(w),
                     "a step 2 left behind");
        QCOMPARE(MainForm->ClientArea()->subWindowList().size(), paso1 ? 1 : 0);
        QCOMPARE(ComandosHabilitados(), paso1 ? 0 : 10);
    }

    // A measure made here is offered by the questionnaire at once, and its question prints.
    void MedidaNuevaEnElCuestionario()
    {
        TF_CrearMPP2* paso2 = CrearPaso2();
        QVERIFY(paso2);
        Teclear(paso2->M_Definicion, QStringLiteral("Ventanas"));
        Teclear(paso2->M_Pregunta, QStringLiteral("¿Cierran bien las ventanas?"));
        Tipo(paso2->CB_TResp, 1);
        Pulsar(paso2->B_Insertar);
        Pulsar(paso2->B_Salir);

        auto* paso3 = qobject_cast<TF_CrearEncuestaP3*>(HastaPaso(3));
        QVERIFY(paso3);
        Elegir(paso3->CB_Dimension, 1); // "Aulas"
        QCheckBox* caja = Caja(2001);
        QVERIFY(caja);
        QCOMPARE(caja->text(), QStringLiteral("Ventanas"));
        Pulsar(caja);
        const QVector<report::TQRPage> paginas = PaginasDe([paso3] { Pulsar(paso3->B_Aceptar); });
        QVERIFY(!paginas.isEmpty());
        QCOMPARE(testing::TextsOf(paginas.first(), QStringLiteral("QRDBDefinicion")),
                 QStringList{"¿Cierran bien las ventanas?"});
    }

    void CrearTabulacion_data()
    {
        QTest::addColumn<bool>("encuesta");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("medidas, paso 1")
            << false
            << QStringList{"Orientación", "B_Siguiente", "B_Salir", "Alumnado", "Orientación"};
        QTest::newRow("cuestionario, paso 2")
            << true << QStringList{"Orientación", "B_Atras",  "B_Siguiente",
                                   "B_Salir",     "Alumnado", "Orientación"};
    }

    // Measure creation step 1 and questionnaire step 2 start on their first group and Tab
    // follows the window's order: the groups, the dimensions made at run time, the
    // buttons; Shift+Tab goes back. A group's '&' shows as itself and is no shortcut.
    void CrearTabulacion()
    {
        QFETCH(bool, encuesta);
        QFETCH(QStringList, esperado);
        Db().Exec(
            QStringLiteral("UPDATE Criterio SET definicion='Familias &Kiosco' WHERE codigo=2"));
        QWidget* ventana;
        if (encuesta) {
            ventana = HastaPaso(2);
        } else {
            MainForm->M_CrearMedidaClick();
            ventana = F_CrearMPP1;
        }
        QVERIFY(ventana);
        auto* grupos = ventana->findChild<ui::TRadioGroup*>(QStringLiteral("RG_Criterio"));
        auto* dimensiones = ventana->findChild<ui::TRadioGroup*>(QStringLiteral("RG_Subcriterio"));
        QCOMPARE(grupos->Item(1), QStringLiteral("Familias &Kiosco"));
        QTRY_COMPARE(Foco(), grupos->Button(0));
        QTest::keyClick(grupos->Button(0), Qt::Key_Space);
        QCOMPARE(dimensiones->Count(), 3);
        QCOMPARE(Tabular(ventana, int(esperado.size())), esperado);
        QCOMPARE(Tabular(ventana, int(esperado.size()) - 1, true),
                 esperado.mid(0, esperado.size() - 1));
        // A shortcut would press the button after a short show of the press.
        QTest::keyClick(ventana, Qt::Key_K, Qt::AltModifier);
        QTest::qWait(150);
        QCOMPARE(grupos->ItemIndex(), 0);
    }

    // The keyboard round of each measure window, and of questionnaire step 2, in each
    // state: `elecciones` are the items chosen from the first list or group down (-1: the
    // Down key, which moves the focus while nothing is chosen).
    void Teclado_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QList<int>>("elecciones");
        QTest::addColumn<QString>("vuelta");
        for (const QString v : {"crear", "cuestionario"}) {
            const QString botones =
                v == "crear" ? "B_Siguiente, B_Salir, " : "B_Atras, B_Siguiente, B_Salir, ";
            QTest::addRow("%s, nada", qPrintable(v)) << v << QList<int>{} << botones + "Alumnado";
            QTest::addRow("%s, flecha", qPrintable(v))
                << v << QList<int>{-1} << botones + "Alumnado";
            QTest::addRow("%s, grupo", qPrintable(v))
                << v << QList<int>{1} << "Comunicación, " + botones + "Familias";
            QTest::addRow("%s, grupo y dimensión", qPrintable(v))
                << v << QList<int>{0, 1} << botones + "Alumnado, Satisfacción";
        }
        QTest::newRow("cuestionario, de vuelta del paso 3")
            << "cuestionario" << QList<int>{0, 1, 3}
            << "B_Siguiente, B_Salir, Alumnado, Satisfacción, B_Atras";
        QTest::newRow("crear 2, nada") << "crear 2" << QList<int>{} << "B_Salir, CB_Dimension";
        const QString ficha = "ChB_Clave, M_Pregunta, CB_TResp, %1, B_Salir, ";
        QTest::newRow("crear 2, subdimensión")
            << "crear 2" << QList<int>{2} << ficha.arg("B_Insertar") + "CB_Dimension, M_Definicion";
        QTest::newRow("modificar 2")
            << "modificar 2" << QList<int>{} << ficha.arg("B_Modificar") + "M_Definicion";
        const QStringList listas{"CB_Personal", "CB_MP", "CB_Dimension", "CB_Indicador"};
        for (const char* v : {"modificar", "borrar"})
            for (int n = 0; n <= 4; ++n)
                QTest::addRow("%s, %d listas", v, n)
                    << v << QList<int>{0, 1, 2, 0}.mid(0, n)
                    << "B_Salir, " + listas.mid(0, qMin(n + 1, 4)).join(", ") +
                           (n < 4         ? ""
                            : v[0] == 'm' ? ", B_Siguiente"
                                          : ", B_Borrar");
    }

    void Teclado()
    {
        QFETCH(QString, ventana);
        QFETCH(QList<int>, elecciones);
        QFETCH(QString, vuelta);
        MedidasPropias();
        QWidget* w = nullptr;
        TCascadaMedidas* cascada = nullptr;
        if (ventana == "cuestionario") {
            w = HastaPaso(2);
        } else if (ventana == "modificar 2") {
            w = ModificarPaso2();
        } else if (ventana.startsWith("crear")) {
            MainForm->M_CrearMedidaClick();
            w = F_CrearMPP1;
        } else if (ventana == "modificar") {
            MainForm->M_ModificarMedidaClick();
            w = F_ModificarMPP1, cascada = F_ModificarMPP1->Cascada;
        } else {
            MainForm->M_BorrarMedidaClick();
            w = F_BorrarMPP1, cascada = F_BorrarMPP1->Cascada;
        }
        QVERIFY(w);
        if (ventana == "crear 2") {
            Pulsar(F_CrearMPP1->RG_Criterio->Button(0));
            Pulsar(F_CrearMPP1->RG_Subcriterio->Button(1));
            Pulsar(F_CrearMPP1->B_Siguiente);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (QWidget* otra : QApplication::allWidgets())
                if (auto* paso2 = qobject_cast<TF_CrearMPP2*>(otra))
                    w = paso2, cascada = nullptr;
            QVERIFY(qobject_cast<TF_CrearMPP2*>(w));
        }
        QList<QComboBox*> listas;
        if (cascada)
            listas = {cascada->Controles().CB_Personal, cascada->Controles().CB_MP,
                      cascada->Controles().CB_Dimension, cascada->Controles().CB_Indicador};
        else if (auto* paso2 = qobject_cast<TF_CrearMPP2*>(w))
            listas = {paso2->CB_Dimension};
        for (int i = 0; i < elecciones.size(); ++i) {
            if (elecciones[i] == -1)
                QTest::keyClick(Foco(), Qt::Key_Down);
            else if (!listas.isEmpty())
                Elegir(listas[i], elecciones[i]);
            else if (i == 2) // on to step 3 and back
                Pulsar(w->findChild<QPushButton*>("B_Siguiente")),
                    Pulsar(F_CrearEncuestaP3->B_Atras);
            else
                Pulsar(w->findChild<ui::TRadioGroup*>(i ? "RG_Subcriterio" : "RG_Criterio")
                           ->Button(elecciones[i]));
        }
        QCOMPARE(testing::Vuelta(w), vuelta);
    }
};

DIMARVOLTECA_TEST_MAIN(TestMedidas)
#include "TestMedidas.moc"
