// Step 3 of a new questionnaire: its views, the two selection boxes, and FINALIZAR:
// the rows it writes for the questionnaire and the preview.

#include "Entorno.h"

#include "platform/report/Controls.h"

#include <QScrollArea>

using namespace encuesta;

namespace {

QString Banderas(const std::vector<bool>& banderas)
{
    QString texto;
    for (bool b : banderas)
        texto += b ? QLatin1Char('1') : QLatin1Char('0');
    return texto;
}

// The run-time controls made in a scroll box's content.
int Controles(const QWidget* contenido)
{
    return int(contenido->findChildren<QCheckBox*>().size() +
               contenido->findChildren<QLabel*>().size());
}

} // namespace

class TestPaso3 : public PruebaEncuesta
{
    Q_OBJECT

    TF_CrearEncuestaP3* Paso3() { return static_cast<TF_CrearEncuestaP3*>(HastaPaso(3)); }

private slots:
    // Nothing before a view is chosen; then definitions in dictionary order, key measures
    // marked, subdimensions titled in list order in the all view; the chosen
    // subdimension's description on the label.
    void vistas_data()
    {
        QTest::addColumn<int>("vista");
        QTest::addColumn<QString>("descripcion");
        QTest::addColumn<QString>("lugares");
        QTest::newRow("ninguna") << -1 << QString() << QString();
        QTest::newRow("Aulas")
            << 1 << "Estado de las aulas"
            << "CLAVE@10,20 Calefacción@60,20 Iluminación@60,60 CLAVE@10,100 Limpieza@60,100";
        QTest::newRow("Comedor, sin medidas") << 3 << QString("Sin medidas") << QString();
        QTest::newRow("Todas")
            << 0 << QString()
            << "Aulas@20,20 CLAVE@10,50 Calefacción@60,50 Iluminación@60,90 CLAVE@10,130 "
               "Limpieza@60,130 Biblioteca@20,170 CLAVE@10,200 Fondos@60,200 Horario@60,240 "
               "Comedor@20,280";
    }

    void vistas()
    {
        QFETCH(int, vista);
        TF_CrearEncuestaP3* paso3 = Paso3();
        QCOMPARE(paso3->CB_Dimension->count(), 4);
        if (vista >= 0)
            Elegir(paso3->CB_Dimension, vista);
        QCOMPARE(paso3->CB_SoloClave->isEnabled() && paso3->CB_Todos->isEnabled(), vista >= 0);
        QTEST(paso3->Label3->toolTip(), "descripcion");
        QTEST(Lugares(paso3->SB_IndicadoresContenido), "lugares");
    }

    // Each control is made the first time its item shows and is then only moved, shown
    // and hidden; a tick made in one view is there in the other.
    void controlesHechosUnaVez()
    {
        TF_CrearEncuestaP3* paso3 = Paso3();
        QWidget* contenido = paso3->SB_IndicadoresContenido;
        Elegir(paso3->CB_Dimension, 1);
        QCheckBox* iluminacion = Caja(1001);
        Pulsar(iluminacion);
        Elegir(paso3->CB_Dimension, 0);
        QCOMPARE(Caja(1001), iluminacion);
        QVERIFY(iluminacion->isChecked());
        const int hechos = Controles(contenido);
        QCOMPARE(hechos, 5 + 3 + 3);

        Pulsar(Caja(1010));
        for (int vista : {2, 1, 0, 3, 0, 0, 2}) {
            Elegir(paso3->CB_Dimension, vista);
            QCOMPARE(Controles(contenido), hechos);
        }
        QCOMPARE(Marcadas(), (QSet<int>{1001, 1010}));
        // The same entry again: laid out afresh from the top, nothing hidden.
        const QString antes = Lugares(contenido);
        paso3->SB_Indicadores->verticalScrollBar()->setValue(30);
        Elegir(paso3->CB_Dimension, 2);
        QCOMPARE(Lugares(contenido), antes);
        QCOMPARE(paso3->SB_Indicadores->verticalScrollBar()->value(), 0);
    }

    // Steps: vK chooses view K (0 = all), S and T click the two boxes, mCODE clicks a
    // measure. Outcome: the ticked measures, the ticked box (S, T or -), and per view the
    // flags of "solo los clave" and of "todos".
    void reglasDeSeleccion_data()
    {
        QTest::addColumn<QString>("pasos");
        QTest::addColumn<QString>("resultado");
        const auto fila = [](const char* nombre, const char* pasos, const char* resultado) {
            QTest::newRow(nombre) << pasos << resultado;
        };
        fila("solo clave en una", "v1 m1001 S", "1000,1002 S 0100 0000");
        fila("solo clave en todas", "v0 S", "1000,1002,1011 S 1111 0000");
        fila("todos tras solo clave", "v1 S T", "1000,1001,1002 T 0000 0100");
        fila("solo clave tras todos", "v1 T S", "1000,1002 S 0100 0000");
        fila("desmarcar solo clave deja las demas", "v1 S m1001 S", "1001 - 0000 0000");
        fila("desmarcar todos en una", "v0 T v1 T", "1010,1011 - 0000 0011");
        fila("la ultima pone la bandera 0 de todos", "v1 T v2 T v3 T v2 m1010 v0",
             "1000,1001,1002,1011 T 0000 1111");
        fila("la ultima pone la bandera 0 de solo clave", "v1 S v2 S v3 S v2 m1010 v0",
             "1000,1002,1010,1011 S 1111 0000");
        fila("desmarcar todos a mano en todas", "v0 T m1001 T", "- - 0000 0000");
        fila("a todas con todos sin bandera 0", "v2 m1011 v1 T v0", "1000,1001,1002 - 0000 0100");
        fila("a todas con solo clave sin bandera 0", "v2 m1011 m1010 v1 S v0",
             "1000,1002,1010 - 0100 0000");
        fila("a todas con solo clave respeta todos de otra", "v2 T v1 S v0",
             "1000,1002,1010,1011 - 0100 0010");
        fila("otra deshace sus marcas a mano", "v2 m1010 v1 T v2", "1000,1001,1002 - 0000 0100");
        fila("volver marca de nuevo toda la vista", "v1 T m1001 v2 v1",
             "1000,1001,1002 T 0000 0100");
        fila("solo clave: otra pierde sus claves", "v2 m1011 m1010 v1 S v2",
             "1000,1002,1010 - 0100 0000");
        fila("solo clave, todos y vuelta en todas", "v0 S T S", "1000,1002,1011 S 1111 0000");
        fila("todos en todas y solo clave en una", "v0 T v1 S", "1000,1002,1010,1011 S 0100 0011");
    }

    void reglasDeSeleccion()
    {
        QFETCH(QString, pasos);
        QFETCH(QString, resultado);
        TF_CrearEncuestaP3* paso3 = Paso3();
        testing::MessageRecorder mensajes;
        for (const QString& paso : pasos.split(QLatin1Char(' '))) {
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
        QList<int> marcadas = Marcadas().values();
        std::sort(marcadas.begin(), marcadas.end());
        QStringList codigos;
        for (int codigo : marcadas)
            codigos << QString::number(codigo);
        const QString casilla = paso3->CB_SoloClave->isChecked() ? QStringLiteral("S")
                                : paso3->CB_Todos->isChecked()   ? QStringLiteral("T")
                                                                 : QStringLiteral("-");
        QCOMPARE(QStringList({codigos.isEmpty() ? QStringLiteral("-") : codigos.join(','), casilla,
                              Banderas(paso3->VSoloClave), Banderas(paso3->VTodos)})
                     .join(' '),
                 resultado);
        QVERIFY(mensajes.messages.isEmpty());
    }

    // Measures added to or taken from a subdimension while the step is open: a new one
    // gets a box of its own and is written in its place; a removed one is neither shown
    // nor written.
    void catalogoQueCambia()
    {
        TF_CrearEncuestaP3* paso3 = Paso3();
        Elegir(paso3->CB_Dimension, 0);
        Elegir(paso3->CB_Dimension, 1);
        QCheckBox* calefaccion = Caja(1002);
        Pulsar(Caja(1001));
        Pulsar(Caja(1000));
        const int hechos = Controles(paso3->SB_IndicadoresContenido);

        Db().Exec(QStringLiteral("INSERT INTO Pregunta VALUES(5003,'¿Acústica?',1)"));
        Db().Exec(QStringLiteral("INSERT INTO Indicador VALUES(1003,'Acústica',5003,1,100,1)"));
        Db().Exec(QStringLiteral("DELETE FROM Indicador WHERE codigo=1000"));

        Elegir(paso3->CB_Dimension, 0);
        QCOMPARE(Controles(paso3->SB_IndicadoresContenido), hechos + 2);
        QCOMPARE(Caja(1002), calefaccion);
        QCOMPARE(Lugares(paso3->SB_IndicadoresContenido),
                 QStringLiteral("Aulas@20,20 CLAVE@10,50 Acústica@60,50 CLAVE@10,90 "
                                "Calefacción@60,90 Iluminación@60,130 Biblioteca@20,170 "
                                "CLAVE@10,200 Fondos@60,200 Horario@60,240 Comedor@20,280"));

        Pulsar(paso3->CB_Todos);
        paso3->InsertarPregTemp();
        QCOMPARE(Filas(), (QList<QVariantList>{{1, QStringLiteral("¿Acústica?"), 1},
                                               {2, QStringLiteral("¿Calefacción?"), 0},
                                               {3, QStringLiteral("¿Iluminación?"), 1},
                                               {4, QStringLiteral("¿Fondos?"), 0},
                                               {5, QStringLiteral("¿Horario?"), 1}}));
    }

    // A subdimension longer than the box: when its measures change order every box and
    // marker goes to its measure's new row, and the measures in sight repaint however
    // far the box is scrolled.
    void subdimensionLarga()
    {
        for (int i = 0; i < 20; ++i)
            Db().Exec(QStringLiteral("INSERT INTO Indicador VALUES(?,?,0,0,100,0)"),
                      {1020 + i, QStringLiteral("Medida %1").arg(i, 2, 10, QLatin1Char('0'))});
        TF_CrearEncuestaP3* paso3 = Paso3();
        Elegir(paso3->CB_Dimension, 1);
        Db().Exec(QStringLiteral("UPDATE Indicador SET definicion='Zona' WHERE codigo=1002"));
        Elegir(paso3->CB_Dimension, 1);
        QStringList lugares{QStringLiteral("Iluminación@60,20 CLAVE@10,60 Limpieza@60,60")};
        for (int i = 0; i < 20; ++i)
            lugares << QStringLiteral("Medida %1@60,%2")
                           .arg(i, 2, 10, QLatin1Char('0'))
                           .arg(100 + 40 * i);
        lugares << QStringLiteral("CLAVE@10,900 Calefacción@60,900");
        QCOMPARE(Lugares(paso3->SB_IndicadoresContenido), lugares.join(QLatin1Char(' ')));

        Elegir(paso3->CB_Dimension, 0);
        QWidget* ventana = paso3->SB_Indicadores->viewport();
        QScrollBar* barra = paso3->SB_Indicadores->verticalScrollBar();
        for (int valor : {barra->maximum(), 0}) {
            barra->setValue(valor);
            for (QCheckBox* caja : paso3->SB_IndicadoresContenido->findChildren<QCheckBox*>())
                if (QRect(caja->mapTo(ventana, QPoint()), caja->size()).intersects(ventana->rect()))
                    QVERIFY2(caja->updatesEnabled(), qPrintable(caja->text()));
        }
    }

    void deNuevaALaVistaPrevia()
    {
        QPointer<TF_CrearEncuestaP3> paso3 = Paso3();
        Elegir(paso3->CB_Dimension, 2);
        Pulsar(Caja(1010));
        Elegir(paso3->CB_Dimension, 0);
        Pulsar(Caja(1000));
        Pulsar(Caja(1002));

        // Subdimensions in list order, measures by definition, each ticked one once,
        // numbered from 1; texts and scales of each measure's own question.
        const QList<QVariantList> esperadas{{1, QStringLiteral("¿Calefacción?"), 0},
                                            {2, QStringLiteral("¿Limpieza?"), 0},
                                            {3, QStringLiteral("¿Horario?"), 1}};
        QPointer<TF_CrearEncuestaPFinal> primerProgreso;
        for (int vez = 0; vez < 2; ++vez) {
            QList<QVariantList> vistas;
            QVERIFY(Finalizar(paso3->B_Aceptar, [&](report::TQRStandardPreview* ventana) {
                vistas = Filas();
                QVERIFY(ventana->isMaximized());
                QVERIFY(ventana->windowFlags().testFlag(Qt::FramelessWindowHint));
                QVERIFY(F_CrearEncuestaPFinal && !F_CrearEncuestaPFinal->isVisible());
                QCOMPARE(F_CrearEncuestaPFinal->ProgressBar1->value(), 100);
                QVERIFY(F_CrearEncuestaPFinal != primerProgreso);
                QCOMPARE(F_Encuesta->QRLCentro->Caption, QStringLiteral("IES Zeta"));
                QCOMPARE(F_Encuesta->QRLDimension->Caption, QStringLiteral("Satisfacción"));
                QVERIFY(!F_Encuesta->QRI_Logo->Picture.isNull());
            }));
            QCOMPARE(vistas, esperadas);
            // Closing the preview empties and closes the table and frees the report window.
            QVERIFY(Filas().isEmpty());
            QVERIFY(!DM_BdatosADO->Table->Active());
            QVERIFY(!F_Encuesta);
            primerProgreso = F_CrearEncuestaPFinal.data();
        }
        // The step stays as it was, its progress windows hidden until it goes.
        QVERIFY(paso3 && paso3->isVisible());
        QCOMPARE(Marcadas(), (QSet<int>{1000, 1002, 1010}));
        QVERIFY(primerProgreso && !primerProgreso->isVisible());
        Pulsar(paso3->B_Salir);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!primerProgreso);
    }

    void sinPreguntas_data()
    {
        QTest::addColumn<bool>("elegirVista");
        QTest::addColumn<bool>("filaSobrante");
        QTest::newRow("antes de elegir una entrada") << false << false;
        QTest::newRow("con nada marcado") << true << false;
        // A row that no preview shows any longer is not part of the new questionnaire.
        QTest::newRow("con una fila que ya no se ve") << true << true;
    }

    void sinPreguntas()
    {
        QFETCH(bool, elegirVista);
        QFETCH(bool, filaSobrante);
        TF_CrearEncuestaP3* paso3 = Paso3();
        if (elegirVista)
            Elegir(paso3->CB_Dimension, 0);
        if (filaSobrante)
            Db().Exec(QStringLiteral("INSERT INTO PregEncTemp VALUES(1,'¿Otra?',0)"));
        int filas = -1;
        QVector<report::TQRPage> paginas;
        QVERIFY(Finalizar(paso3->B_Aceptar, [&](report::TQRStandardPreview* vista) {
            filas = int(Filas().size());
            paginas = vista->Pages();
        }));
        QCOMPARE(filas, 0);
        // Still one page, header and footer included.
        QCOMPARE(paginas.size(), 1);
        QCOMPARE(testing::TextsOf(paginas.first(), QStringLiteral("QRLabel13")),
                 QStringList{"Página 1 de 1"});
        QCOMPARE(testing::TextsOf(paginas.first(), QStringLiteral("QRLCentro")),
                 QStringList{"IES Zeta"});
    }

    // While a questionnaire is in its preview, no other is written over its rows: not
    // from the same step, nor from the step 3 that replaces it.
    void otraEncuestaEnPantalla()
    {
        QPointer<TF_CrearEncuestaP3> primero = Paso3();
        Elegir(primero->CB_Dimension, 0);
        Pulsar(primero->CB_Todos);
        testing::MessageRecorder mensajes;
        QPointer<TF_CrearEncuestaP3> segundo;
        QVERIFY(Finalizar(primero->B_Aceptar, [&](report::TQRStandardPreview*) {
            TF_CrearEncuestaPFinal* progreso = F_CrearEncuestaPFinal;
            Pulsar(primero->B_Aceptar);
            QCOMPARE(mensajes.Texts(),
                     QStringList{QStringLiteral("Ya hay una encuesta en la vista previa. Ciérrela "
                                                "antes de generar otra.")});
            QCOMPARE(F_CrearEncuestaPFinal.data(), progreso);
            QCOMPARE(Filas().size(), 5);

            Pulsar(primero->B_Atras);
            Pulsar(F_CrearEncuestaP2->RG_Subcriterio->Button(0));
            Pulsar(F_CrearEncuestaP2->B_Siguiente);
            segundo = F_CrearEncuestaP3.data();
            QVERIFY(segundo != primero);
            Elegir(segundo->CB_Dimension, 1);
            Pulsar(segundo->CB_Todos);
            Pulsar(segundo->B_Aceptar);
            QCOMPARE(mensajes.messages.size(), 2);
            QCOMPARE(Filas().size(), 5);
            // The replaced step waits for its preview before it goes.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(primero && !primero->isVisible());
        }));
        QVERIFY(!primero);
        QVERIFY(Filas().isEmpty());

        QList<QVariantList> filas;
        QVERIFY(
            Finalizar(segundo->B_Aceptar, [&](report::TQRStandardPreview*) { filas = Filas(); }));
        QCOMPARE(filas, (QList<QVariantList>{{1, QStringLiteral("¿Tutor?"), 1}}));
    }

    void pasoCerradoConLaVistaAbierta_data()
    {
        QTest::addColumn<bool>("porSalir");
        QTest::newRow("SALIR") << true;
        QTest::newRow("cierre") << false;
    }

    // Closing step 3 frees its questionnaire, and the preview goes with it.
    void pasoCerradoConLaVistaAbierta()
    {
        QFETCH(bool, porSalir);
        QPointer<TF_CrearEncuestaP3> paso3 = Paso3();
        Elegir(paso3->CB_Dimension, 1);
        Pulsar(paso3->CB_SoloClave);
        QPointer<report::TQRStandardPreview> vista;
        QVERIFY(Finalizar(paso3->B_Aceptar, [&](report::TQRStandardPreview* ventana) {
            vista = ventana;
            QCOMPARE(Filas().size(), 2);
            if (porSalir)
                Pulsar(paso3->B_Salir);
            else
                qobject_cast<QMdiSubWindow*>(paso3->parentWidget())->close();
        }));
        QVERIFY(!paso3);
        QVERIFY(!F_Encuesta);
        QVERIFY(!vista || !vista->isVisible());
        QVERIFY(!report::FindPreviewWindow());
        QVERIFY(Filas().isEmpty());
        QCOMPARE(ComandosHabilitados(), 10);

        // The next questionnaire starts afresh.
        Elegir(Paso3()->CB_Dimension, 3);
        QVERIFY(Finalizar(F_CrearEncuestaP3->B_Aceptar));
    }

    // A failure half-way leaves no rows behind and the progress window where it stopped.
    void fallaAMitad_data()
    {
        QTest::addColumn<QString>("averia");
        QTest::addColumn<QString>("arreglo");
        QTest::addColumn<int>("progreso");
        QTest::newRow("al escribir las preguntas")
            << "CREATE TRIGGER falla BEFORE INSERT ON PregEncTemp WHEN NEW.posicion = 3 "
               "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"
            << "DROP TRIGGER falla" << 25;
        QTest::newRow("al nombrar la dimension") << "ALTER TABLE Subcriterio RENAME TO Otra"
                                                 << "ALTER TABLE Otra RENAME TO Subcriterio" << 75;
    }

    void fallaAMitad()
    {
        QFETCH(QString, averia);
        QFETCH(QString, arreglo);
        QFETCH(int, progreso);

        TF_CrearEncuestaP3* paso3 = Paso3();
        Elegir(paso3->CB_Dimension, 0);
        Pulsar(paso3->CB_Todos);
        Db().Exec(averia);
        testing::MessageRecorder mensajes;
        QVERIFY(!Finalizar(paso3->B_Aceptar));
        QCOMPARE(mensajes.messages.size(), 1);
        QCOMPARE(mensajes.messages.first().icon, QMessageBox::Critical);
        QVERIFY(Filas().isEmpty());
        QVERIFY(!F_Encuesta);
        QVERIFY(F_CrearEncuestaPFinal->isVisible());
        QCOMPARE(F_CrearEncuestaPFinal->ProgressBar1->value(), progreso);

        Db().Exec(arreglo);
        mensajes.Clear();
        QList<QVariantList> filas;
        QVERIFY(Finalizar(paso3->B_Aceptar, [&](report::TQRStandardPreview*) { filas = Filas(); }));
        QVERIFY(mensajes.messages.isEmpty());
        QCOMPARE(filas.size(), 5);
        QCOMPARE(filas.last().first().toInt(), 5);
    }
};

DIMARVOLTECA_TEST_MAIN(TestPaso3)
#include "TestPaso3.moc"
