// Step 3 of a new questionnaire: its views, the two selection boxes, and FINALIZAR:
// the rows it writes for the questionnaire and the preview.

#include "Entorno.h"

#include "platform/report/Controls.h"

#include <QHelpEvent>
#include <QScrollArea>
#include <QTextDocument>
#include <QToolTip>

using namespace encuesta;
using testing::TextsOf;

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

    // Step 3, and `pasos` done in it: vK chooses view K (0 = all), S and T click the two
    // boxes, mCODE clicks a measure, F leaves a row of an earlier questionnaire in the
    // scratch table. At most one of the two boxes is ticked after every handler.
    TF_CrearEncuestaP3* Paso3(const QString& pasos = QString())
    {
        auto* paso3 = static_cast<TF_CrearEncuestaP3*>(HastaPaso(3));
        for (const QString& paso : pasos.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (paso.startsWith(QLatin1Char('v')))
                Elegir(paso3->CB_Dimension, paso.mid(1).toInt());
            else if (paso == QLatin1String("S") || paso == QLatin1String("T"))
                Pulsar(paso == QLatin1String("S") ? paso3->CB_SoloClave : paso3->CB_Todos);
            else if (paso == QLatin1String("F"))
                Db().Exec(QStringLiteral("INSERT INTO PregEncTemp VALUES(1,'¿Otra?',0)"));
            else
                Pulsar(Caja(paso.mid(1).toInt()));
            const bool una = !(paso3->CB_SoloClave->isChecked() && paso3->CB_Todos->isChecked());
            if (!QTest::qVerify(una && !QTest::currentTestFailed(), "paso", qPrintable(paso),
                                __FILE__, __LINE__))
                break;
        }
        return paso3;
    }

    // The scratch table's rows as "question/scale", numbered in their order from 1 (a
    // row out of its turn shows its number after "@").
    QString Escritas()
    {
        QStringList filas;
        for (const QVariantList& fila : Filas()) {
            const bool enSuTurno = fila.at(0).toInt() == filas.size() + 1;
            filas << fila.at(1).toString() + QLatin1Char('/') + fila.at(2).toString() +
                         (enSuTurno ? QString() : QLatin1Char('@') + fila.at(0).toString());
        }
        return filas.join(QLatin1Char(' '));
    }

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
        TF_CrearEncuestaP3* paso3 =
            Paso3(vista >= 0 ? QStringLiteral("v%1").arg(vista) : QString());
        QCOMPARE(paso3->CB_SoloClave->isEnabled() && paso3->CB_Todos->isEnabled(), vista >= 0);
        QTEST(paso3->Label3->toolTip(), "descripcion");
        QTEST(Lugares(paso3->SB_IndicadoresContenido), "lugares");
    }

    // Stored texts show as they were typed, tags, '&' and line breaks included: a
    // measure's box, which takes no keyboard shortcut from them, a subdimension's title
    // and its description.
    void textosGuardados()
    {
        const QString medida = QStringLiteral("<b>Luz</b> & sombra&s");
        const QString titulo = QStringLiteral("Aulas & <i>talleres</i>");
        const QString descripcion =
            QStringLiteral("<h1>Estado</h1>\r\nde las aulas &amp; talleres");
        Db().Exec(QStringLiteral("UPDATE Indicador SET definicion=? WHERE codigo=1001"), {medida});
        Db().Exec(
            QStringLiteral("UPDATE Dimension SET definicion=?, descripcion=? WHERE codigo=100"),
            {titulo, descripcion});
        TF_CrearEncuestaP3* paso3 = Paso3("v1");
        QCOMPARE(Mostrado(Caja(1001)), medida);

        const QPoint punto(4, 4);
        QHelpEvent ayuda(QEvent::ToolTip, punto, paso3->Label3->mapToGlobal(punto));
        QCoreApplication::sendEvent(paso3->Label3, &ayuda);
        QTextDocument mostrada;
        mostrada.setHtml(QToolTip::text());
        QToolTip::hideText();
        QCOMPARE(mostrada.toPlainText(), QString(descripcion).replace("\r\n", "\n"));

        Elegir(paso3->CB_Dimension, 0);
        QVERIFY(Lugares(paso3->SB_IndicadoresContenido).startsWith(titulo + "@20,20 "));
    }

    void nombresEnUnaLinea_data() { testing::SaltosDeLinea(); }

    // A name stored on two lines shows whole on the one line of each place that shows
    // it, the break as a blank: the header list, step 2's groups and dimensions, step 3's
    // list, titles and boxes, each as wide as its caption plus 20. What the windows hand
    // on and the list's tooltip keep the name as stored.
    void nombresEnUnaLinea()
    {
        QFETCH(QString, salto);
        const QStringList guardados{"IES" + salto + "Zeta", "Alum" + salto + "nado",
                                    "Satis" + salto + "facción", "Aulas" + salto + "y talleres",
                                    "Ilumi" + salto + "nación"};
        Db().Exec(QStringLiteral("UPDATE CabeceraEncuesta SET centro=? WHERE codigo=1;"),
                  {guardados[0]});
        int tabla = 1;
        for (const char* sql : {"UPDATE Criterio SET definicion=? WHERE codigo=1",
                                "UPDATE Subcriterio SET definicion=? WHERE codigo=10",
                                "UPDATE Dimension SET definicion=? WHERE codigo=100",
                                "UPDATE Indicador SET definicion=? WHERE codigo=1001"})
            Db().Exec(QString::fromLatin1(sql), {guardados[tabla++]});
        TF_CrearEncuestaP3* paso3 = Paso3("v1");
        QCOMPARE(F_CrearEncuestaP1->CB_Cabecera->itemText(1), QStringLiteral("IES Zeta"));
        QCOMPARE(F_CrearEncuestaP1->E_Centro->text(), guardados[0]);
        QCOMPARE(Mostrado(F_CrearEncuestaP2->RG_Criterio->Button(0)), QStringLiteral("Alum nado"));
        QCOMPARE(Mostrado(F_CrearEncuestaP2->RG_Subcriterio->Button(1)),
                 QStringLiteral("Satis facción"));
        QCOMPARE(paso3->CB_Dimension->itemText(1), QStringLiteral("Aulas y talleres"));
        QCOMPARE(paso3->CB_Dimension->toolTip(), guardados[3]);
        QCOMPARE(Mostrado(Caja(1001)), QStringLiteral("Ilumi nación"));
        QCOMPARE(MalMedidos(paso3->SB_IndicadoresContenido), QStringList());
        Elegir(paso3->CB_Dimension, 0);
        QVERIFY(Lugares(paso3->SB_IndicadoresContenido).startsWith("Aulas y talleres@20,20 "));
        QCOMPARE(MalMedidos(paso3->SB_IndicadoresContenido), QStringList());
    }

    // A view change puts the focus on the view's first box, or leaves it on the list when
    // the view has none; from there Tab goes through the view's boxes top to bottom
    // (whatever order they were made in), then on in the window's order; Shift+Tab comes
    // back the same way.
    void tabulador_data()
    {
        QTest::addColumn<QString>("pasos");
        QTest::addColumn<QString>("recorrido");
        const QString resto = "B_Atras B_Aceptar B_Salir CB_Todos CB_Dimension CB_SoloClave";
        QTest::newRow("Aulas") << "v1"
                               << "Calefacción Iluminación Limpieza " + resto + " Calefacción";
        QTest::newRow("Todas") << "v2 v0"
                               << "Calefacción Iluminación Limpieza Fondos Horario " + resto +
                                      " Calefacción";
        QTest::newRow("Comedor, sin medidas") << "v3"
                                              << "CB_Dimension CB_SoloClave " + resto;
    }

    void tabulador()
    {
        QFETCH(QString, pasos);
        QFETCH(QString, recorrido);
        TF_CrearEncuestaP3* paso3 = Paso3(pasos);
        QWidget* foco = Foco();
        QVERIFY(foco);
        QCOMPARE(foco->objectName().isEmpty() ? Mostrado(foco) : foco->objectName(),
                 recorrido.section(' ', 0, 0));
        recorrido = recorrido.section(' ', 1);
        QStringList ida = recorrido.split(' ');
        QCOMPARE(Tabular(paso3, int(ida.size())), ida);
        ida.removeLast();
        QCOMPARE(Tabular(paso3, int(ida.size()), true), ida);
    }

    // The keyboard round before any view, in each kind of view, after a choice made in
    // one and once the step comes back from step 2 (`pasos` as Paso3 takes them, "A" for
    // ATRAS and SIGUIENTE of step 2).
    void teclado_data()
    {
        QTest::addColumn<QString>("pasos");
        QTest::addColumn<QString>("vuelta");
        const QString aulas = "Calefacción, Iluminación, Limpieza, ";
        const QString botones = "B_Atras, B_Aceptar, B_Salir, CB_Todos";
        const QString resto = botones + ", CB_Dimension, CB_SoloClave";
        QTest::newRow("sin vista") << ""
                                   << "B_Atras, B_Aceptar, B_Salir, CB_Dimension";
        QTest::newRow("Aulas") << "v1"
                               << "Iluminación, Limpieza, " + resto + ", Calefacción";
        QTest::newRow("Aulas, todos") << "v1 T"
                                      << "CB_Dimension, CB_SoloClave, " + aulas + botones;
        QTest::newRow("Todas, una marcada")
            << "v0 m1002"
            << "Iluminación, Limpieza, Fondos, Horario, " + resto + ", Calefacción";
        QTest::newRow("Comedor") << "v3"
                                 << "CB_SoloClave, " + botones + ", CB_Dimension";
        QTest::newRow("Aulas, de vuelta") << "v1 A"
                                          << "CB_SoloClave, " + aulas + botones + ", CB_Dimension";
    }

    void teclado()
    {
        QFETCH(QString, pasos);
        QFETCH(QString, vuelta);
        const bool atras = pasos.endsWith(QLatin1Char('A'));
        TF_CrearEncuestaP3* paso3 = Paso3(atras ? pasos.chopped(2) : pasos);
        if (atras) {
            Pulsar(paso3->B_Atras);
            Pulsar(F_CrearEncuestaP2->B_Siguiente);
        }
        QCOMPARE(testing::Vuelta(paso3), vuelta);
    }

    // A view chosen in any way puts the focus on its first box, or leaves it on the list
    // when the view has none; the round from there comes home and Shift+Tab retraces it.
    // A click where the scroll box holds no box leaves the focus where it is.
    void focoTrasElegir_data()
    {
        QTest::addColumn<QString>("pasos");
        QTest::addColumn<int>("como");
        QTest::addColumn<int>("vista");
        QTest::addColumn<QString>("vuelta");
        const QString resto = "B_Atras, B_Aceptar, B_Salir, CB_Todos, CB_Dimension, CB_SoloClave";
        const QString comedor = "CB_SoloClave, B_Atras, B_Aceptar, B_Salir, CB_Todos, CB_Dimension";
        const int raton = int(testing::Eleccion::Raton), teclas = int(testing::Eleccion::Teclas),
                  cerrada = int(testing::Eleccion::Cerrada);
        QTest::newRow("teclas") << "" << teclas << 1
                                << "Iluminación, Limpieza, " + resto + ", Calefacción";
        QTest::newRow("ratón, Comedor") << "v1" << raton << 3 << comedor;
        QTest::newRow("abajo, Comedor") << "v2" << cerrada << 3 << comedor;
        QTest::newRow("arriba") << "v3" << cerrada << 2 << "Horario, " + resto + ", Fondos";
        QTest::newRow("ratón, Todas")
            << "v3" << raton << 0
            << "Iluminación, Limpieza, Fondos, Horario, " + resto + ", Calefacción";
    }

    void focoTrasElegir()
    {
        QFETCH(QString, pasos);
        QFETCH(int, como);
        QFETCH(int, vista);
        QFETCH(QString, vuelta);
        TF_CrearEncuestaP3* paso3 = Paso3(pasos);
        QVERIFY(testing::ElegirEn(paso3->CB_Dimension, vista, testing::Eleccion(como)));
        QCOMPARE(testing::Vuelta(paso3), vuelta);
        QWidget* foco = Foco();
        QWidget* area = paso3->SB_Indicadores->viewport();
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(area->width() - 4, area->height() - 4));
        QCOMPARE(Foco(), foco);
    }

    // Where the keyboard leaves the focus, on the blue of the boxes' area, it can be seen:
    // the box with it is framed in the colour of its caption.
    void focoSeVe()
    {
        TF_CrearEncuestaP3* paso3 = Paso3();
        QVERIFY(testing::ElegirEn(paso3->CB_Dimension, 1, testing::Eleccion::Teclas));
        testing::Vuelta(paso3);
        auto* caja = qobject_cast<QCheckBox*>(Foco());
        QVERIFY2(caja, "the focus is on no check box");
        const QColor texto = caja->palette().color(caja->foregroundRole());
        const auto enColorDelTexto = [&] {
            const QImage imagen = caja->grab().toImage();
            int n = 0;
            for (int y = 0; y < imagen.height(); ++y)
                for (int x = 0; x < imagen.width(); ++x)
                    n += qAbs(qGray(imagen.pixel(x, y)) - qGray(texto.rgb())) < 40;
            return n;
        };
        const int conFoco = enColorDelTexto();
        QTest::keyClick(caja, Qt::Key_Tab);
        QVERIFY(Foco() != caja);
        const int sinFoco = enColorDelTexto();
        // A dotted frame round the caption: a pixel in two along its four sides.
        QVERIFY2(conFoco - sinFoco >= caja->height(),
                 qPrintable(QStringLiteral("%1 pixels of the caption's colour with the focus, %2 "
                                           "without")
                                .arg(conFoco)
                                .arg(sinFoco)));
    }

    // Each control is made the first time its item shows and is then only moved, shown
    // and hidden; a tick made in one view is there in the other.
    void controlesHechosUnaVez()
    {
        TF_CrearEncuestaP3* paso3 = Paso3("v1 m1001");
        QWidget* contenido = paso3->SB_IndicadoresContenido;
        QCheckBox* iluminacion = Caja(1001);
        Elegir(paso3->CB_Dimension, 0);
        QCOMPARE(Caja(1001), iluminacion);
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

    // Outcome: the ticked measures, the ticked box (S, T or -), and per view the flags of
    // "solo los clave" and of "todos".
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
        fila("desmarcar solo clave", "v1 S m1001 S", "1001 - 0000 0000");
        fila("desmarcar todos en una", "v0 T v1 T", "1010,1011 - 0000 0011");
        fila("bandera 0 de todos", "v1 T v2 T v3 T v2 m1010 v0", "1000,1001,1002,1011 T 0000 1111");
        fila("bandera 0 de clave", "v1 S v2 S v3 S v2 m1010 v0", "1000,1002,1010,1011 S 1111 0000");
        fila("desmarcar todos a mano en todas", "v0 T m1001 T", "- - 0000 0000");
        fila("todas, todos sin bandera 0", "v2 m1011 v1 T v0", "1000,1001,1002 - 0000 0100");
        fila("todas, clave sin bandera 0", "v2 m1011 m1010 v1 S v0", "1000,1002,1010 - 0100 0000");
        fila("todas, clave y todos de otra", "v2 T v1 S v0", "1000,1002,1010,1011 - 0100 0010");
        fila("otra deshace marcas a mano", "v2 m1010 v1 T v2", "1000,1001,1002 - 0000 0100");
        fila("volver marca toda la vista", "v1 T m1001 v2 v1", "1000,1001,1002 T 0000 0100");
        fila("clave: otra pierde claves", "v2 m1011 m1010 v1 S v2", "1000,1002,1010 - 0100 0000");
        fila("clave, todos y clave en todas", "v0 S T S", "1000,1002,1011 S 1111 0000");
        fila("todos en todas, clave en una", "v0 T v1 S", "1000,1002,1010,1011 S 0100 0011");
        // In force in every subdimension but the last: not in the all view, and in each
        // subdimension as it was set.
        fila("clave menos en la última, en todas", "v1 S v2 S v3 v0", "1000,1002,1011 - 0110 0000");
        fila("clave menos en la última, en 1", "v1 S v2 S v3 v0 v1", "1000,1002,1011 S 0110 0000");
        fila("clave menos en la última, en 2", "v1 S v2 S v3 v0 v2", "1000,1002,1011 S 0110 0000");
        fila("clave menos en la última, en 3", "v1 S v2 S v3 v0 v3", "1000,1002,1011 - 0110 0000");
    }

    void reglasDeSeleccion()
    {
        QFETCH(QString, pasos);
        testing::MessageRecorder mensajes;
        TF_CrearEncuestaP3* paso3 = Paso3(pasos);
        QStringList codigos;
        for (int codigo : Marcadas())
            codigos << QString::number(codigo);
        codigos.sort(); // all of four digits
        const char* casilla = paso3->CB_SoloClave->isChecked() ? "S"
                              : paso3->CB_Todos->isChecked()   ? "T"
                                                               : "-";
        QTEST(QStringList({codigos.isEmpty() ? QStringLiteral("-") : codigos.join(','), casilla,
                           Banderas(paso3->VSoloClave), Banderas(paso3->VTodos)})
                  .join(' '),
              "resultado");
        QVERIFY(mensajes.messages.isEmpty());
    }

    // Measures added to or taken from a subdimension while the step is open: a new one
    // gets a box of its own and is written in its place; a removed one is neither shown
    // nor written.
    void catalogoQueCambia()
    {
        TF_CrearEncuestaP3* paso3 = Paso3("v0 v1 m1001 m1000");
        QCheckBox* calefaccion = Caja(1002);
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
        QCOMPARE(Escritas(), QStringLiteral("¿Acústica?/1 ¿Calefacción?/0 ¿Iluminación?/1 "
                                            "¿Fondos?/0 ¿Horario?/1"));
    }

    // A subdimension longer than the box: when its measures change order every box and
    // marker goes to its measure's new row, and the measures in sight repaint however
    // far the box is scrolled.
    void subdimensionLarga()
    {
        QStringList lugares{QStringLiteral("Iluminación@60,20 CLAVE@10,60 Limpieza@60,60")};
        for (int i = 0; i < 20; ++i) {
            const QString medida = QStringLiteral("Medida %1").arg(i, 2, 10, QLatin1Char('0'));
            Db().Exec(QStringLiteral("INSERT INTO Indicador VALUES(?,?,0,0,100,0)"),
                      {1020 + i, medida});
            lugares << QStringLiteral("%1@60,%2").arg(medida).arg(100 + 40 * i);
        }
        lugares << QStringLiteral("CLAVE@10,900 Calefacción@60,900");
        TF_CrearEncuestaP3* paso3 = Paso3("v1");
        Db().Exec(QStringLiteral("UPDATE Indicador SET definicion='Zona' WHERE codigo=1002"));
        Elegir(paso3->CB_Dimension, 1);
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

    // FINALIZAR, twice: the ticked measures written (subdimensions in list order,
    // measures by definition, each once, with its own question's text and scale) and
    // shown under step 1's header and the dimension, on one page at least. Closing the
    // preview empties and closes the table and frees the report window; the step stays
    // as it was, its progress windows hidden until it goes. A failure half-way, before
    // that, leaves an error, no rows behind and the progress window where it stopped.
    void finalizar_data()
    {
        QTest::addColumn<QString>("pasos");
        QTest::addColumn<QString>("filas");
        QTest::addColumn<QString>("averia");
        QTest::addColumn<QString>("arreglo");
        QTest::addColumn<int>("progreso");
        const auto fila = [](const char* nombre, const char* pasos, const char* filas,
                             const char* averia = "", const char* arreglo = "", int progreso = 0) {
            QTest::newRow(nombre) << pasos << filas << averia << arreglo << progreso;
        };
        const char* todas = "¿Calefacción?/0 ¿Iluminación?/1 ¿Limpieza?/0 ¿Fondos?/0 ¿Horario?/1";
        fila("marcadas en dos vistas", "v2 m1010 v0 m1000 m1002",
             "¿Calefacción?/0 ¿Limpieza?/0 ¿Horario?/1");
        fila("antes de elegir una entrada", "", "");
        fila("con nada marcado", "v0", "");
        // A row that no preview shows any longer is not part of the new questionnaire.
        fila("con una fila que ya no se ve", "v0 F", "");
        fila("falla al escribir las preguntas", "v0 T", todas,
             "CREATE TRIGGER falla BEFORE INSERT ON PregEncTemp WHEN NEW.posicion = 3 "
             "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END",
             "DROP TRIGGER falla", 25);
        fila("falla al nombrar la dimension", "v0 T", todas,
             "ALTER TABLE Subcriterio RENAME TO Otra", "ALTER TABLE Otra RENAME TO Subcriterio",
             75);
    }

    void finalizar()
    {
        QFETCH(QString, pasos);
        QFETCH(QString, averia);
        QFETCH(QString, arreglo);
        QFETCH(int, progreso);
        QPointer<TF_CrearEncuestaP3> paso3 = Paso3(pasos);
        const QSet<int> marcadas = Marcadas();
        testing::MessageRecorder mensajes;
        if (!averia.isEmpty()) {
            Db().Exec(averia);
            QVERIFY(!Finalizar(paso3->B_Aceptar));
            QCOMPARE(mensajes.messages.size(), 1);
            QCOMPARE(mensajes.messages.first().icon, QMessageBox::Critical);
            QVERIFY(Filas().isEmpty());
            QVERIFY(!F_Encuesta);
            QVERIFY(F_CrearEncuestaPFinal->isVisible());
            QCOMPARE(F_CrearEncuestaPFinal->ProgressBar1->value(), progreso);
            Db().Exec(arreglo);
            mensajes.Clear();
        }
        QPointer<TF_CrearEncuestaPFinal> primerProgreso;
        for (int vez = 0; vez < 2; ++vez) {
            QString vistas;
            QVector<report::TQRPage> paginas;
            QVERIFY(Finalizar(paso3->B_Aceptar, [&](report::TQRStandardPreview* ventana) {
                vistas = Escritas();
                paginas = ventana->Pages();
                QVERIFY(ventana->isMaximized());
                QVERIFY(ventana->windowFlags().testFlag(Qt::FramelessWindowHint));
                QVERIFY(F_CrearEncuestaPFinal && !F_CrearEncuestaPFinal->isVisible());
                QVERIFY(F_CrearEncuestaPFinal != primerProgreso);
            }));
            QTEST(vistas, "filas");
            QVERIFY(!paginas.isEmpty());
            const report::TQRPage& primera = paginas.first();
            QCOMPARE(TextsOf(primera, QStringLiteral("QRLCentro")) +
                         TextsOf(primera, QStringLiteral("QRLDimension")),
                     (QStringList{"IES Zeta", "Satisfacción"}));
            QCOMPARE(TextsOf(paginas.last(), QStringLiteral("QRLabel13")),
                     QStringList{QStringLiteral("Página %1 de %1").arg(paginas.size())});
            QVERIFY(Filas().isEmpty());
            QVERIFY(!DM_BdatosADO->Table->Active());
            QVERIFY(!F_Encuesta);
            primerProgreso = F_CrearEncuestaPFinal.data();
        }
        QVERIFY(mensajes.messages.isEmpty());
        QVERIFY(paso3 && paso3->isVisible());
        QCOMPARE(Marcadas(), marcadas);
        QVERIFY(primerProgreso && !primerProgreso->isVisible());
        Pulsar(paso3->B_Salir);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!primerProgreso);
    }

    // While a questionnaire is in its preview, no other is written over its rows: not
    // from the same step, nor from the step 3 that replaces it.
    void otraEncuestaEnPantalla()
    {
        QPointer<TF_CrearEncuestaP3> primero = Paso3("v0 T");
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

        QString filas;
        QVERIFY(Finalizar(segundo->B_Aceptar,
                          [&](report::TQRStandardPreview*) { filas = Escritas(); }));
        QCOMPARE(filas, QStringLiteral("¿Tutor?/1"));
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
        QPointer<TF_CrearEncuestaP3> paso3 = Paso3("v1 S");
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
        QVERIFY(Finalizar(Paso3("v3")->B_Aceptar));
    }
};

DIMARVOLTECA_TEST_MAIN(TestPaso3)
#include "TestPaso3.moc"
