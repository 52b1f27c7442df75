// The perception-measure windows, driven from the main window's commands: the rows
// they write, their warnings, their cascade and the command lock around them.
#include "../platform/ReportTestSupport.h"
#include "../survey/Entorno.h"

#include "catalogue/BorrarMPP1.h"
#include "catalogue/CascadaMedidas.h"
#include "catalogue/CrearMPP1.h"
#include "catalogue/CrearMPP2.h"
#include "catalogue/ListaTipoRespuesta.h"
#include "catalogue/ModificarMPP1.h"
#include "catalogue/ModificarMPP2.h"
#include "platform/report/preview/QRStandardPreview.h"
#include "platform/ui/RadioGroup.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP3.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

using namespace encuesta;

namespace {

// The catalogue's group "Alumnado" > dimension "Satisfacción" > subdimension "Aulas",
// as each window lists them.
const int kAlumnado = 0;
const int kSatisfaccion = 1;
const int kAulasCrear = 2; // subdimensions listed by name descending
const QString kMensajeOK = QStringLiteral("Medida de percepción insertada correctamente");

template <typename T> T* Ventana()
{
    for (QWidget* w : QApplication::allWidgets())
        if (auto* ventana = qobject_cast<T*>(w); ventana && ventana->isVisible())
            return ventana;
    return nullptr;
}

// Types `texto` key by key; QTest's own typing knows only ASCII.
void Escribir(QWidget* control, const QString& texto)
{
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClicks(control, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), {});
    }
}

// Types `texto` into a memo as a user does, Enter at each line break.
void Teclear(QPlainTextEdit* memo, const QString& texto)
{
    memo->setFocus();
    memo->selectAll();
    QTest::keyClick(memo, Qt::Key_Delete);
    const QStringList lineas = texto.split(QLatin1Char('\n'));
    for (int i = 0; i < lineas.size(); ++i) {
        if (i > 0)
            QTest::keyClick(memo, Qt::Key_Return);
        Escribir(memo, lineas.at(i));
    }
}

// Chooses an answer type by its index, or types `tecleado` into the list.
void Tipo(QComboBox* lista, int indice, const QString& tecleado = QString())
{
    if (!tecleado.isEmpty()) {
        lista->lineEdit()->selectAll();
        Escribir(lista->lineEdit(), tecleado);
    } else if (indice >= 0) {
        Elegir(lista, indice);
    }
}

QList<QVariantList> Tablas(testing::TestDb& db)
{
    return db.Rows(QStringLiteral("SELECT 'I', codigo, definicion, cod_pregunta, tipo, cod_dim, "
                                  "clave FROM Indicador UNION ALL SELECT 'P', codigo, enunciado, "
                                  "tipo, NULL, NULL, NULL FROM Pregunta ORDER BY 1, 2"));
}

} // namespace

class TestMedidas : public PruebaEncuesta
{
    Q_OBJECT

    testing::MessageRecorder* m_mensajes = nullptr;

    QStringList Mensajes() const { return m_mensajes->Texts(); }

    // "Crear" up to step 2 with "Aulas" chosen.
    TF_CrearMPP2* CrearPaso2()
    {
        MainForm->M_CrearMedidaClick();
        TF_CrearMPP1* paso1 = F_CrearMPP1;
        if (!paso1)
            return nullptr;
        Pulsar(paso1->RG_Criterio->Button(kAlumnado));
        Pulsar(paso1->RG_Subcriterio->Button(kSatisfaccion));
        Pulsar(paso1->B_Siguiente);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TF_CrearMPP2* paso2 = Ventana<TF_CrearMPP2>();
        if (paso2)
            Elegir(paso2->CB_Dimension, kAulasCrear);
        return paso2;
    }

    // Finds a measure of "Aulas" through the four lists of the window.
    static void ElegirMedida(TCascadaMedidas* cascada, int medida)
    {
        const TControlesCascada& c = cascada->Controles();
        Elegir(c.CB_Personal, kAlumnado);
        Elegir(c.CB_MP, kSatisfaccion);
        Elegir(c.CB_Dimension, 2);
        if (medida >= 0)
            Elegir(c.CB_Indicador, medida);
    }

    // "Modificar" up to step 2 with the measure at `medida` of "Aulas".
    TF_ModificarMPP2* ModificarPaso2(int medida)
    {
        MainForm->M_ModificarMedidaClick();
        ElegirMedida(F_ModificarMPP1->Cascada, medida);
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
        m_mensajes = new testing::MessageRecorder;
    }
    void cleanup()
    {
        delete m_mensajes;
        PruebaEncuesta::cleanup();
    }

    // Two measures one after the other; the keys follow the tables' greatest, and the
    // window is ready for the next measure after each.
    void Crear_data()
    {
        QTest::addColumn<bool>("vaciar");
        QTest::addColumn<QString>("definicion");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<bool>("clave");
        QTest::addColumn<int>("codPregunta");
        QTest::addColumn<int>("codIndicador");
        QTest::addColumn<QString>("guardada");
        QTest::newRow("tablas vacías, SI/NO, clave")
            << true << "  Primera línea \nsegunda" << 1 << true << 1 << 1
            << "  Primera línea \r\nsegunda";
        QTest::newRow("tras huecos, niveles")
            << false << "Una" << 0 << false << 6001 << 2001 << "Una";
    }
    void Crear()
    {
        QFETCH(bool, vaciar);
        QFETCH(QString, definicion);
        QFETCH(int, tipo);
        QFETCH(bool, clave);
        QFETCH(int, codPregunta);
        QFETCH(int, codIndicador);
        QFETCH(QString, guardada);
        if (vaciar)
            Db().Exec(QStringLiteral("DELETE FROM Indicador; DELETE FROM Pregunta"));

        TF_CrearMPP2* paso2 = CrearPaso2();
        QVERIFY(paso2);
        // Step 1 closed on handing over: the commands are back.
        QCOMPARE(ComandosHabilitados(), 10);
        for (int n = 0; n < 2; ++n) {
            Teclear(paso2->M_Definicion, n == 0 ? definicion : QStringLiteral("Otra"));
            Teclear(paso2->M_Pregunta, QStringLiteral("¿Pregunta %1?").arg(n));
            Tipo(paso2->CB_TResp, n == 0 ? tipo : 1 - tipo);
            if (n == 0 && clave)
                Pulsar(paso2->ChB_Clave);
            Pulsar(paso2->B_Insertar);

            QCOMPARE(Mensajes(), QStringList(n + 1, kMensajeOK));
            QCOMPARE(Db().Rows(QStringLiteral("SELECT codigo, enunciado, tipo FROM Pregunta "
                                              "WHERE codigo=%1")
                                   .arg(codPregunta + n)),
                     (QList<QVariantList>{{codPregunta + n, QStringLiteral("¿Pregunta %1?").arg(n),
                                           n == 0 ? tipo : 1 - tipo}}));
            QCOMPARE(Db().Rows(QStringLiteral("SELECT codigo, definicion, cod_pregunta, tipo, "
                                              "cod_dim, clave FROM Indicador WHERE codigo=%1")
                                   .arg(codIndicador + n)),
                     (QList<QVariantList>{{codIndicador + n, n == 0 ? guardada : "Otra",
                                           codPregunta + n, 1, 100, n == 0 && clave ? 1 : 0}}));
            // Ready for the next measure of the same subdimension.
            QCOMPARE(paso2->M_Definicion->toPlainText(), QString());
            QCOMPARE(paso2->M_Pregunta->toPlainText(), QString());
            QCOMPARE(TipoRespuestaElegido(paso2->CB_TResp), -1);
            QVERIFY(!paso2->ChB_Clave->isChecked());
            QVERIFY(paso2->B_Insertar->isEnabled() && paso2->M_Definicion->isVisible());
            QCOMPARE(paso2->CB_Dimension->currentText(), QStringLiteral("Aulas"));
        }
        Pulsar(paso2->B_Salir);
        QCOMPARE(ComandosHabilitados(), 10);
    }

    // Step 1's lists and warnings, and step 2's list of subdimensions.
    void CrearListas()
    {
        MainForm->M_CrearMedidaClick();
        QCOMPARE(ComandosHabilitados(), 0);
        TF_CrearMPP1* paso1 = F_CrearMPP1;
        Pulsar(paso1->B_Siguiente);
        Pulsar(paso1->RG_Criterio->Button(2));
        QCOMPARE(paso1->RG_Subcriterio->Count(), 0);
        Pulsar(paso1->B_Siguiente);
        QCOMPARE(Mensajes(), (QStringList{"Debe seleccionar un grupo de interés",
                                          "Debe seleccionar una dimensión"}));
        Pulsar(paso1->RG_Criterio->Button(kAlumnado));
        QStringList dimensiones;
        for (int i = 0; i < paso1->RG_Subcriterio->Count(); ++i)
            dimensiones << paso1->RG_Subcriterio->Item(i);
        QCOMPARE(dimensiones, (QStringList{"Orientación", "Satisfacción", "Vacía"}));
        Pulsar(paso1->B_Salir);
        QCOMPARE(ComandosHabilitados(), 10);

        TF_CrearMPP2* paso2 = CrearPaso2();
        QVERIFY(paso2);
        QStringList subdimensiones;
        for (int i = 0; i < paso2->CB_Dimension->count(); ++i)
            subdimensiones << paso2->CB_Dimension->itemText(i);
        QCOMPARE(subdimensiones, (QStringList{"Comedor", "Biblioteca", "Aulas"}));
        QCOMPARE(paso2->Label3->toolTip(), QStringLiteral("Estado de las aulas"));
    }

    void AvisosCrear_data()
    {
        QTest::addColumn<QString>("definicion");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QString>("quedaDefinicion");
        QTest::addColumn<QString>("quedaPregunta");
        QTest::newRow("definición en blanco") << "  \n \n"
                                              << "¿P?"
                                              << ""
                                              << "La definición del indicador no puede estar vacía"
                                              << ""
                                              << "¿P?";
        QTest::newRow("pregunta en blanco")
            << "D"
            << "\n  "
            << ""
            << "Debe insertar la pregunta asociada a la medida de percepción"
            << "D"
            << "";
        QTest::newRow("tipo tecleado que no es ninguno")
            << "D"
            << "¿P?"
            << "XX"
            << "Debe seleccionar un tipo de respuesta para la pregunta"
            << "D"
            << "¿P?";
    }
    void AvisosCrear()
    {
        QFETCH(QString, definicion);
        QFETCH(QString, pregunta);
        QFETCH(QString, tecleado);
        TF_CrearMPP2* paso2 = CrearPaso2();
        QVERIFY(paso2);
        const QList<QVariantList> antes = Tablas(Db());
        Teclear(paso2->M_Definicion, definicion);
        Teclear(paso2->M_Pregunta, pregunta);
        Tipo(paso2->CB_TResp, tecleado.isEmpty() ? 0 : -1, tecleado);
        Pulsar(paso2->B_Insertar);
        QFETCH(QString, aviso);
        QCOMPARE(Mensajes(), QStringList{aviso});
        QTEST(paso2->M_Definicion->toPlainText(), "quedaDefinicion");
        QTEST(paso2->M_Pregunta->toPlainText(), "quedaPregunta");
        QCOMPARE(Tablas(Db()), antes);
    }

    // The memo lines as shown are joined into one line each: the definition as it is,
    // the question with its first line trimmed; the rest of the measure stays.
    void Modificar_data()
    {
        QTest::addColumn<QString>("definicion");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("guardadaDefinicion");
        QTest::addColumn<QString>("guardadaPregunta");
        QTest::newRow("blancos delante y línea vacía") << "  A\n\n B\nC"
                                                       << "  A\n\n B\nC"
                                                       << "  A  B C"
                                                       << "A B C";
        QTest::newRow("primera línea en blanco") << "  \nA"
                                                 << "\n A"
                                                 << " A"
                                                 << " A";
    }
    void Modificar()
    {
        QFETCH(QString, definicion);
        QFETCH(QString, pregunta);
        // "Calefacción" [1002], a key measure of the catalogue, asks on the scale 1..5.
        TF_ModificarMPP2* paso2 = ModificarPaso2(0);
        QVERIFY(paso2);
        QCOMPARE(ComandosHabilitados(), 10);
        QCOMPARE(paso2->M_Definicion->toPlainText(), QStringLiteral("Calefacción"));
        QCOMPARE(paso2->M_Pregunta->toPlainText(), QStringLiteral("¿Calefacción?"));
        QVERIFY(paso2->ChB_Clave->isChecked());
        QCOMPARE(TipoRespuestaElegido(paso2->CB_TResp), 0);

        const QList<QVariantList> antes = Tablas(Db());
        Teclear(paso2->M_Definicion, definicion);
        Teclear(paso2->M_Pregunta, pregunta);
        Pulsar(paso2->ChB_Clave);
        Tipo(paso2->CB_TResp, 1);
        Pulsar(paso2->B_Modificar);

        QCOMPARE(Mensajes(), QStringList{"Medida de percepción modificada correctamente"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!F_ModificarMPP2);
        QCOMPARE(ComandosHabilitados(), 10);
        QList<QVariantList> esperado = antes;
        QFETCH(QString, guardadaDefinicion);
        QFETCH(QString, guardadaPregunta);
        for (QVariantList& fila : esperado) {
            if (fila[0] == "I" && fila[1] == 1002) {
                fila[2] = guardadaDefinicion;
                fila[6] = 0;
            }
            if (fila[0] == "P" && fila[1] == 5002) {
                fila[2] = guardadaPregunta;
                fila[3] = 1;
            }
        }
        QCOMPARE(Tablas(Db()), esperado);
    }

    // A paragraph wider than the memo counts as its wrapped lines: each wrap point
    // keeps its space and the join adds one.
    void ModificarLineasAjustadas()
    {
        TF_ModificarMPP2* paso2 = ModificarPaso2(0);
        QVERIFY(paso2);
        QString largo;
        for (int i = 1; i <= 40; ++i)
            largo += QStringLiteral("palabra%1 ").arg(i);
        largo = largo.trimmed();
        Teclear(paso2->M_Definicion, largo);
        Pulsar(paso2->B_Modificar);
        const QString guardada =
            Db().Scalar(QStringLiteral("SELECT definicion FROM Indicador WHERE codigo=1002"))
                .toString();
        QVERIFY2(guardada.count(QStringLiteral("  ")) >= 2, qPrintable(guardada));
        QCOMPARE(guardada.simplified(), largo);
    }

    // What step 2 loads: trailing blank lines left out, any scale but 0 as "SI/NO",
    // a missing question as empty; what it then writes back.
    void CargarValores_data()
    {
        QTest::addColumn<QString>("definicion");
        QTest::addColumn<QVariant>("pregunta"); // null: no question row
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("muestraDefinicion");
        QTest::addColumn<QString>("muestraPregunta");
        QTest::addColumn<int>("muestraTipo");
        QTest::addColumn<QString>("guardaDefinicion");
        QTest::addColumn<QVariant>("guardaPregunta");
        QTest::newRow("saltos y blancos al final") << "A\r\n\r\nB\r\n \r\n"
                                                   << QVariant("¿P?\n\n") << 7 << "A\n\nB"
                                                   << "¿P?" << 1 << "A B" << QVariant("¿P?");
        QTest::newRow("solo blancos, sin pregunta") << " \r\n\r\n"
                                                    << QVariant() << 0 << ""
                                                    << "" << 0 << "Nueva" << QVariant();
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
        // The edited definition is listed as stored, first in "Aulas" by its leading blank.
        TF_ModificarMPP2* paso2 = ModificarPaso2(0);
        QVERIFY(paso2);
        QTEST(paso2->M_Definicion->toPlainText(), "muestraDefinicion");
        QTEST(paso2->M_Pregunta->toPlainText(), "muestraPregunta");
        QTEST(TipoRespuestaElegido(paso2->CB_TResp), "muestraTipo");

        if (paso2->M_Definicion->toPlainText().isEmpty()) {
            Pulsar(paso2->B_Modificar);
            QCOMPARE(Mensajes(), QStringList{"La definición del indicador no puede estar vacía"});
            m_mensajes->Clear();
            Teclear(paso2->M_Definicion, QStringLiteral("Nueva"));
            Teclear(paso2->M_Pregunta, QStringLiteral("¿Nueva?"));
        }
        Pulsar(paso2->B_Modificar);
        QCOMPARE(Mensajes(), QStringList{"Medida de percepción modificada correctamente"});
        QTEST(Db().Scalar(QStringLiteral("SELECT definicion FROM Indicador WHERE codigo=1002"))
                  .toString(),
              "guardaDefinicion");
        QTEST(Db().Scalar(QStringLiteral("SELECT enunciado FROM Pregunta WHERE codigo=5002")),
              "guardaPregunta");
        QCOMPARE(Db().Scalar(QStringLiteral("SELECT count(*) FROM Pregunta")).toInt(),
                 pregunta.isNull() ? 6 : 7);
    }

    void AvisosModificar_data()
    {
        QTest::addColumn<QString>("definicion");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<bool>("borrada");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QString>("quedaDefinicion");
        QTest::addColumn<QString>("quedaPregunta");
        QTest::newRow("definición en blanco")
            << " \n\n "
            << "¿P?"
            << "" << false << "La definición del indicador no puede estar vacía"
            << ""
            << "¿P?";
        QTest::newRow("pregunta en blanco")
            << "D"
            << "  \n"
            << "" << false << "la pregunta asociada a la medida de percepcìón no puede estar vacía"
            << "D"
            << "";
        QTest::newRow("tipo tecleado que no es ninguno")
            << "D"
            << "¿P?"
            << "SI-NO" << false << "Debe seleccionar un tipo de respuesta para la pregunta"
            << "D"
            << "¿P?";
        QTest::newRow("medida borrada entretanto")
            << "D"
            << "¿P?"
            << "" << true << "La medida de percepción ya no existe: otra ventana la ha borrado"
            << "D"
            << "¿P?";
    }
    void AvisosModificar()
    {
        QFETCH(QString, definicion);
        QFETCH(QString, pregunta);
        QFETCH(QString, tecleado);
        QFETCH(bool, borrada);
        TF_ModificarMPP2* paso2 = ModificarPaso2(0);
        QVERIFY(paso2);
        if (borrada)
            Db().Exec(QStringLiteral("DELETE FROM Indicador WHERE codigo=1002"));
        const QList<QVariantList> antes = Tablas(Db());
        Teclear(paso2->M_Definicion, definicion);
        Teclear(paso2->M_Pregunta, pregunta);
        Tipo(paso2->CB_TResp, -1, tecleado);
        Pulsar(paso2->B_Modificar);
        QFETCH(QString, aviso);
        QCOMPARE(Mensajes(), QStringList{aviso});
        QTEST(paso2->M_Definicion->toPlainText(), "quedaDefinicion");
        QTEST(paso2->M_Pregunta->toPlainText(), "quedaPregunta");
        QCOMPARE(Tablas(Db()), antes);
        QVERIFY(F_ModificarMPP2);
    }

    // Only measures made through the program are offered; a deletion takes the measure
    // and its question, unless another measure asks it too.
    void Borrar_data()
    {
        QTest::addColumn<int>("medida"); // in "Ruido", "Ruido bis", "Ventilación"
        QTest::addColumn<bool>("borrada");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QString>("quitadas");
        QTest::newRow("con su pregunta")
            << 2 << false << "La medida de percepción ha sido borrada correctamente"
            << "I3000 P7000";
        QTest::newRow("pregunta compartida")
            << 0 << false << "La medida de percepción ha sido borrada correctamente"
            << "I3001";
        QTest::newRow("borrada entretanto")
            << 2 << true << "La medida de percepción ya no existe: otra ventana la ha borrado"
            << "I3000";
    }
    void Borrar()
    {
        QFETCH(int, medida);
        QFETCH(bool, borrada);
        MedidasPropias();
        const QList<QVariantList> antes = Tablas(Db());
        MainForm->M_BorrarMedidaClick();
        QCOMPARE(ComandosHabilitados(), 0);
        QPointer<TF_BorrarMPP1> ventana = F_BorrarMPP1;
        ventana->B_BorrarClick();
        ElegirMedida(ventana->Cascada, -1);
        const TControlesCascada& c = ventana->Cascada->Controles();
        QStringList listadas;
        for (int i = 0; i < c.CB_Indicador->count(); ++i)
            listadas << c.CB_Indicador->itemText(i);
        QCOMPARE(listadas, (QStringList{"Ruido", "Ruido bis", "Ventilación"}));
        QVERIFY(!ventana->B_Borrar->isEnabled());
        Elegir(c.CB_Indicador, medida);
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
        QCOMPARE(Tablas(Db()), esperado);
        QCOMPARE(ventana.isNull(), !borrada);
        if (borrada) {
            QCOMPARE(c.CB_Indicador->count(), 2);
            QVERIFY(!ventana->B_Borrar->isEnabled());
            Pulsar(ventana->B_Salir);
        }
        QCOMPARE(ComandosHabilitados(), 10);
    }

    // A save that fails half-way leaves both tables as they were and reports no
    // success; the database's message shows instead.
    void FalloAMitad_data()
    {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("disparador");
        QTest::newRow("crear") << "crear"
                               << "BEFORE INSERT ON Indicador";
        QTest::newRow("modificar") << "modificar"
                                   << "BEFORE UPDATE ON Pregunta";
        QTest::newRow("borrar") << "borrar"
                                << "BEFORE DELETE ON Pregunta";
    }
    void FalloAMitad()
    {
        QFETCH(QString, orden);
        QFETCH(QString, disparador);
        MedidasPropias();
        Db().Exec(QStringLiteral("CREATE TRIGGER fallo %1 BEGIN SELECT RAISE(ABORT, 'disco "
                                 "lleno'); END")
                      .arg(disparador));
        const QList<QVariantList> antes = Tablas(Db());
        QWidget* ventana = nullptr;
        if (orden == "crear") {
            TF_CrearMPP2* paso2 = CrearPaso2();
            Teclear(paso2->M_Definicion, QStringLiteral("D"));
            Teclear(paso2->M_Pregunta, QStringLiteral("¿P?"));
            Tipo(paso2->CB_TResp, 0);
            Pulsar(paso2->B_Insertar);
            ventana = paso2;
        } else if (orden == "modificar") {
            TF_ModificarMPP2* paso2 = ModificarPaso2(0);
            Teclear(paso2->M_Pregunta, QStringLiteral("¿Otra?"));
            Pulsar(paso2->B_Modificar);
            ventana = paso2;
        } else {
            MainForm->M_BorrarMedidaClick();
            ElegirMedida(F_BorrarMPP1->Cascada, 2);
            Pulsar(F_BorrarMPP1->B_Borrar);
            ventana = F_BorrarMPP1;
        }
        QCOMPARE(Tablas(Db()), antes);
        QCOMPARE(m_mensajes->messages.size(), 1);
        QVERIFY2(Mensajes().first().contains(QStringLiteral("disco lleno")),
                 qPrintable(Mensajes().first()));
        QVERIFY(ventana->isVisible());
    }

    // A measure made here is offered by the questionnaire at once, and its question
    // prints.
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
        QStringList impresas;
        QVERIFY(ConVistaPrevia([paso3] { Pulsar(paso3->B_Aceptar); },
                               [&](report::TQRStandardPreview* vista) {
                                   impresas = testing::TextsOf(vista->Pages().first(),
                                                               QStringLiteral("QRDBDefinicion"));
                               }));
        QCOMPARE(impresas, QStringList{"¿Cierran bien las ventanas?"});
    }
};

DIMARVOLTECA_TEST_MAIN(TestMedidas)
#include "TestMedidas.moc"
