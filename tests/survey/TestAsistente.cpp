// Steps 1 and 2 of a new questionnaire, going back and on through the three steps,
// and the lock of the main window's commands.

#include "Entorno.h"

#include <QCalendarWidget>

using namespace encuesta;

class TestAsistente : public PruebaEncuesta
{
    Q_OBJECT

    TF_CrearEncuestaP1* Paso1() { return static_cast<TF_CrearEncuestaP1*>(HastaPaso(1)); }

    // A day of the calendar from where every key can move the choice both ways without
    // reaching the earliest day offered, today, and whose month starts after it.
    static QDate DiaIntermedio() { return QDate::currentDate().addMonths(2).addDays(-14); }

private slots:
    // How a step is closed: by its SALIR or by the close box of its frame.
    void cierreDevuelveLosComandos_data()
    {
        QTest::addColumn<int>("paso");
        QTest::addColumn<bool>("porSalir");
        QTest::addColumn<bool>("quedaPaso1");
        QTest::addColumn<bool>("quedaPaso2");
        QTest::newRow("SALIR del paso 1") << 1 << true << false << false;
        QTest::newRow("cierre del paso 1") << 1 << false << false << false;
        QTest::newRow("SALIR del paso 2") << 2 << true << false << false;
        QTest::newRow("cierre del paso 2") << 2 << false << true << false;
        QTest::newRow("SALIR del paso 3") << 3 << true << true << false;
        QTest::newRow("cierre del paso 3") << 3 << false << true << true;
    }

    void cierreDevuelveLosComandos()
    {
        QFETCH(int, paso);
        QFETCH(bool, porSalir);
        QFETCH(bool, quedaPaso1);
        QFETCH(bool, quedaPaso2);

        QCOMPARE(ComandosHabilitados(), 10);
        QWidget* ventana = HastaPaso(paso, 0, 0, 0);
        QVERIFY(ventana && ventana->isVisible());
        QCOMPARE(MainForm->ClientArea()->subWindowList().size(), 1);
        QCOMPARE(ComandosHabilitados(), 0);
        if (porSalir)
            Pulsar(ventana->findChild<QPushButton*>(QStringLiteral("B_Salir")));
        else
            ui::FrameOf(ventana)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(ComandosHabilitados(), 10);
        QCOMPARE(bool(F_CrearEncuestaP1), quedaPaso1);
        QCOMPARE(bool(F_CrearEncuestaP2), quedaPaso2);
        QVERIFY(!F_CrearEncuestaP3);
        QVERIFY(VIndicadores.empty());
        // What stays is hidden: no wizard window is left in the work area.
        QCOMPARE(MainForm->ClientArea()->subWindowList().size(), 0);
    }

    void sinCabeceras()
    {
        Db().Exec(QStringLiteral("DELETE FROM CabeceraEncuesta"));
        TF_CrearEncuestaP1* paso1 = Paso1();
        QCOMPARE(paso1->CB_Cabecera->count(), 0);
        QVERIFY(!paso1->B_Siguiente->isEnabled());
    }

    // A list that cannot be read: the error box, no window left behind, the commands back.
    void listaIlegible()
    {
        Db().Exec(QStringLiteral("DROP TABLE CabeceraEncuesta"));
        testing::MessageRecorder mensajes;
        ui::RunGuarded([] { HastaPaso(1); });
        QCOMPARE(mensajes.messages.size(), 1);
        QCOMPARE(mensajes.messages.first().icon, QMessageBox::Critical);
        QVERIFY(!F_CrearEncuestaP1);
        QCOMPARE(ComandosHabilitados(), 10);
        QCOMPARE(MainForm->ClientArea()->subWindowList().size(), 0);
    }

    // The header chosen (the list is ordered by centre name) shows in step 1 and reaches
    // the questionnaire with the date when "Incluir" is ticked, by hand or by a click on
    // the calendar; the choice focuses SIGUIENTE, which Enter then presses. A single
    // border: the frame keeps the size the window gives itself.
    void cabeceraYFecha_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("clicEnCalendario");
        QTest::addColumn<int>("clicsEnIncluir");
        QTest::addColumn<bool>("conFecha");
        QTest::newRow("sin logo, sin tocar la fecha") << 0 << false << 0 << false;
        QTest::newRow("con logo, Incluir sin calendario") << 1 << false << 1 << true;
        QTest::newRow("clic en un dia") << 0 << true << 0 << true;
        QTest::newRow("clic y luego desmarcar") << 1 << true << 1 << false;
    }

    void cabeceraYFecha()
    {
        QFETCH(int, item);
        QFETCH(bool, clicEnCalendario);
        QFETCH(int, clicsEnIncluir);
        QFETCH(bool, conFecha);
        const QString centro = item ? QStringLiteral("IES Zeta") : QStringLiteral("CIPFP Alfa");
        const QString direccion = item ? QStringLiteral("Calle Mayor 1") : "Avenida 2";

        TF_CrearEncuestaP1* paso1 = Paso1();
        QWidget* marco = ui::FrameOf(paso1);
        QCOMPARE(marco->minimumSize(), marco->maximumSize());
        QVERIFY(!paso1->B_Siguiente->isEnabled());
        Elegir(paso1->CB_Cabecera, item);
        QCOMPARE(paso1->focusWidget(), paso1->B_Siguiente);
        QTest::keyClick(paso1->B_Siguiente, Qt::Key_Return);
        QVERIFY(!paso1->Panel1->isVisible() && paso1->P_Cabecera->isVisible());
        QCOMPARE(paso1->E_Centro->text() + "|" + paso1->E_Direccion->text(),
                 centro + "|" + direccion);
        QCOMPARE(!paso1->I_Logo->pixmap().isNull(), bool(item));
        QVERIFY(!paso1->CB_IncluirFecha->isChecked());
        if (clicEnCalendario) {
            auto* dias = paso1->MonthCalendar1->findChild<QTableView*>();
            // The last cell of the month grid is always after today.
            const QModelIndex celda = dias->model()->index(dias->model()->rowCount() - 1,
                                                           dias->model()->columnCount() - 1);
            QTest::mouseClick(dias->viewport(), Qt::LeftButton, {},
                              dias->visualRect(celda).center());
            QVERIFY(paso1->MonthCalendar1->selectedDate() > QDate::currentDate());
            QVERIFY(paso1->CB_IncluirFecha->isChecked());
        }
        for (int i = 0; i < clicsEnIncluir; ++i)
            Pulsar(paso1->CB_IncluirFecha);

        Pulsar(paso1->B_Siguiente);
        const TCabecera& cabecera = DM_Encuesta->Cabecera;
        QCOMPARE(cabecera.Centro + "|" + cabecera.Direccion, centro + "|" + direccion);
        QCOMPARE(cabecera.Fecha, conFecha ? paso1->MonthCalendar1->selectedDate() : QDate());
        QCOMPARE(cabecera.Logo->HasGraphic(), bool(item));
        if (item)
            QCOMPARE(cabecera.Logo->ToImage().pixelColor(10, 10), QColor(200, 30, 30));
    }

    // A day chosen with the keyboard counts as one clicked: each key that moves the
    // choice, pressed on a day from where it can move either way, and Enter tick
    // "Incluir", and the questionnaire takes the day chosen; Tab only passes through.
    void fechaConTeclado_data()
    {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QDate>("fecha"); // none: no date reaches the questionnaire
        const QDate dia = DiaIntermedio();
        QTest::newRow("izquierda") << int(Qt::Key_Left) << dia.addDays(-1);
        QTest::newRow("derecha") << int(Qt::Key_Right) << dia.addDays(1);
        QTest::newRow("arriba") << int(Qt::Key_Up) << dia.addDays(-7);
        QTest::newRow("abajo") << int(Qt::Key_Down) << dia.addDays(7);
        QTest::newRow("RePág") << int(Qt::Key_PageUp) << dia.addMonths(-1);
        QTest::newRow("AvPág") << int(Qt::Key_PageDown) << dia.addMonths(1);
        QTest::newRow("Inicio") << int(Qt::Key_Home) << QDate(dia.year(), dia.month(), 1);
        QTest::newRow("Fin") << int(Qt::Key_End)
                             << QDate(dia.year(), dia.month(), dia.daysInMonth());
        QTest::newRow("Intro") << int(Qt::Key_Return) << dia;
        QTest::newRow("Intro del teclado numérico") << int(Qt::Key_Enter) << dia;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << QDate();
    }

    void fechaConTeclado()
    {
        QFETCH(int, tecla);
        QFETCH(QDate, fecha);
        TF_CrearEncuestaP1* paso1 = Paso1();
        Elegir(paso1->CB_Cabecera, 0);
        Pulsar(paso1->B_Siguiente);
        QCalendarWidget* calendario = paso1->MonthCalendar1;
        calendario->setSelectedDate(DiaIntermedio());
        paso1->CB_IncluirFecha->setChecked(false);
        auto* dias = calendario->findChild<QTableView*>();
        Foco();
        dias->setFocus(Qt::TabFocusReason);
        QTest::keyClick(dias, Qt::Key(tecla));
        QCOMPARE(calendario->selectedDate(), fecha.isValid() ? fecha : DiaIntermedio());
        QCOMPARE(paso1->CB_IncluirFecha->isChecked(), fecha.isValid());
        Pulsar(paso1->B_Siguiente);
        QCOMPARE(DM_Encuesta->Cabecera.Fecha, fecha);
    }

    // Back from step 2 to the list for a centre whose logo is damaged: the error box,
    // and nothing of the first centre reaches the questionnaire. Step 2 keeps its
    // choice, and its SALIR ends the whole activity.
    void atrasYOtroCentro()
    {
        Db().Exec(QStringLiteral("UPDATE CabeceraEncuesta SET logo=? WHERE codigo=2"),
                  {QByteArray("esto no es un mapa de bits")});
        QPointer<TF_CrearEncuestaP1> paso1 = Paso1();
        Elegir(paso1->CB_Cabecera, 1);
        Pulsar(paso1->B_Siguiente);
        QVERIFY(!paso1->I_Logo->pixmap().isNull());
        Pulsar(paso1->B_Siguiente);
        QPointer<TDM_Encuesta> primero = DM_Encuesta.data();
        QPointer<TF_CrearEncuestaP2> paso2 = F_CrearEncuestaP2.data();
        Pulsar(paso2->RG_Criterio->Button(1));
        Pulsar(paso2->B_Atras);
        QVERIFY(paso1->isVisible() && paso1->CabeceraMostrada && !paso2->isVisible());
        Pulsar(paso1->B_Atras);
        QVERIFY(paso1->Panel1->isVisible() && !paso1->P_Cabecera->isVisible());

        testing::MessageRecorder mensajes;
        Elegir(paso1->CB_Cabecera, 0);
        Pulsar(paso1->B_Siguiente);
        QCOMPARE(mensajes.messages.size(), 1);
        QCOMPARE(mensajes.messages.first().icon, QMessageBox::Critical);
        QVERIFY(paso1->I_Logo->pixmap().isNull());

        Pulsar(paso1->B_Siguiente);
        QCOMPARE(F_CrearEncuestaP2.data(), paso2.data());
        QCOMPARE(paso2->RG_Criterio->ItemIndex(), 1);
        QVERIFY(primero && DM_Encuesta && DM_Encuesta != primero);
        QCOMPARE(DM_Encuesta->Cabecera.Centro, QStringLiteral("CIPFP Alfa"));
        QCOMPARE(DM_Encuesta->Cabecera.Telefono, QStringLiteral("960000002"));
        QVERIFY(!DM_Encuesta->Cabecera.Logo->HasGraphic());
        QPointer<TDM_Encuesta> segundo = DM_Encuesta.data();

        Pulsar(paso2->B_Salir);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!paso1 && !paso2 && !F_CrearEncuestaP1 && !F_CrearEncuestaP2);
        QVERIFY(!primero && !segundo && !DM_Encuesta);
        QCOMPARE(ComandosHabilitados(), 10);
    }

    // A stored header whose centre is blank once trimmed (control characters too) is
    // refused in phase 2; one visible letter among the blanks goes on to step 2.
    void centroEnBlanco_data()
    {
        QTest::addColumn<QString>("centro");
        QTest::addColumn<bool>("pasa");
        QTest::newRow("vacio") << QString() << false;
        QTest::newRow("blancos y controles") << QStringLiteral(" \t\r\n\x1f ") << false;
        QTest::newRow("una letra entre blancos") << QStringLiteral(" \tA\r\n") << true;
    }

    void centroEnBlanco()
    {
        QFETCH(QString, centro);
        QFETCH(bool, pasa);
        Db().Exec(QStringLiteral("UPDATE CabeceraEncuesta SET centro=? WHERE codigo=2"), {centro});
        TF_CrearEncuestaP1* paso1 = Paso1();
        const int item = paso1->CB_Cabecera->findData(centro);
        QVERIFY(item >= 0);
        Elegir(paso1->CB_Cabecera, item);
        Pulsar(paso1->B_Siguiente);
        QVERIFY(paso1->P_Cabecera->isVisible());
        testing::MessageRecorder mensajes;
        Pulsar(paso1->B_Siguiente);
        QCOMPARE(mensajes.Texts(),
                 pasa ? QStringList() : QStringList{"Debe insertar un nombre para el centro"});
        QCOMPARE(bool(F_CrearEncuestaP2), pasa);
        QCOMPARE(bool(DM_Encuesta), pasa);
    }

    void avisosDelPaso2_data()
    {
        QTest::addColumn<int>("grupo");
        QTest::addColumn<int>("dimensiones");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("sin grupo") << -1 << 0 << "Debe seleccionar un grupo de interés";
        QTest::newRow("grupo sin dimension elegida") << 0 << 3 << "Debe seleccionar una dimensión";
        QTest::newRow("grupo sin dimensiones") << 2 << 0 << "Debe seleccionar una dimensión";
    }

    void avisosDelPaso2()
    {
        QFETCH(int, grupo);
        QFETCH(int, dimensiones);
        QFETCH(QString, aviso);

        auto* paso2 = static_cast<TF_CrearEncuestaP2*>(HastaPaso(2));
        if (grupo >= 0)
            Pulsar(paso2->RG_Criterio->Button(grupo));
        QCOMPARE(paso2->RG_Subcriterio->Count(), dimensiones);
        testing::MessageRecorder mensajes;
        Pulsar(paso2->B_Siguiente);
        QCOMPARE(mensajes.Texts(), QStringList{aviso});
        QCOMPARE(mensajes.messages.first().icon, QMessageBox::Warning);
        QVERIFY(paso2->isVisible() && !F_CrearEncuestaP3);
    }

    // Back from step 3 and on again: the same step 3 for the same choice, a new one otherwise.
    void reusoYReconstruccion()
    {
        QPointer<TF_CrearEncuestaP3> primero = static_cast<TF_CrearEncuestaP3*>(HastaPaso(3));
        Elegir(primero->CB_Dimension, 1);
        Pulsar(VIndicadores[0][0].CheckBox);
        QCOMPARE(Marcadas(), QSet<int>{1002});

        Pulsar(primero->B_Atras);
        TF_CrearEncuestaP2* paso2 = F_CrearEncuestaP2;
        QVERIFY(paso2->isVisible() && !primero->isVisible());
        Pulsar(paso2->B_Siguiente);
        QCOMPARE(F_CrearEncuestaP3.data(), primero.data());
        QVERIFY(primero->isVisible());
        QCOMPARE(primero->CB_Dimension->currentIndex(), 1);
        QCOMPARE(Marcadas(), QSet<int>{1002});

        // Another dimension of the same group: a new step 3, no ticks; the old one is gone.
        Pulsar(primero->B_Atras);
        Pulsar(paso2->RG_Subcriterio->Button(0));
        Pulsar(paso2->B_Siguiente);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!primero);
        QPointer<TF_CrearEncuestaP3> segundo = F_CrearEncuestaP3.data();
        QVERIFY(segundo && segundo->isVisible());
        QCOMPARE(segundo->CB_Dimension->count(), 2);
        QCOMPARE(segundo->CB_Dimension->currentIndex(), -1);
        QVERIFY(Marcadas().isEmpty());

        // Another group, whose dimension stands at the same position: rebuilt too.
        Pulsar(segundo->B_Atras);
        Pulsar(paso2->RG_Criterio->Button(1));
        Pulsar(paso2->RG_Subcriterio->Button(0));
        Pulsar(paso2->B_Siguiente);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!segundo);
        QCOMPARE(F_CrearEncuestaP3->CB_Dimension->itemText(1), QStringLiteral("Web"));
        QCOMPARE(CodSubcriterio, 20);

        // A dimension without subdimensions: only the all view, and it is empty.
        Pulsar(F_CrearEncuestaP3->B_Atras);
        Pulsar(paso2->RG_Criterio->Button(0));
        Pulsar(paso2->RG_Subcriterio->Button(2));
        Pulsar(paso2->B_Siguiente);
        TF_CrearEncuestaP3* vacio = F_CrearEncuestaP3;
        QCOMPARE(vacio->CB_Dimension->count(), 1);
        QCOMPARE(CodSubcriterio, 0);
        Elegir(vacio->CB_Dimension, 0);
        QVERIFY(vacio->SB_IndicadoresContenido->children().isEmpty());
        QCOMPARE(ComandosHabilitados(), 0);
    }

    // Step 1's keyboard round in each phase, before and after the choice of a centre, and
    // as it comes back from step 2. `pasos`: what the user did, the buttons by keyboard.
    void teclado_data()
    {
        QTest::addColumn<QStringList>("pasos");
        QTest::addColumn<QString>("vuelta");
        const QString fase2 = "CB_IncluirFecha, B_Atras, B_Siguiente, B_Salir, ";
        QTest::newRow("lista") << QStringList{} << "B_Salir, CB_Cabecera";
        QTest::newRow("centro elegido")
            << QStringList{"centro"} << "B_Salir, CB_Cabecera, B_Siguiente";
        QTest::newRow("cabecera") << QStringList{"centro", "B_Siguiente"}
                                  << "B_Salir, qt_calendar_calendarview, " + fase2.chopped(11);
        // The focus left on the hidden list goes to the first control that shows.
        QTest::newRow("de vuelta del paso 2")
            << QStringList{"centro", "B_Siguiente", "B_Siguiente", "paso 2"}
            << fase2 + "qt_calendar_calendarview";
        // ATRAS hides itself: the list takes the focus.
        QTest::newRow("de vuelta a la lista") << QStringList{"centro", "B_Siguiente", "B_Atras"}
                                              << "B_Siguiente, B_Salir, CB_Cabecera";
    }

    void teclado()
    {
        QFETCH(QStringList, pasos);
        QFETCH(QString, vuelta);
        TF_CrearEncuestaP1* paso1 = Paso1();
        for (const QString& paso : pasos) {
            QWidget* boton = paso == "paso 2" ? F_CrearEncuestaP2->B_Atras
                                              : paso1->findChild<QPushButton*>(paso);
            if (!boton) {
                Elegir(paso1->CB_Cabecera, 1);
                continue;
            }
            Foco();
            boton->setFocus();
            QTest::keyClick(boton, Qt::Key_Space);
        }
        QCOMPARE(testing::Vuelta(paso1), vuelta);
    }
};

DIMARVOLTECA_TEST_MAIN(TestAsistente)
#include "TestAsistente.moc"
