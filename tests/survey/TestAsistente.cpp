// Steps 1 and 2 of a new questionnaire, and the lock of the main window's commands.

#include "Entorno.h"

#include "data/Encuestas.h"
#include "data/General.h"
#include "platform/ui/Application.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/RadioGroup.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP1.h"
#include "survey/CrearEncuestaP2.h"
#include "survey/CrearEncuestaP3.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace encuesta;

class TestAsistente : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_entorno = std::make_unique<Entorno>();
        SembrarCatalogo(m_entorno->Db());
    }
    void cleanup() { m_entorno.reset(); }

    void cierreDevuelveLosComandos_data();
    void cierreDevuelveLosComandos();
    void sinCabeceras();
    void listaIlegible();
    void cabeceraMostrada_data();
    void cabeceraMostrada();
    void fecha_data();
    void fecha();
    void atrasYOtroCentro();
    void logoDanado();
    void avisosDelPaso2_data();
    void avisosDelPaso2();
    void reusoYReconstruccion();

private:
    std::unique_ptr<Entorno> m_entorno;
};

// How a step is closed: by its SALIR or by the close box of its frame.
void TestAsistente::cierreDevuelveLosComandos_data()
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

void TestAsistente::cierreDevuelveLosComandos()
{
    QFETCH(int, paso);
    QFETCH(bool, porSalir);
    QFETCH(bool, quedaPaso1);
    QFETCH(bool, quedaPaso2);

    QCOMPARE(ComandosHabilitados(), 10);
    Nueva();
    QCOMPARE(ComandosHabilitados(), 0);
    QVERIFY(F_CrearEncuestaP1->isVisible());
    QCOMPARE(ui::FrameOf(F_CrearEncuestaP1)->size(), QSize(704, 495));

    QWidget* ventana = F_CrearEncuestaP1;
    QPushButton* salir = F_CrearEncuestaP1->B_Salir;
    if (paso >= 2) {
        Elegir(F_CrearEncuestaP1->CB_Cabecera, 0);
        Pulsar(F_CrearEncuestaP1->B_Siguiente);
        Pulsar(F_CrearEncuestaP1->B_Siguiente);
        QVERIFY(F_CrearEncuestaP2 && F_CrearEncuestaP2->isVisible());
        QVERIFY(!F_CrearEncuestaP1->isVisible());
        QCOMPARE(ui::FrameOf(F_CrearEncuestaP2)->size(), QSize(740, 579));
        ventana = F_CrearEncuestaP2;
        salir = F_CrearEncuestaP2->B_Salir;
    }
    if (paso >= 3) {
        Pulsar(F_CrearEncuestaP2->RG_Criterio->Button(0));
        Pulsar(F_CrearEncuestaP2->RG_Subcriterio->Button(0));
        Pulsar(F_CrearEncuestaP2->B_Siguiente);
        QVERIFY(F_CrearEncuestaP3 && F_CrearEncuestaP3->isVisible());
        QCOMPARE(ui::FrameOf(F_CrearEncuestaP3)->size(), QSize(743, 615));
        ventana = F_CrearEncuestaP3;
        salir = F_CrearEncuestaP3->B_Salir;
    }
    QCOMPARE(ComandosHabilitados(), 0);

    if (porSalir) {
        Pulsar(salir);
    } else {
        auto* marco = qobject_cast<QMdiSubWindow*>(ui::FrameOf(ventana));
        QVERIFY(marco);
        marco->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(ComandosHabilitados(), 10);
    QCOMPARE(bool(F_CrearEncuestaP1), quedaPaso1);
    QCOMPARE(bool(F_CrearEncuestaP2), quedaPaso2);
    QVERIFY(!F_CrearEncuestaP3);
    QVERIFY(VIndicadores.empty());
    // What stays is hidden: no wizard window is left in the work area.
    QCOMPARE(MainForm->ClientArea()->subWindowList().size(), 0);
}

void TestAsistente::sinCabeceras()
{
    m_entorno->Db().Exec(QStringLiteral("DELETE FROM CabeceraEncuesta"));
    Nueva();
    QCOMPARE(F_CrearEncuestaP1->CB_Cabecera->count(), 0);
    QVERIFY(!F_CrearEncuestaP1->B_Siguiente->isEnabled());
    Pulsar(F_CrearEncuestaP1->B_Salir);
    QCOMPARE(ComandosHabilitados(), 10);
}

// A list that cannot be read: the error box, no window left behind, the commands back.
void TestAsistente::listaIlegible()
{
    m_entorno->Db().Exec(QStringLiteral("DROP TABLE CabeceraEncuesta"));
    testing::MessageRecorder mensajes;
    ui::RunGuarded(Nueva);
    QCOMPARE(mensajes.messages.size(), 1);
    QCOMPARE(mensajes.messages.first().icon, QMessageBox::Critical);
    QVERIFY(!F_CrearEncuestaP1);
    QCOMPARE(ComandosHabilitados(), 10);
    QCOMPARE(MainForm->ClientArea()->subWindowList().size(), 0);
}

void TestAsistente::cabeceraMostrada_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("centro");
    QTest::addColumn<QString>("direccion");
    QTest::addColumn<bool>("conLogo");
    // The list is ordered by centre name.
    QTest::newRow("sin logo") << 0 << "CIPFP Alfa"
                              << "Avenida 2" << false;
    QTest::newRow("con logo") << 1 << "IES Zeta"
                              << "Calle Mayor 1" << true;
}

void TestAsistente::cabeceraMostrada()
{
    QFETCH(int, item);
    QFETCH(QString, centro);
    QFETCH(QString, direccion);
    QFETCH(bool, conLogo);

    Nueva();
    TF_CrearEncuestaP1* paso1 = F_CrearEncuestaP1;
    QCOMPARE(paso1->CB_Cabecera->currentIndex(), -1);
    Elegir(paso1->CB_Cabecera, item);
    QCOMPARE(paso1->CB_Cabecera->toolTip(), centro);
    QVERIFY(paso1->B_Siguiente->isEnabled());
    Pulsar(paso1->B_Siguiente);

    QVERIFY(paso1->CabeceraMostrada);
    QVERIFY(!paso1->Panel1->isVisible());
    QVERIFY(paso1->P_Cabecera->isVisible());
    QVERIFY(paso1->B_Atras->isVisible());
    QCOMPARE(paso1->E_Centro->text(), centro);
    QCOMPARE(paso1->E_Direccion->text(), direccion);
    for (QLineEdit* caja : {paso1->E_Centro, paso1->E_Direccion, paso1->E_Telefono})
        QVERIFY(!caja->isEnabled());
    QCOMPARE(!paso1->I_Logo->pixmap().isNull(), conLogo);
    if (conLogo)
        QCOMPARE(paso1->I_Logo->pixmap().size(), QSize(145, 113));

    Pulsar(paso1->B_Siguiente);
    QVERIFY(DM_Encuesta);
    QCOMPARE(DM_Encuesta->parent(), paso1);
    const TCabecera& cabecera = DM_Encuesta->Cabecera;
    QCOMPARE(cabecera.Centro, centro);
    QCOMPARE(cabecera.Direccion, direccion);
    QVERIFY(cabecera.Logo);
    QCOMPARE(cabecera.Logo->HasGraphic(), conLogo);
    if (conLogo)
        QCOMPARE(cabecera.Logo->ToImage().pixelColor(10, 10), QColor(200, 30, 30));
}

// "Incluir" with and without a click on the calendar.
void TestAsistente::fecha_data()
{
    QTest::addColumn<bool>("clicEnCalendario");
    QTest::addColumn<bool>("marcarIncluir");
    QTest::addColumn<bool>("desmarcarIncluir");
    QTest::addColumn<bool>("conFecha");
    QTest::newRow("sin tocar nada") << false << false << false << false;
    QTest::newRow("Incluir sin calendario") << false << true << false << true;
    QTest::newRow("clic en un dia") << true << false << false << true;
    QTest::newRow("clic y luego desmarcar") << true << false << true << false;
}

void TestAsistente::fecha()
{
    QFETCH(bool, clicEnCalendario);
    QFETCH(bool, marcarIncluir);
    QFETCH(bool, desmarcarIncluir);
    QFETCH(bool, conFecha);

    Nueva();
    TF_CrearEncuestaP1* paso1 = F_CrearEncuestaP1;
    QCOMPARE(paso1->MonthCalendar1->minimumDate(), QDate::currentDate());
    Elegir(paso1->CB_Cabecera, 0);
    Pulsar(paso1->B_Siguiente);
    QVERIFY(!paso1->CB_IncluirFecha->isChecked());

    QDate elegida = QDate::currentDate();
    if (clicEnCalendario) {
        auto* dias = paso1->MonthCalendar1->findChild<QTableView*>();
        QVERIFY(dias);
        // The last cell of the month grid is always after today.
        const QModelIndex celda =
            dias->model()->index(dias->model()->rowCount() - 1, dias->model()->columnCount() - 1);
        QTest::mouseClick(dias->viewport(), Qt::LeftButton, {}, dias->visualRect(celda).center());
        elegida = paso1->MonthCalendar1->selectedDate();
        QVERIFY(elegida > QDate::currentDate());
        QVERIFY(paso1->CB_IncluirFecha->isChecked());
    }
    if (marcarIncluir)
        Pulsar(paso1->CB_IncluirFecha);
    if (desmarcarIncluir)
        Pulsar(paso1->CB_IncluirFecha);

    Pulsar(paso1->B_Siguiente);
    QVERIFY(DM_Encuesta);
    QCOMPARE(DM_Encuesta->Cabecera.Fecha, conFecha ? elegida : QDate());
}

void TestAsistente::atrasYOtroCentro()
{
    Nueva();
    QPointer<TF_CrearEncuestaP1> paso1 = F_CrearEncuestaP1.data();
    Elegir(paso1->CB_Cabecera, 1);
    Pulsar(paso1->B_Siguiente);
    QVERIFY(!paso1->I_Logo->pixmap().isNull());
    Pulsar(paso1->B_Atras);
    QVERIFY(paso1->Panel1->isVisible());
    QVERIFY(!paso1->P_Cabecera->isVisible());
    QVERIFY(!paso1->CabeceraMostrada);
    QVERIFY(paso1->B_Siguiente->isEnabled());

    Elegir(paso1->CB_Cabecera, 0);
    Pulsar(paso1->B_Siguiente);
    QCOMPARE(paso1->E_Centro->text(), QStringLiteral("CIPFP Alfa"));
    QCOMPARE(paso1->E_Telefono->text(), QStringLiteral("960000002"));
    QVERIFY(paso1->I_Logo->pixmap().isNull());

    // Two trips through step 2: two modules, the report reads the second.
    Pulsar(paso1->B_Siguiente);
    QPointer<TDM_Encuesta> primero = DM_Encuesta.data();
    QPointer<TF_CrearEncuestaP2> paso2 = F_CrearEncuestaP2.data();
    Pulsar(paso2->RG_Criterio->Button(1));
    Pulsar(paso2->B_Atras);
    QVERIFY(paso1->isVisible());
    QVERIFY(paso1->CabeceraMostrada);
    QVERIFY(!paso2->isVisible());
    Pulsar(paso1->B_Siguiente);
    QVERIFY(DM_Encuesta && DM_Encuesta != primero);
    QVERIFY(primero);
    QCOMPARE(F_CrearEncuestaP2.data(), paso2.data());
    QCOMPARE(paso2->RG_Criterio->ItemIndex(), 1);
    QPointer<TDM_Encuesta> segundo = DM_Encuesta.data();

    // Step 2's SALIR ends the activity: step 1 goes, and with it step 2 and both modules.
    Pulsar(paso2->B_Salir);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!paso1 && !paso2 && !F_CrearEncuestaP1 && !F_CrearEncuestaP2);
    QVERIFY(!primero && !segundo && !DM_Encuesta);
    QCOMPARE(ComandosHabilitados(), 10);
}

void TestAsistente::logoDanado()
{
    m_entorno->Db().Exec(QStringLiteral("UPDATE CabeceraEncuesta SET logo=? WHERE codigo=2"),
                         {QByteArray("esto no es un mapa de bits")});
    testing::MessageRecorder mensajes;
    Nueva();
    TF_CrearEncuestaP1* paso1 = F_CrearEncuestaP1;
    Elegir(paso1->CB_Cabecera, 1);
    Pulsar(paso1->B_Siguiente);
    QVERIFY(!paso1->I_Logo->pixmap().isNull());
    Pulsar(paso1->B_Atras);

    Elegir(paso1->CB_Cabecera, 0);
    Pulsar(paso1->B_Siguiente);
    QCOMPARE(mensajes.messages.size(), 1);
    QCOMPARE(mensajes.messages.first().icon, QMessageBox::Critical);
    // The damaged picture leaves no logo, not the previous centre's.
    QVERIFY(paso1->I_Logo->pixmap().isNull());
    QVERIFY(!paso1->LogoCabecera.HasImage());
    QCOMPARE(paso1->E_Centro->text(), QStringLiteral("CIPFP Alfa"));

    Pulsar(paso1->B_Siguiente);
    QVERIFY(F_CrearEncuestaP2);
    QVERIFY(!DM_Encuesta->Cabecera.Logo->HasGraphic());
}

void TestAsistente::avisosDelPaso2_data()
{
    QTest::addColumn<int>("grupo");
    QTest::addColumn<int>("dimensiones");
    QTest::addColumn<QString>("aviso");
    QTest::newRow("sin grupo") << -1 << 0 << "Debe seleccionar un grupo de interés";
    QTest::newRow("grupo sin dimension elegida") << 0 << 3 << "Debe seleccionar una dimensión";
    QTest::newRow("grupo sin dimensiones") << 2 << 0 << "Debe seleccionar una dimensión";
}

void TestAsistente::avisosDelPaso2()
{
    QFETCH(int, grupo);
    QFETCH(int, dimensiones);
    QFETCH(QString, aviso);

    Nueva();
    Elegir(F_CrearEncuestaP1->CB_Cabecera, 0);
    Pulsar(F_CrearEncuestaP1->B_Siguiente);
    Pulsar(F_CrearEncuestaP1->B_Siguiente);
    TF_CrearEncuestaP2* paso2 = F_CrearEncuestaP2;
    QCOMPARE(paso2->RG_Criterio->Count(), 3);
    QCOMPARE(paso2->RG_Criterio->ItemIndex(), -1);
    QCOMPARE(paso2->RG_Criterio->Item(0), QStringLiteral("Alumnado"));
    if (grupo >= 0)
        Pulsar(paso2->RG_Criterio->Button(grupo));
    QCOMPARE(paso2->RG_Subcriterio->Count(), dimensiones);

    testing::MessageRecorder mensajes;
    Pulsar(paso2->B_Siguiente);
    QCOMPARE(mensajes.Texts(), QStringList{aviso});
    QCOMPARE(mensajes.messages.first().icon, QMessageBox::Warning);
    QVERIFY(paso2->isVisible());
    QVERIFY(!F_CrearEncuestaP3);
}

// Back from step 3 and on again: the same step 3 for the same choice, a new one otherwise.
void TestAsistente::reusoYReconstruccion()
{
    HastaPaso3();
    QPointer<TF_CrearEncuestaP3> primero = F_CrearEncuestaP3.data();
    Elegir(primero->CB_Dimension, 1);
    Pulsar(VIndicadores[0][0].CheckBox);
    QCOMPARE(Marcadas(), QSet<int>{1002});

    Pulsar(primero->B_Atras);
    TF_CrearEncuestaP2* paso2 = F_CrearEncuestaP2;
    QVERIFY(paso2->isVisible() && !primero->isVisible());
    QCOMPARE(ui::FrameOf(paso2)->size(), QSize(740, 579));
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
    QCOMPARE(NumDimensiones, 1);
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
    QCOMPARE(NumDimensiones, 0);
    QCOMPARE(CodSubcriterio, 0);
    Elegir(vacio->CB_Dimension, 0);
    QVERIFY(vacio->Label3->toolTip().isEmpty());
    QVERIFY(vacio->SB_IndicadoresContenido->children().isEmpty());
    QCOMPARE(ComandosHabilitados(), 0);
}

DIMARVOLTECA_TEST_MAIN(TestAsistente)
#include "TestAsistente.moc"
