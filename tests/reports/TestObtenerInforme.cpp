// The indicator report's wizard from "Informes" > "Obtener": the dimension, the panel of
// measures and indicators, the two selection boxes, and FINALIZAR: the rows it writes,
// the preview, and what happens when something else is open or goes wrong.

#include "Entorno.h"

#include "reports/InformeIR.h"
#include "reports/ObtenerInformeP1.h"
#include "reports/ObtenerInformeP2.h"

using namespace encuesta;

namespace {

// "Informes" > "Obtener", the dimension at `dimension` of the list (by name: 0
// "Comunicación", 1 "Orientación", 2 "Satisfacción", 3 "Vacía") and SIGUIENTE.
TF_ObtenerInformeP2* Paso2(int dimension = 2)
{
    MainForm->Obtener1->trigger();
    if (!F_ObtenerInformeP1)
        return nullptr;
    Elegir(F_ObtenerInformeP1->CB_Dimension, dimension);
    Pulsar(F_ObtenerInformeP1->B_Siguiente);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return F_ObtenerInformeP2;
}

// The item of the measure or indicator `codigo` (indicators are "i" + code).
QCheckBox* Elemento(TF_ObtenerInformeP2* paso2, const QString& codigo)
{
    const bool ir = codigo.startsWith(QLatin1Char('i'));
    std::vector<TIndicadorCheck> elementos;
    if (ir)
        elementos = paso2->VIndicadoresIR;
    else
        for (const auto& medidas : paso2->VIndicadores)
            elementos.insert(elementos.end(), medidas.begin(), medidas.end());
    for (const TIndicadorCheck& e : elementos)
        if (e.Codigo == codigo.mid(ir ? 1 : 0).toInt())
            return e.CheckBox;
    return nullptr;
}

QString Marcados(TF_ObtenerInformeP2* paso2)
{
    QStringList marcados;
    for (const auto& medidas : paso2->VIndicadores)
        for (const TIndicadorCheck& e : medidas)
            if (e.CheckBox->isChecked())
                marcados << QString::number(e.Codigo);
    for (const TIndicadorCheck& e : paso2->VIndicadoresIR)
        if (e.CheckBox->isChecked())
            marcados << QStringLiteral("i%1").arg(e.Codigo);
    return marcados.isEmpty() ? QStringLiteral("-") : marcados.join(QLatin1Char(','));
}

} // namespace

class TestObtenerInforme : public PruebaEncuesta
{
    Q_OBJECT

private slots:
    // Every dimension by name; SIGUIENTE once one is chosen; the lock is given back as
    // soon as step 1 goes, however it goes.
    void paso1_data()
    {
        QTest::addColumn<QString>("salida");
        QTest::newRow("SIGUIENTE") << "siguiente";
        QTest::newRow("SALIR") << "salir";
        QTest::newRow("cierre sin elegir") << "cierre";
        QTest::newRow("sin dimensiones") << "vacia";
    }

    void paso1()
    {
        QFETCH(QString, salida);
        if (salida == QLatin1String("vacia"))
            Db().Exec(QStringLiteral("DELETE FROM Subcriterio"));
        MainForm->Obtener1->trigger();
        QPointer<TF_ObtenerInformeP1> paso1 = F_ObtenerInformeP1.data();
        QVERIFY(paso1 && paso1->isVisible());
        QCOMPARE(ComandosHabilitados(), 0);
        QCOMPARE(Items(paso1->CB_Dimension).join('|'),
                 salida == QLatin1String("vacia")
                     ? QString()
                     : QStringLiteral("Comunicación|Orientación|Satisfacción|Vacía"));
        QVERIFY(!paso1->B_Siguiente->isEnabled());
        if (salida == QLatin1String("siguiente")) {
            Elegir(paso1->CB_Dimension, 1);
            Pulsar(paso1->B_Siguiente);
            QVERIFY(F_ObtenerInformeP2 && F_ObtenerInformeP2->isVisible());
            QCOMPARE(F_ObtenerInformeP2->CodSubcriterio, 11);
        } else if (salida == QLatin1String("cierre")) {
            qobject_cast<QMdiSubWindow*>(paso1->parentWidget())->close();
        } else {
            Pulsar(paso1->B_Salir);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!paso1);
        QCOMPARE(ComandosHabilitados(), 10);
    }

    // A panel that cannot be built leaves no half step 2; step 1 stays open.
    void panelQueFalla()
    {
        MainForm->Obtener1->trigger();
        Elegir(F_ObtenerInformeP1->CB_Dimension, 2);
        Db().Exec(QStringLiteral("ALTER TABLE Indicador RENAME TO Otra"));
        testing::MessageRecorder mensajes;
        Pulsar(F_ObtenerInformeP1->B_Siguiente);
        QCOMPARE(mensajes.messages.size(), 1);
        QVERIFY(!F_ObtenerInformeP2);
        QVERIFY(F_ObtenerInformeP1 && F_ObtenerInformeP1->isVisible());
        QCOMPARE(ComandosHabilitados(), 0);
    }

    // Subdimension titles by code, their measures, then the linked indicators by name,
    // each once; key items marked, and ticked by "Seleccionar solo los claves" (an
    // indicator's yes stored as -1 too); stored texts as they stand.
    void panel_data()
    {
        QTest::addColumn<int>("dimension");
        QTest::addColumn<QString>("cambio");
        QTest::addColumn<QString>("lugares");
        QTest::addColumn<QString>("claves");
        const QString satisfaccion =
            "Aulas@20,20 CLAVE@10,50 Limpieza@60,50 Iluminación@60,90 CLAVE@10,130 "
            "Calefacción@60,130 Biblioteca@20,170 Horario@60,200 CLAVE@10,240 Fondos@60,240 "
            "Comedor@20,280 Indicadores de rendimiento predictores de la Satisfacción@20,310 "
            "Índice de inserción laboral@60,340 CLAVE@10,380 Tasa de abandono@60,380";
        QTest::newRow("Satisfacción") << 2 << "" << satisfaccion << "1000,1002,1011,i1";
        QTest::newRow("sin subdimensiones")
            << 3 << ""
            << "Indicadores de rendimiento predictores de la Vacía@20,50"
            << "-";
        QTest::newRow("sin indicadores")
            << 0 << ""
            << "Web@20,20 CLAVE@10,50 Página web@60,50 "
               "Indicadores de rendimiento predictores de la Comunicación@20,90"
            << "2000";
        QTest::newRow("subdimensiones por código, no por nombre")
            << 2 << "UPDATE Dimension SET definicion='Talleres' WHERE codigo=100"
            << QString(satisfaccion).replace("Aulas", "Talleres") << "1000,1002,1011,i1";
        QTest::newRow("indicador clave guardado como -1")
            << 2 << "UPDATE IRendimiento SET clave=-1 WHERE codigo=1" << satisfaccion
            << "1000,1002,1011,i1";
        QTest::newRow("textos con & y etiquetas")
            << 2
            << "UPDATE Indicador SET definicion='Luz & <b>sombra</b>' WHERE codigo=1001;"
               "UPDATE IRendimiento SET definicion='Tasa de &abandono' WHERE codigo=1"
            << QString(satisfaccion)
                   .replace("Iluminación", "Luz & <b>sombra</b>")
                   .replace("Tasa de abandono", "Tasa de &abandono")
            << "1000,1002,1011,i1";
    }

    void panel()
    {
        QFETCH(int, dimension);
        QFETCH(QString, cambio);
        if (!cambio.isEmpty())
            Db().Exec(cambio);
        TF_ObtenerInformeP2* paso2 = Paso2(dimension);
        QVERIFY(paso2);
        QTEST(Lugares(paso2->SB_IndicadoresContenido), "lugares");
        QVERIFY(!paso2->CB_SoloClave->isChecked() && !paso2->CB_Todos->isChecked());
        QCOMPARE(Marcados(paso2), QStringLiteral("-"));
        Pulsar(paso2->CB_SoloClave);
        QTEST(Marcados(paso2), "claves");
    }

    void nombresEnUnaLinea_data() { testing::SaltosDeLinea(); }

    // Names stored on two lines show whole on one line, the break as a blank, in step 1's
    // list and in the panel's titles and boxes, each as wide as its caption plus 20.
    void nombresEnUnaLinea()
    {
        QFETCH(QString, salto);
        Db().Exec(QStringLiteral("UPDATE Subcriterio SET definicion=? WHERE codigo=10"),
                  {"Satis" + salto + "facción"});
        Db().Exec(QStringLiteral("UPDATE Dimension SET definicion=? WHERE codigo=100"),
                  {"Aulas" + salto + "y talleres"});
        Db().Exec(QStringLiteral("UPDATE Indicador SET definicion=? WHERE codigo=1001"),
                  {"Ilumi" + salto + "nación"});
        Db().Exec(QStringLiteral("UPDATE IRendimiento SET definicion=? WHERE codigo=1"),
                  {"Tasa de" + salto + "abandono"});
        MainForm->Obtener1->trigger();
        QVERIFY(F_ObtenerInformeP1);
        QCOMPARE(F_ObtenerInformeP1->CB_Dimension->itemText(2), QStringLiteral("Satis facción"));
        TF_ObtenerInformeP2* paso2 = Paso2(2);
        QVERIFY(paso2);
        const QString lugares = Lugares(paso2->SB_IndicadoresContenido);
        for (const char* mostrado :
             {"Aulas y talleres@20,20", "Ilumi nación@60,90",
              "Indicadores de rendimiento predictores de la Satis facción@20,310",
              "Tasa de abandono@60,380"})
            QVERIFY2(lugares.contains(QString::fromUtf8(mostrado)), qPrintable(lugares));
        QCOMPARE(MalMedidos(paso2->SB_IndicadoresContenido), QStringList());
    }

    // The window starts on the panel's first item. The keyboard goes through the items, top
    // to bottom, where the window's order reaches the scroll box; Shift+Tab the other way.
    void tabulador()
    {
        TF_ObtenerInformeP2* paso2 = Paso2();
        QCOMPARE(Mostrado(Foco()), QStringLiteral("Limpieza"));
        paso2->B_Aceptar->setFocus();
        QStringList ida{"B_Salir",          "CB_SoloClave", "CB_Todos",
                        "Limpieza",         "Iluminación",  "Calefacción",
                        "Horario",          "Fondos",       "Índice de inserción laboral",
                        "Tasa de abandono", "B_Aceptar"};
        QCOMPARE(Tabular(paso2, int(ida.size())), ida);
        ida.removeLast();
        QCOMPARE(Tabular(paso2, int(ida.size()), true), ida);
    }

    // The keyboard round of step 1 before and after its choice, and of step 2 as it opens
    // and after a selection box is ticked.
    void teclado_data()
    {
        QTest::addColumn<int>("paso");
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("vuelta");
        const QString panel = "Iluminación, Calefacción, Horario, Fondos, "
                              "Índice de inserción laboral, Tasa de abandono, B_Aceptar, "
                              "B_Salir, CB_SoloClave, ";
        QTest::newRow("paso 1") << 0 << ""
                                << "B_Salir, CB_Dimension";
        QTest::newRow("paso 1, dimensión") << 1 << ""
                                           << "B_Siguiente, B_Salir, CB_Dimension";
        QTest::newRow("paso 2") << 2 << "" << panel + "CB_Todos, Limpieza";
        QTest::newRow("paso 2, solo claves") << 2 << "S"
                                             << "CB_Todos, Limpieza, " + panel.chopped(2);
    }

    void teclado()
    {
        QFETCH(int, paso);
        QFETCH(QString, caja);
        QFETCH(QString, vuelta);
        QWidget* ventana;
        if (paso == 2) {
            TF_ObtenerInformeP2* paso2 = Paso2();
            ventana = paso2;
            if (caja == "S")
                Pulsar(paso2->CB_SoloClave);
        } else {
            MainForm->Obtener1->trigger();
            ventana = F_ObtenerInformeP1;
            if (paso == 1)
                Elegir(F_ObtenerInformeP1->CB_Dimension, 2);
        }
        QCOMPARE(testing::Vuelta(ventana), vuelta);
    }

    // Steps: S and T click the two boxes, CODE an item (iCODE an indicator).
    void seleccion_data()
    {
        QTest::addColumn<QString>("pasos");
        QTest::addColumn<QString>("resultado");
        const auto fila = [](const char* nombre, const char* pasos, const char* resultado) {
            QTest::newRow(nombre) << pasos << resultado;
        };
        fila("solo claves", "S", "1000,1002,1011,i1 S");
        fila("solo claves guarda medidas a mano", "1001 i2 S", "1000,1001,1002,1011,i1 S");
        fila("solo claves tras todos", "T S", "1000,1002,1011,i1 S");
        fila("desmarcar solo claves", "S 1010 i2 S", "1010,i2 -");
        fila("todos tras solo claves", "S T", "1000,1001,1002,1010,1011,i2,i1 T");
        fila("desmarcar todos", "T 1001 T", "- -");
    }

    void seleccion()
    {
        QFETCH(QString, pasos);
        QFETCH(QString, resultado);
        TF_ObtenerInformeP2* paso2 = Paso2();
        for (const QString& paso : pasos.split(QLatin1Char(' '))) {
            QWidget* control = paso == QLatin1String("S")   ? paso2->CB_SoloClave
                               : paso == QLatin1String("T") ? paso2->CB_Todos
                                                            : Elemento(paso2, paso);
            Pulsar(control);
            QVERIFY(!(paso2->CB_SoloClave->isChecked() && paso2->CB_Todos->isChecked()));
        }
        const QString caja = paso2->CB_SoloClave->isChecked() ? QStringLiteral("S")
                             : paso2->CB_Todos->isChecked()   ? QStringLiteral("T")
                                                              : QStringLiteral("-");
        QCOMPARE(Marcados(paso2) + QLatin1Char(' ') + caja, resultado);
    }

    // Ticked measures, then ticked indicators, numbered from 1; an item gone meanwhile is
    // left out; again from 1 the second time; the table empty once the preview closes.
    void finalizar()
    {
        QPointer<TF_ObtenerInformeP2> paso2 = Paso2();
        for (const char* codigo : {"1002", "1001", "1011", "i1", "i2"})
            Pulsar(Elemento(paso2, QString::fromLatin1(codigo)));
        Db().Exec(QStringLiteral("DELETE FROM Indicador WHERE codigo=1001"));
        Db().Exec(QStringLiteral("UPDATE IRendimiento SET definicion='Tasa de abandono escolar' "
                                 "WHERE codigo=1"));
        const QStringList esperadas{"1 Calefacción", "2 Fondos", "3 Índice de inserción laboral",
                                    "4 Tasa de abandono escolar"};
        for (int vez = 0; vez < 2; ++vez) {
            QStringList filas;
            QVERIFY(Finalizar(paso2->B_Aceptar, [&](report::TQRStandardPreview* ventana) {
                for (const QVariantList& fila : Filas())
                    filas << fila.at(0).toString() + QLatin1Char(' ') + fila.at(1).toString() +
                                 (fila.at(2).isNull() ? QString() : QStringLiteral(" con tipo"));
                QVERIFY(ventana->isMaximized());
                QVERIFY(ventana->windowFlags().testFlag(Qt::FramelessWindowHint));
                QVERIFY(!F_CrearEncuestaPFinal->isVisible());
                QCOMPARE(F_CrearEncuestaPFinal->ProgressBar1->value(), 100);
                QCOMPARE(testing::TextsOf(ventana->Pages().first(), "QRLDimension"),
                         QStringList{"Satisfacción"});
            }));
            QCOMPARE(filas, esperadas);
            QVERIFY(Filas().isEmpty());
            QVERIFY(!DM_BdatosADO->Table->Active());
            QVERIFY(!F_InformeIR);
        }
        QVERIFY(paso2 && paso2->isVisible());
        Pulsar(paso2->B_Salir);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!paso2);
        QCOMPARE(ComandosHabilitados(), 10);
    }

    // One preview of generated rows at a time, whichever wizard asks.
    void otraVistaEnPantalla_data()
    {
        QTest::addColumn<bool>("informePrimero");
        QTest::newRow("informe y luego encuesta") << true;
        QTest::newRow("encuesta y luego informe") << false;
    }

    void otraVistaEnPantalla()
    {
        QFETCH(bool, informePrimero);
        TF_ObtenerInformeP2* paso2 = Paso2();
        Pulsar(paso2->CB_Todos);
        auto* paso3 = static_cast<TF_CrearEncuestaP3*>(HastaPaso(3));
        Elegir(paso3->CB_Dimension, 1);
        Pulsar(paso3->CB_SoloClave);
        testing::MessageRecorder mensajes;
        QPushButton* primero = informePrimero ? paso2->B_Aceptar : paso3->B_Aceptar;
        QPushButton* segundo = informePrimero ? paso3->B_Aceptar : paso2->B_Aceptar;
        const int filas = informePrimero ? 7 : 2;
        QVERIFY(ConVistaPrevia([&] { Pulsar(primero); },
                               [&](report::TQRStandardPreview*) {
                                   Pulsar(segundo);
                                   QCOMPARE(Filas().size(), filas);
                               }));
        QCOMPARE(mensajes.Texts(),
                 QStringList{informePrimero ? QStringLiteral("Ya hay un informe en la vista "
                                                             "previa. Ciérrelo antes de generar "
                                                             "otro.")
                                            : QStringLiteral("Ya hay una encuesta en la vista "
                                                             "previa. Ciérrela antes de generar "
                                                             "otra.")});
        QVERIFY(Filas().isEmpty());
        QVERIFY(ConVistaPrevia([&] { Pulsar(segundo); }));
    }

    // A failure while the rows are written: the warning, no row and no report.
    void falloAlEscribir()
    {
        TF_ObtenerInformeP2* paso2 = Paso2();
        Pulsar(paso2->CB_Todos);
        Db().Exec(QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON PregEncTemp WHEN "
                                 "NEW.posicion = 3 BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
        testing::MessageRecorder mensajes;
        QVERIFY(!Finalizar(paso2->B_Aceptar));
        QCOMPARE(mensajes.Texts(),
                 QStringList{QStringLiteral("Error en la generación de los registros temporales")});
        QCOMPARE(mensajes.messages.first().icon, QMessageBox::Warning);
        QVERIFY(Filas().isEmpty());
        QVERIFY(!F_InformeIR);
        QVERIFY(!F_CrearEncuestaPFinal->isVisible());
    }

    // Step 2 closed while its report is on screen: the report stays until its preview
    // closes, and then cleans up as always.
    void pasoCerradoConLaVistaAbierta()
    {
        QPointer<TF_ObtenerInformeP2> paso2 = Paso2();
        Pulsar(paso2->CB_SoloClave);
        QVERIFY(Finalizar(paso2->B_Aceptar, [&](report::TQRStandardPreview* ventana) {
            Pulsar(paso2->B_Salir);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!paso2);
            QVERIFY(ventana->isVisible());
            QCOMPARE(Filas().size(), 4);
        }));
        QVERIFY(Filas().isEmpty());
        QVERIFY(!F_InformeIR);
        QCOMPARE(ComandosHabilitados(), 10);
    }
};

DIMARVOLTECA_TEST_MAIN(TestObtenerInforme)
#include "TestObtenerInforme.moc"
