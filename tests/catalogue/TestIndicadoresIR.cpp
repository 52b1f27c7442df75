#include "EntornoCabeceras.h"
#include "Tabulacion.h"
#include "TextoAjustado.h"

#include "catalogue/BorrarIR.h"
#include "catalogue/CrearIR.h"
#include "catalogue/CrearIRPregunta.h"
#include "catalogue/ModificarIRP1.h"
#include "catalogue/ModificarIRP2.h"
#include "catalogue/TextosMemo.h"
#include "data/BdatosADO.h"
#include "platform/ado/AdoConnection.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <functional>
#include <memory>

namespace {

const QString kVacia = QStringLiteral("Aviso: La definición del indicador no puede estar vacía");
const QString kSinTipo =
    QStringLiteral("Aviso: Debe seleccionar un tipo de respuesta para la pregunta");
const QString kInsertado =
    QStringLiteral("Información: Indicador de rendimiento insertado correctamente");
const QString kModificado =
    QStringLiteral("Información: Indicador de rendimiento modificado correctamente");

using Accion = std::function<void(TF_CrearIRPregunta*)>;

// What the user does in the question dialog: nothing, INSERTAR with a question and an
// answer type, SALIR after typing, or closing it.
enum Respuesta
{
    Ninguna,
    Insertar,
    Salir,
    Cerrar
};

Accion Responder(int r, const QString& pregunta = {}, int tipo = -1)
{
    return [=](TF_CrearIRPregunta* d) {
        if (r == Insertar) {
            d->M_Pregunta->setPlainText(pregunta);
            d->CB_TResp->setCurrentIndex(tipo);
            QTest::mouseClick(d->B_Insertar, Qt::LeftButton);
        } else if (r == Salir) {
            d->M_Pregunta->setPlainText(QStringLiteral("escrita y abandonada"));
            QTest::mouseClick(d->B_Salir, Qt::LeftButton);
        } else if (r == Cerrar) {
            d->close();
        }
    };
}

// Acts in the question dialog from inside its modal loop, as soon as it is on screen,
// after noting in `visto` its title, question and answer type as it opened. It belongs
// to the test row that makes it and stops with it. A dialog still open a second after
// it acted, another one after it, or one that opens when `esperada` is false, is
// closed as by "SALIR" so that its modal loop ends; `Fallo` then says why, or that an
// awaited dialog never opened.
class EnLaPregunta
{
public:
    explicit EnLaPregunta(Accion accion, bool esperada = true)
        : m_accion(std::move(accion)), m_esperada(esperada)
    {
        QObject::connect(&m_reloj, &QTimer::timeout, [this] { Mirar(); });
        m_reloj.start(5);
    }

    QStringList visto;

    QString Fallo() const
    {
        if (m_fallo.isEmpty() && m_esperada && !m_abierto)
            return QStringLiteral("the question dialog never opened");
        return m_fallo;
    }

private:
    void Mirar()
    {
        TF_CrearIRPregunta* d = F_CrearIRPregunta;
        if (!d || !d->isVisible())
            return;
        if (!m_abierto) {
            m_abierto = true;
            m_dialogo = d;
            visto = QStringList{d->windowTitle(), d->M_Pregunta->toPlainText(),
                                QString::number(d->CB_TResp->currentIndex())};
            m_desde.start();
            if (m_esperada)
                m_accion(d);
            else
                Cerrar(d, "the question dialog opened, and it should not have");
        } else if (d != m_dialogo) {
            Cerrar(d, "a second question dialog opened");
        } else if (m_desde.elapsed() > 1000) {
            Cerrar(d, "the question dialog was still open a second after the test answered it "
                      "(an answer refused, or nothing closed it)");
        }
    }

    void Cerrar(TF_CrearIRPregunta* d, const char* por_que)
    {
        if (m_fallo.isEmpty())
            m_fallo = QString::fromLatin1(por_que) + QStringLiteral("; closed it as SALIR");
        QPointer<TF_CrearIRPregunta> dialogo(d);
        d->reject();
        if (dialogo && dialogo->isVisible()) // its own way of giving up failed too
            dialogo->QDialog::done(QDialog::Rejected);
    }

    Accion m_accion;
    bool m_esperada;
    bool m_abierto = false;
    QPointer<TF_CrearIRPregunta> m_dialogo;
    QElapsedTimer m_desde;
    QString m_fallo;
    QTimer m_reloj;
};

QStringList Captions(const std::vector<TCeldaSubcriterio>& celdas)
{
    QStringList textos;
    for (const TCeldaSubcriterio& c : celdas)
        textos << (c.CheckBox ? c.CheckBox->text() : QString());
    return textos;
}

// Ticks or unticks a box as the user does: scrolled into sight, then clicked.
void Pulsar(QScrollArea* area, QCheckBox* caja)
{
    area->ensureWidgetVisible(caja);
    QVERIFY(caja->isVisible());
    QVERIFY(!caja->visibleRegion().isEmpty());
    QTest::mouseClick(caja, Qt::LeftButton, {}, QPoint(6, caja->height() / 2));
}

// Picks an item from a list's drop-down with the mouse: only that item is chosen.
void Escoger(QComboBox* lista, int indice)
{
    lista->showPopup();
    QAbstractItemView* vista = lista->view();
    QTRY_VERIFY(vista->isVisible());
    const QRect item = vista->visualRect(vista->model()->index(indice, 0));
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!vista->isVisible());
    QCOMPARE(lista->currentIndex(), indice);
}

// What the user does with modification step 2's group list.
enum Gesto
{
    TecleoYTab,
    TecleoYClic,
    FlechaCerrada,
    RuedaCerrada,
    AbiertaFlechasIntro,
    Raton
};

using Filas = QList<QVariantList>;

} // namespace

class TestIndicadoresIR : public QObject
{
    Q_OBJECT

    std::unique_ptr<EntornoCabeceras> e;

    // Four interest groups, by name Alumnado (seven dimensions), Empresas (none),
    // Familias (two) and Profesorado (one); three indicators, one of the catalogue.
    void Catalogo(bool indicadores = true)
    {
        testing::TestDb& db = e->ws.Db();
        db.Exec(QStringLiteral("INSERT INTO Criterio VALUES (1,'Profesorado'),(2,'Alumnado'),"
                               "(3,'Familias'),(4,'Empresas')"));
        for (int k = 1; k <= 7; ++k)
            db.Exec(QStringLiteral("INSERT INTO Subcriterio VALUES (?,?,2)"),
                    {20 + k, QStringLiteral("Alumnado %1").arg(k)});
        db.Exec(QStringLiteral("INSERT INTO Subcriterio VALUES (31,'Familias 1',3),"
                               "(32,'Familias 2',3),(11,'Profesorado 1',1)"));
        if (!indicadores)
            return;
        db.Exec(
            QStringLiteral("INSERT INTO IRendimiento VALUES (4,'Tasa de abandono',0,0,1,'',NULL),"
                           "(9,'Satisfacción',1,1,0,'¿Está satisfecho?',1),(7,'Horas "
                           "impartidas',0,1,0,NULL,NULL)"));
        db.Exec(QStringLiteral("INSERT INTO Subcriterios_IndicadoresR VALUES "
                               "(21,4),(31,4),(22,9),(22,9),(27,9)"));
    }

    Filas Indicadores()
    {
        return e->ws.Db().Rows(
            QStringLiteral("SELECT codigo, definicion, tipo, estado, clave, "
                           "pregunta, tipo_resp FROM IRendimiento ORDER BY codigo"));
    }

    Filas Vinculos()
    {
        return e->ws.Db().Rows(QStringLiteral("SELECT rowid, codigo_subcri, codigo_ir FROM "
                                              "Subcriterios_IndicadoresR ORDER BY rowid"));
    }

    QList<int> VinculosDe(int codigo)
    {
        QList<int> dims;
        for (const QVariantList& f :
             e->ws.Db().Rows(QStringLiteral("SELECT codigo_subcri FROM Subcriterios_IndicadoresR "
                                            "WHERE codigo_ir=%1 ORDER BY codigo_subcri")
                                 .arg(codigo)))
            dims << f[0].toInt();
        return dims;
    }

    TF_ModificarIRP2* AbrirModificacion(int indice)
    {
        MainForm->M_ModificarIndicador->trigger();
        TF_ModificarIR* paso1 = F_ModificarIR;
        if (!paso1)
            return nullptr;
        Elegir(paso1->CB_ModificarIR, indice);
        QTest::mouseClick(paso1->B_Siguiente, Qt::LeftButton);
        return F_ModificarIRP2;
    }

    // Saves indicator 9 unchanged through "MODIFICAR" and its question dialog, `veces`
    // times, each with its definition and a question of at least `lineasPregunta` lines
    // wrapped; the stored bytes stay those of the texts given.
    void GuardarSinCambios(const QString& definicion, const QString& pregunta, int veces,
                           int lineasPregunta)
    {
        Catalogo();
        e->ws.Db().Exec(QStringLiteral("UPDATE IRendimiento SET definicion=?, pregunta=? "
                                       "WHERE codigo=9"),
                        {definicion, pregunta});
        for (int vez = 0; vez < veces; ++vez) {
            QPointer<TF_ModificarIRP2> f = AbrirModificacion(1);
            QVERIFY(f);
            QVERIFY(LineasMemo(f->M_Definicion).size() >= 4);
            int lineas = 0;
            EnLaPregunta dialogo([&](TF_CrearIRPregunta* d) {
                lineas = int(LineasMemo(d->M_Pregunta).size());
                QTest::mouseClick(d->B_Insertar, Qt::LeftButton);
            });
            QTest::mouseClick(f->B_Modificar, Qt::LeftButton);
            QVERIFY2(dialogo.Fallo().isEmpty(), qPrintable(dialogo.Fallo()));
            QVERIFY(lineas >= lineasPregunta);
            QCOMPARE(e->ws.Db().Rows(QStringLiteral("SELECT CAST(definicion AS BLOB), CAST("
                                                    "pregunta AS BLOB) FROM IRendimiento WHERE "
                                                    "codigo=9")),
                     (Filas{{definicion.toUtf8(), pregunta.toUtf8()}}));
            QVERIFY(e->Cerrada(f));
        }
    }

private slots:
    void init() { e = std::make_unique<EntornoCabeceras>(); }
    void cleanup() { e.reset(); }

    void crear_data()
    {
        QTest::addColumn<bool>("conIndicadores");
        QTest::addColumn<bool>("encuesta");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("clave");
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<int>("tipoResp");
        QTest::addColumn<QVariantList>("fila"); // empty: nothing stored

        QTest::newRow("datos, tabla vacía, líneas en blanco saltadas")
            << false << false << "abc\n\n   \ndef" << false << int(Ninguna) << "" << -1
            << QVariantList{1, "abc def", 0, 1, 0, QVariant(), QVariant()};
        QTest::newRow("datos, clave, primera línea en blanco")
            << true << false << "  \nabc  " << true << int(Ninguna) << "" << -1
            << QVariantList{10, " abc  ", 0, 1, 1, QVariant(), QVariant()};
        QTest::newRow("encuesta aceptada, SI/NO")
            << true << true << "  Definición  " << false << int(Insertar)
            << "  ¿Pregunta?  \n\n otra  \nfin" << 1
            << QVariantList{10, "  Definición  ", 1, 1, 0, "¿Pregunta? otra   fin", 1};
        QTest::newRow("encuesta aceptada, NIVELES")
            << true << true << "x" << true << int(Insertar) << "p" << 0
            << QVariantList{10, "x", 1, 1, 1, "p", 0};
        QTest::newRow("encuesta, SALIR")
            << true << true << "x" << false << int(Salir) << "" << -1 << QVariantList{};
        QTest::newRow("encuesta, cierre")
            << false << true << "x" << false << int(Cerrar) << "" << -1 << QVariantList{};
    }

    // The indicator and its links, ticked in two groups while switching between them
    // (the seventh dimension of a group scrolled into sight), stored by key MAX+1 with
    // estado 1; a question dialog left without a question stores nothing and leaves the
    // window as it was, and the next attempt takes the same key.
    void crear()
    {
        QFETCH(bool, conIndicadores);
        QFETCH(bool, encuesta);
        QFETCH(QString, memo);
        QFETCH(bool, clave);
        QFETCH(int, respuesta);
        QFETCH(QString, pregunta);
        QFETCH(int, tipoResp);
        QFETCH(QVariantList, fila);
        Catalogo(conIndicadores);
        const Filas antes = Indicadores();
        const Filas vinculosAntes = Vinculos();
        const int clave_nueva = conIndicadores ? 10 : 1;

        MainForm->Crear3->trigger();
        QPointer<TF_CrearIR> f = F_CrearIR.data();
        QVERIFY(f);
        QCOMPARE(e->Menus(), "bloqueados");
        f->M_Definicion->setPlainText(memo);
        f->ChB_Clave->setChecked(clave);
        Escoger(f->CB_GI, 0);
        Pulsar(f->SB_Dimensiones, f->ChecksGI[0][0].CheckBox);
        Pulsar(f->SB_Dimensiones, f->ChecksGI[0][6].CheckBox);
        Escoger(f->CB_GI, 2);
        QVERIFY(!f->ChecksGI[0][0].CheckBox->isVisible());
        for (const TCeldaSubcriterio& c : f->ChecksGI[2])
            Pulsar(f->SB_Dimensiones, c.CheckBox);
        if (encuesta)
            QTest::mouseClick(f->RB_Encuesta, Qt::LeftButton);
        QCOMPARE(f->B_Insertar->text(), encuesta ? "SIGUIENTE" : "INSERTAR");

        EnLaPregunta dialogo(Responder(respuesta, pregunta, tipoResp), encuesta);
        QTest::mouseClick(f->B_Insertar, Qt::LeftButton);
        QVERIFY2(dialogo.Fallo().isEmpty(), qPrintable(dialogo.Fallo()));
        QCOMPARE(dialogo.visto.join('|'), encuesta ? "Crear pregunta||-1" : "");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(F_CrearIRPregunta.isNull());

        if (fila.isEmpty()) {
            QCOMPARE(Indicadores(), antes);
            QCOMPARE(Vinculos(), vinculosAntes);
            QVERIFY(e->mensajes.messages.isEmpty());
            QVERIFY(f);
            QCOMPARE(f->M_Definicion->toPlainText(), memo);
            QVERIFY(f->ChecksGI[0][6].CheckBox->isChecked());
            QTest::mouseClick(f->RB_Datos, Qt::LeftButton);
            QTest::mouseClick(f->B_Insertar, Qt::LeftButton);
            QVERIFY2(dialogo.Fallo().isEmpty(), qPrintable(dialogo.Fallo()));
            const Filas despues = Indicadores();
            QVERIFY(!despues.isEmpty());
            QCOMPARE(despues.last().first().toInt(), clave_nueva);
        } else {
            QCOMPARE(Indicadores(), antes + Filas{fila});
            QCOMPARE(e->mensajes.Shown(), QStringList{kInsertado});
        }
        QCOMPARE(VinculosDe(clave_nueva), (QList<int>{21, 27, 31, 32}));
        QVERIFY(e->Cerrada(f));
    }

    // A group's boxes are made on its first choice only, one per dimension in the
    // order the query gives; choosing it again shows the same boxes with their ticks;
    // a group without dimensions shows none.
    void gruposDeDimensiones()
    {
        Catalogo();
        MainForm->Crear3->trigger();
        QPointer<TF_CrearIR> f = F_CrearIR.data();
        QWidget* contenido = f->SB_DimensionesContenido;
        Escoger(f->CB_GI, 2);
        QCOMPARE(Captions(f->ChecksGI[2]), (QStringList{"Familias 1", "Familias 2"}));
        Pulsar(f->SB_Dimensiones, f->ChecksGI[2][1].CheckBox);
        QCOMPARE(contenido->findChildren<QCheckBox*>().size(), 2);
        Escoger(f->CB_GI, 1);
        QVERIFY(f->ChecksGI[1].empty());
        QVERIFY(!f->ChecksGI[2][1].CheckBox->isVisible());
        Escoger(f->CB_GI, 2);
        Escoger(f->CB_GI, 2);
        QCOMPARE(contenido->findChildren<QCheckBox*>().size(), 2);
        QVERIFY(f->ChecksGI[2][1].CheckBox->isVisible());
        QVERIFY(f->ChecksGI[2][1].CheckBox->isChecked());
        QVERIFY(f->ChecksGI[0].empty() && f->ChecksGI[3].empty());
        Escoger(f->CB_GI, 0);
        QCOMPARE(contenido->findChildren<QCheckBox*>().size(), 2 + 7);
        QTest::mouseClick(f->B_Salir, Qt::LeftButton);
        QVERIFY(e->Cerrada(f));
        QCOMPARE(Indicadores().size(), 3);
    }

    void dialogo_data()
    {
        QTest::addColumn<QString>("fila");      // tipo, pregunta, tipo_resp stored
        QTest::addColumn<QStringList>("visto"); // the title, memo and answer type loaded
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("tecleado"); // typed into the answer type's field
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QString>("queda"); // the memo afterwards
        const QString t = QStringLiteral("Modificar pregunta");
        QTest::newRow("encuesta, pregunta en blanco")
            << "1,'¿Sí?' || char(13,10) || 'No',1" << QStringList{t, "¿Sí?\nNo", "1"} << " \n\t\n  "
            << 1 << ""
            << "Aviso: la pregunta asociada al indicador no puede estar vacía"
            << "";
        QTest::newRow("encuesta sin tipo guardado, ninguno elegido")
            << "1,'q',NULL" << QStringList{t, "q", "0"} << "p" << -1 << "" << kSinTipo << "p";
        QTest::newRow("datos, tipo tecleado que no es ninguno")
            << "0,'q',1" << QStringList{t, "", "-1"} << "p" << 1 << "SI" << kSinTipo << "p";
        QTest::newRow("otro tipo")
            << "2,'q',1" << QStringList{t, "", "-1"} << "p" << -1 << "" << kSinTipo << "p";
    }

    // The dialog loads the stored question only for an indicator of type 1; its two
    // refusals keep it open and write nothing.
    void dialogo()
    {
        QFETCH(QString, fila);
        QFETCH(QStringList, visto);
        QFETCH(QString, pregunta);
        QFETCH(int, tipo);
        QFETCH(QString, tecleado);
        QFETCH(QString, aviso);
        QFETCH(QString, queda);
        e->ws.Db().Exec(QStringLiteral("INSERT INTO IRendimiento(codigo,definicion,tipo,pregunta,"
                                       "tipo_resp) VALUES (3,'d',%1)")
                            .arg(fila));
        const Filas antes = Indicadores();
        QStringList despues;
        EnLaPregunta abierto([&](TF_CrearIRPregunta* d) {
            d->M_Pregunta->setPlainText(pregunta);
            d->CB_TResp->setCurrentIndex(tipo);
            if (!tecleado.isEmpty())
                d->CB_TResp->setEditText(tecleado);
            QTest::mouseClick(d->B_Insertar, Qt::LeftButton);
            despues << d->M_Pregunta->toPlainText() << QString::number(d->isVisible());
            QTest::mouseClick(d->B_Salir, Qt::LeftButton);
        });
        QVERIFY(!TF_CrearIRPregunta::Preguntar(MainForm, 3, true));
        QVERIFY2(abierto.Fallo().isEmpty(), qPrintable(abierto.Fallo()));
        QCOMPARE(abierto.visto, visto);
        QCOMPARE(e->mensajes.Shown(), QStringList{aviso});
        QCOMPARE(despues, (QStringList{queda, "1"}));
        QCOMPARE(Indicadores(), antes);
    }

    void guardarSinCambios_data() { FilasDeBlancosDeAjuste(); }

    // A definition and a question that wrap at blanks (after a first line that wraps at
    // one space), saved twice as they loaded, keep their stored bytes.
    void guardarSinCambios()
    {
        QFETCH(QString, separador);
        GuardarSinCambios(TextoAjustado(QStringLiteral("Satisfacción"), separador),
                          TextoAjustado(QStringLiteral("¿Está satisfecho"), separador), 2, 4);
    }

    // Where a line wraps with no blank (hyphens, an address), a save adds no space.
    void guardarSinCambiosSinBlancos()
    {
        GuardarSinCambios(DefinicionConGuiones(QStringLiteral("Satisfacción")),
                          PreguntaConDireccion(), 1, 3);
    }

    void modificar_data()
    {
        QTest::addColumn<int>("indice");   // in the list: Horas, Satisfacción, Tasa
        QTest::addColumn<QString>("memo"); // empty: as loaded
        QTest::addColumn<bool>("encuesta");
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<QList<int>>("pulsar"); // dimension codes clicked, in order
        QTest::addColumn<QVariantList>("fila"); // empty: nothing written
        QTest::addColumn<QList<int>>("vinculos");

        QTest::newRow("catálogo, datos, quitar y poner")
            << 2 << "  abc  \n\n   def  \n ghi" << false << int(Ninguna)
            << QList<int>{21, 32, 11, 11, 27}
            << QVariantList{4, "abc   def   ghi", 0, 0, 1, "", QVariant()}
            << QList<int>{27, 31, 32};
        QTest::newRow("encuesta pasa a datos")
            << 1 << "" << false << int(Ninguna) << QList<int>{22}
            << QVariantList{9, "Satisfacción", 0, 1, 0, "", 1} << QList<int>{27};
        QTest::newRow("encuesta aceptada")
            << 1 << "" << true << int(Insertar) << QList<int>{31}
            << QVariantList{9, "Satisfacción", 1, 1, 0, "nueva", 0} << QList<int>{22, 22, 27, 31};
        QTest::newRow("datos pasa a encuesta")
            << 0 << "" << true << int(Insertar) << QList<int>{}
            << QVariantList{7, "Horas impartidas", 1, 1, 0, "nueva", 0} << QList<int>{};
        QTest::newRow("encuesta, SALIR") << 1 << "" << true << int(Salir) << QList<int>{22, 31}
                                         << QVariantList{} << QList<int>{};
        QTest::newRow("encuesta, cierre")
            << 1 << "" << true << int(Cerrar) << QList<int>{27} << QVariantList{} << QList<int>{};
    }

    // Step 2 loads the indicator with every group's boxes ticked from its links (a
    // group chosen shows its own), and
    // saving writes the definition joined, the type, the key flag, estado as read,
    // and only the links whose ticks changed: untouched rows keep their place, an
    // unticked dimension loses every row of its link. A cancelled dialog writes nothing.
    void modificar()
    {
        QFETCH(int, indice);
        QFETCH(QString, memo);
        QFETCH(bool, encuesta);
        QFETCH(int, respuesta);
        QFETCH(QList<int>, pulsar);
        QFETCH(QVariantList, fila);
        QFETCH(QList<int>, vinculos);
        Catalogo();
        const Filas antes = Indicadores();
        const Filas vinculosAntes = Vinculos();

        QPointer<TF_ModificarIRP2> f = AbrirModificacion(indice);
        QVERIFY(f);
        QVERIFY(e->Cerrada(F_ModificarIR));
        const int codigo = QList<int>{7, 9, 4}[indice];
        QCOMPARE(f->B_Modificar->text(), codigo == 9 ? "SIGUIENTE" : "MODIFICAR");
        // Every group's boxes made while loading, hidden, ticked where the indicator is linked.
        QCOMPARE(f->SB_DimensionesContenido->findChildren<QCheckBox*>().size(), 10);
        QMap<int, QCheckBox*> cajas;
        QMap<int, int> grupos;
        for (int g = 0; g < int(f->MatrizChecks.size()); ++g)
            for (const TCeldaSubcriterioIR& c : f->MatrizChecks[size_t(g)]) {
                cajas[c.Codigo] = c.CheckBox;
                grupos[c.Codigo] = g;
                QVERIFY(!c.CheckBox->isVisible());
                QCOMPARE(c.CheckBox->isChecked(), VinculosDe(codigo).contains(c.Codigo));
                QCOMPARE(c.Asociado, c.CheckBox->isChecked());
            }

        // Choosing a group only shows its boxes, already made, their ticks kept.
        for (int g : {3, 2, 1, 0, 2}) {
            Escoger(f->CB_GI, g);
            for (auto c = cajas.cbegin(); c != cajas.cend(); ++c)
                QCOMPARE(c.value()->isVisible(), grupos[c.key()] == g);
        }
        QCOMPARE(f->SB_DimensionesContenido->findChildren<QCheckBox*>().size(), 10);

        if (!memo.isEmpty())
            f->M_Definicion->setPlainText(memo);
        QTest::mouseClick(encuesta ? f->RB_Encuesta : f->RB_Datos, Qt::LeftButton);
        if (codigo == 4)
            f->ChB_Clave->setChecked(true);
        for (int dim : pulsar) {
            Escoger(f->CB_GI, grupos[dim]);
            Pulsar(f->SB_Dimensiones, cajas[dim]);
        }

        EnLaPregunta dialogo(Responder(respuesta, QStringLiteral("nueva"), 0), encuesta);
        QTest::mouseClick(f->B_Modificar, Qt::LeftButton);
        QVERIFY2(dialogo.Fallo().isEmpty(), qPrintable(dialogo.Fallo()));
        if (encuesta)
            QCOMPARE(dialogo.visto.join('|'), codigo == 9 ? "Modificar pregunta|¿Está satisfecho?|1"
                                                          : "Modificar pregunta||-1");

        if (fila.isEmpty()) {
            QCOMPARE(Indicadores(), antes);
            QCOMPARE(Vinculos(), vinculosAntes);
            QVERIFY(e->mensajes.messages.isEmpty());
            QVERIFY(f);
            QTest::mouseClick(f->B_Salir, Qt::LeftButton);
        } else {
            Filas esperadas = antes;
            for (QVariantList& v : esperadas)
                if (v[0] == fila[0])
                    v = fila;
            QCOMPARE(Indicadores(), esperadas);
            QCOMPARE(VinculosDe(codigo), vinculos);
            // Rows of links left alone keep their place.
            for (const QVariantList& v : vinculosAntes) {
                const bool tocado = v[2].toInt() == codigo && pulsar.count(v[1].toInt()) % 2 == 1;
                QCOMPARE(Vinculos().contains(v), !tocado);
            }
            QCOMPARE(e->mensajes.Shown(), QStringList{kModificado});
        }
        QVERIFY(e->Cerrada(f));
    }

    void definicionVacia_data()
    {
        QTest::addColumn<bool>("modificar");
        QTest::addColumn<bool>("encuesta");
        QTest::newRow("creación, datos") << false << false;
        QTest::newRow("creación, encuesta") << false << true;
        QTest::newRow("modificación, datos") << true << false;
        QTest::newRow("modificación, encuesta") << true << true;
    }

    // A blank definition is refused before anything is written, the question too, and
    // the memo is emptied; a stored definition loads without its trailing blank lines.
    void definicionVacia()
    {
        QFETCH(bool, modificar);
        QFETCH(bool, encuesta);
        Catalogo();
        e->ws.Db().Exec(QStringLiteral("UPDATE IRendimiento SET definicion='Horas\r\n\r\n  "
                                       "impartidas\r\n \r\n\r\n' WHERE codigo=7"));
        const Filas antes = Indicadores();
        QWidget* ventana;
        QPlainTextEdit* memo;
        QPushButton* guardar;
        QRadioButton* tipo;
        if (modificar) {
            TF_ModificarIRP2* f = AbrirModificacion(0);
            QCOMPARE(f->M_Definicion->toPlainText(), QStringLiteral("Horas\n\n  impartidas"));
            ventana = f, memo = f->M_Definicion, guardar = f->B_Modificar;
            tipo = encuesta ? f->RB_Encuesta : f->RB_Datos;
        } else {
            MainForm->Crear3->trigger();
            TF_CrearIR* f = F_CrearIR;
            ventana = f, memo = f->M_Definicion, guardar = f->B_Insertar;
            tipo = encuesta ? f->RB_Encuesta : f->RB_Datos;
        }
        memo->setPlainText(QStringLiteral(" \n\t\n   "));
        QTest::mouseClick(tipo, Qt::LeftButton);
        EnLaPregunta dialogo(Responder(Salir), false);
        QTest::mouseClick(guardar, Qt::LeftButton);
        QTest::qWait(150);
        QVERIFY(dialogo.visto.isEmpty());
        QVERIFY2(dialogo.Fallo().isEmpty(), qPrintable(dialogo.Fallo()));
        QCOMPARE(e->mensajes.Shown(), QStringList{kVacia});
        QCOMPARE(memo->toPlainText(), QString());
        QCOMPARE(Indicadores(), antes);
        QVERIFY(ventana->isVisible());
    }

    void desaparecido_data()
    {
        QTest::addColumn<bool>("borrar"); // the deletion window, else modification
        QTest::addColumn<QString>("cambio");
        QTest::addColumn<QString>("aviso");
        const QString borrado = QStringLiteral("DELETE FROM IRendimiento WHERE codigo=9");
        const QString ya = QStringLiteral("El indicador de rendimiento ya no existe: otra "
                                          "ventana lo ha borrado");
        QTest::newRow("modificación, borrado") << false << borrado << ya;
        QTest::newRow("borrado, borrado") << true << borrado << ya;
        QTest::newRow("borrado, ya del catálogo")
            << true << "UPDATE IRendimiento SET estado=0 WHERE codigo=9"
            << "El indicador de rendimiento ya no se puede borrar: ahora es un indicador del "
               "catálogo";
    }

    // An indicator removed meanwhile elsewhere, or no longer the program's own: nothing
    // is written, a warning says which, and success is never reported.
    void desaparecido()
    {
        QFETCH(bool, borrar);
        QFETCH(QString, cambio);
        QFETCH(QString, aviso);
        Catalogo();
        const Filas vinculos = Vinculos();
        Filas antes;
        QWidget* ventana;
        if (borrar) {
            MainForm->M_BorrarIndicador->trigger();
            TF_BorrarIR* f = F_BorrarIR;
            Elegir(f->CB_BorrarIR, 1);
            e->ws.Db().Exec(cambio);
            antes = Indicadores();
            QTest::mouseClick(f->B_Borrar, Qt::LeftButton);
            QCOMPARE(f->CB_BorrarIR->count(), 1);
            QVERIFY(!f->B_Borrar->isEnabled());
            ventana = f;
        } else {
            TF_ModificarIRP2* f = AbrirModificacion(1);
            e->ws.Db().Exec(cambio);
            antes = Indicadores();
            Escoger(f->CB_GI, 2);
            Pulsar(f->SB_Dimensiones, f->MatrizChecks[2][0].CheckBox);
            QTest::mouseClick(f->RB_Datos, Qt::LeftButton);
            QTest::mouseClick(f->B_Modificar, Qt::LeftButton);
            ventana = f;
        }
        QCOMPARE(e->mensajes.Texts(), QStringList{aviso});
        QVERIFY(ventana->isVisible());
        QCOMPARE(Indicadores(), antes);
        QCOMPARE(Vinculos(), vinculos);
    }

    void falloAlGuardar_data()
    {
        QTest::addColumn<QString>("ventana");    // crear, modificar or borrar
        QTest::addColumn<bool>("encuesta");      // through the question dialog
        QTest::addColumn<QString>("disparador"); // none: the connection writes nothing
        const QString vinculo = QStringLiteral("BEFORE INSERT ON Subcriterios_IndicadoresR");
        const QString pregunta = QStringLiteral("BEFORE UPDATE ON IRendimiento");
        QTest::newRow("crear, un vínculo") << "crear" << false << vinculo;
        QTest::newRow("crear, la pregunta") << "crear" << true << pregunta;
        QTest::newRow("modificar, un vínculo") << "modificar" << false << vinculo;
        QTest::newRow("modificar, la pregunta") << "modificar" << true << pregunta;
        QTest::newRow("borrar") << "borrar" << false << "BEFORE DELETE ON IRendimiento";
        // As for a read-only file (tests may run as root, who writes any file).
        for (const char* v : {"crear", "modificar", "borrar"})
            QTest::addRow("%s, solo lectura", v) << QString(v) << false << QString();
    }

    // A save that cannot be written, in the window or in its question dialog, shows
    // the database's error, writes nothing and leaves the window open; a dialog left
    // after its error takes the whole save back.
    void falloAlGuardar()
    {
        QFETCH(QString, ventana);
        QFETCH(bool, encuesta);
        QFETCH(QString, disparador);
        Catalogo();
        if (disparador.isEmpty())
            QVERIFY(QSqlQuery(DM_BdatosADO->Database1->Database()).exec("PRAGMA query_only=1"));
        else
            e->ws.Db().Exec(QStringLiteral("CREATE TRIGGER fallo %1 BEGIN SELECT RAISE(ABORT, "
                                           "'disco lleno'); END")
                                .arg(disparador));
        const Filas antes = Indicadores(), vinculos = Vinculos();
        QWidget* f;
        QPushButton* guardar;
        if (ventana == "borrar") {
            MainForm->M_BorrarIndicador->trigger();
            Elegir(F_BorrarIR->CB_BorrarIR, 1);
            f = F_BorrarIR, guardar = F_BorrarIR->B_Borrar;
        } else {
            // A box ticked in a group, and the type.
            const auto elegir = [&](auto* v, const auto& celdas) {
                Escoger(v->CB_GI, 2);
                Pulsar(v->SB_Dimensiones, celdas[2][0].CheckBox);
                QTest::mouseClick(encuesta ? v->RB_Encuesta : v->RB_Datos, Qt::LeftButton);
            };
            if (ventana == "crear") {
                MainForm->Crear3->trigger();
                F_CrearIR->M_Definicion->setPlainText(QStringLiteral("Nuevo"));
                elegir(F_CrearIR.data(), F_CrearIR->ChecksGI);
                f = F_CrearIR, guardar = F_CrearIR->B_Insertar;
            } else {
                QVERIFY(AbrirModificacion(1));
                elegir(F_ModificarIRP2.data(), F_ModificarIRP2->MatrizChecks);
                f = F_ModificarIRP2, guardar = F_ModificarIRP2->B_Modificar;
            }
        }
        EnLaPregunta dialogo(
            [](TF_CrearIRPregunta* d) {
                Responder(Insertar, QStringLiteral("¿Nueva?"), 0)(d);
                QTest::mouseClick(d->B_Salir, Qt::LeftButton);
            },
            encuesta);
        QTest::mouseClick(guardar, Qt::LeftButton);
        QVERIFY2(dialogo.Fallo().isEmpty(), qPrintable(dialogo.Fallo()));
        QCOMPARE(e->mensajes.Shown().size(), 1);
        QVERIFY2(
            e->mensajes.Shown().first().startsWith(
                disparador.isEmpty()
                    ? "Error: No se ha podido guardar en la base de datos: el archivo de la "
                      "base de datos o su carpeta es de solo lectura."
                    : "Error: No se ha podido guardar en la base de datos: ") &&
                e->mensajes.Shown().first().contains(disparador.isEmpty() ? "" : "disco lleno"),
            qPrintable(e->mensajes.Shown().first()));
        QCOMPARE(Indicadores(), antes);
        QCOMPARE(Vinculos(), vinculos);
        QVERIFY(f->isVisible());
    }

    void ventanaIlegible_data()
    {
        QTest::addColumn<QString>("tabla");
        QTest::newRow("crear") << "Criterio";
        QTest::newRow("modificar") << "IRendimiento";
        QTest::newRow("borrar") << "IRendimiento";
        QTest::newRow("modificar, paso 2") << "Subcriterios_IndicadoresR";
    }

    // A table that cannot be read: the error box and no window left half made; step 1
    // stays open, the others give the commands back.
    void ventanaIlegible()
    {
        QFETCH(QString, tabla);
        const QByteArray fila = QTest::currentDataTag();
        if (fila == "modificar, paso 2") {
            Catalogo();
            MainForm->M_ModificarIndicador->trigger();
            Elegir(F_ModificarIR->CB_ModificarIR, 1);
        }
        e->ws.Db().Exec("DROP TABLE " + tabla);
        ui::RunGuarded([&] {
            if (fila == "crear")
                MainForm->Crear3->trigger();
            else if (fila == "modificar")
                MainForm->M_ModificarIndicador->trigger();
            else if (fila == "borrar")
                MainForm->M_BorrarIndicador->trigger();
            else
                QTest::mouseClick(F_ModificarIR->B_Siguiente, Qt::LeftButton);
        });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(e->mensajes.Shown().size(), 1);
        QVERIFY2(e->mensajes.Shown().first().startsWith(
                     "Error: No se ha podido leer la base de datos: falta una tabla"),
                 qPrintable(e->mensajes.Shown().first()));
        QVERIFY(!F_CrearIR && !F_BorrarIR && !F_ModificarIRP2);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<TF_ModificarIRP2*>(w), "a step 2 left behind");
        const bool paso1 = fila.endsWith("paso 2");
        QCOMPARE(!F_ModificarIR, !paso1);
        QCOMPARE(e->Menus(), paso1 ? "bloqueados" : "libres");
    }

    // An indicator deleted elsewhere between its choice in step 1 and "SIGUIENTE": the
    // warning, no step 2, and step 1 lists what is left with nothing chosen.
    void desaparecidoEnElPaso1()
    {
        Catalogo();
        MainForm->M_ModificarIndicador->trigger();
        TF_ModificarIR* paso1 = F_ModificarIR;
        Elegir(paso1->CB_ModificarIR, 1);
        e->ws.Db().Exec(QStringLiteral("DELETE FROM IRendimiento WHERE codigo=9"));
        QTest::mouseClick(paso1->B_Siguiente, Qt::LeftButton);
        QCOMPARE(
            e->mensajes.Texts(),
            QStringList{"El indicador de rendimiento ya no existe: otra ventana lo ha borrado"});
        QVERIFY(!F_ModificarIRP2 && paso1->isVisible());
        QCOMPARE(Textos(paso1->CB_ModificarIR),
                 (QStringList{"Horas impartidas", "Tasa de abandono"}));
        QVERIFY(!paso1->B_Siguiente->isEnabled());
    }

    void borrar_data()
    {
        QTest::addColumn<QList<int>>("elegir");
        QTest::addColumn<int>("borrado");
        QTest::newRow("uno con vínculos") << QList<int>{1} << 9;
        QTest::newRow("el segundo elegido") << QList<int>{1, 0} << 7;
    }

    // Only the program's own indicators are listed, before and after a modification;
    // the chosen one goes with all its links.
    void borrar()
    {
        QFETCH(QList<int>, elegir);
        QFETCH(int, borrado);
        Catalogo();
        e->ws.Db().Exec(QStringLiteral("INSERT INTO IRendimiento VALUES "
                                       "(12,'Horas impartidas',0,5,0,NULL,NULL)"));
        // The catalogue's indicator keeps its estado through a modification.
        TF_ModificarIRP2* paso2 = AbrirModificacion(3);
        QCOMPARE(paso2->CodIRSel, 4);
        QTest::mouseClick(paso2->B_Modificar, Qt::LeftButton);
        e->mensajes.Clear();

        MainForm->M_BorrarIndicador->trigger();
        QPointer<TF_BorrarIR> f = F_BorrarIR.data();
        QCOMPARE(e->Menus(), "bloqueados");
        QCOMPARE(Textos(f->CB_BorrarIR), (QStringList{"Horas impartidas", "Satisfacción"}));
        QCOMPARE(f->VCodIR, (std::vector<int>{7, 9}));
        QVERIFY(!f->B_Borrar->isEnabled());
        for (int i : elegir)
            Elegir(f->CB_BorrarIR, i);
        QCOMPARE(f->CB_BorrarIR->toolTip(), f->CB_BorrarIR->itemText(elegir.last()));
        Filas esperadas = Indicadores();
        esperadas.removeIf([&](const QVariantList& v) { return v[0].toInt() == borrado; });
        QTest::mouseClick(f->B_Borrar, Qt::LeftButton);
        QCOMPARE(e->mensajes.Shown(), QStringList{"Información: El indicador ha sido borrado"});
        QCOMPARE(Indicadores(), esperadas);
        QVERIFY(VinculosDe(borrado).isEmpty());
        QCOMPARE(VinculosDe(4), (QList<int>{21, 31}));
        QVERIFY(e->Cerrada(f));
    }

    // With no indicator the lists are empty and only "SALIR" acts; step 1 gives the
    // commands back when it closes.
    void sinIndicadores()
    {
        Catalogo(false);
        MainForm->M_ModificarIndicador->trigger();
        TF_ModificarIR* m = F_ModificarIR;
        QCOMPARE(m->CB_ModificarIR->count(), 0);
        QVERIFY(!m->B_Siguiente->isEnabled());
        QCOMPARE(e->Menus(), "bloqueados");
        QTest::mouseClick(m->B_Salir, Qt::LeftButton);
        QVERIFY(e->Cerrada(F_ModificarIR));
        MainForm->M_BorrarIndicador->trigger();
        QCOMPARE(F_BorrarIR->CB_BorrarIR->count(), 0);
        QVERIFY(!F_BorrarIR->B_Borrar->isEnabled());
    }

    void filasDesplegadas_data()
    {
        QTest::addColumn<bool>("borrar");
        QTest::addColumn<int>("indicadores");
        for (const bool borrar : {true, false})
            for (const int indicadores : {20, 21, 31})
                QTest::addRow("%s, %d", borrar ? "borrado" : "modificación", indicadores)
                    << borrar << indicadores;
    }

    // A list drops down 20 rows at most: 20 indicators show whole, a 21st sits behind a
    // scroll bar.
    void filasDesplegadas()
    {
        QFETCH(bool, borrar);
        QFETCH(int, indicadores);
        for (int k = 1; k <= indicadores; ++k)
            e->ws.Db().Exec(QStringLiteral("INSERT INTO IRendimiento VALUES (?,?,0,1,0,NULL,NULL)"),
                            {k, QStringLiteral("Indicador %1").arg(k)});
        (borrar ? MainForm->M_BorrarIndicador : MainForm->M_ModificarIndicador)->trigger();
        QComboBox* lista = borrar ? F_BorrarIR->CB_BorrarIR : F_ModificarIR->CB_ModificarIR;
        QCOMPARE(lista->count(), indicadores);
        lista->showPopup();
        QAbstractItemView* vista = lista->view();
        QTRY_VERIFY(vista->isVisible());
        int vistas = 0;
        for (int i = 0; i < lista->count(); ++i)
            vistas += vista->visualRect(vista->model()->index(i, 0))
                          .intersects(vista->viewport()->rect());
        QCOMPARE(vistas, 20);
        QCOMPARE(vista->verticalScrollBar()->isVisible(), indicadores > 20);
        lista->hidePopup();
    }

    // Stored texts show as typed: tags, '&' and line breaks as they stand, in a list's
    // tooltip and in the dimension boxes, where a '&' is no shortcut either.
    void textoPlano()
    {
        const QString definicion = QStringLiteral("<h1>Ventilación</h1> & <b>aire</b>\r\nfin");
        const QString dimension = QStringLiteral("<i>Familias</i> &amp; & 1");
        Catalogo();
        e->ws.Db().Exec(QStringLiteral("UPDATE IRendimiento SET definicion=? WHERE codigo=9"),
                        {definicion});
        e->ws.Db().Exec(QStringLiteral("UPDATE Subcriterio SET definicion=? WHERE codigo=31"),
                        {dimension});

        MainForm->M_BorrarIndicador->trigger();
        QComboBox* lista = F_BorrarIR->CB_BorrarIR;
        Elegir(lista, lista->findData(definicion));
        QHelpEvent ayuda(QEvent::ToolTip, QPoint(4, 4), lista->mapToGlobal(QPoint(4, 4)));
        QCoreApplication::sendEvent(lista, &ayuda);
        QLabel* mostrada = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible())
                mostrada = qobject_cast<QLabel*>(w);
        QVERIFY(mostrada);
        QTextDocument documento;
        documento.setHtml(mostrada->text());
        QCOMPARE(documento.toPlainText(), QString(definicion).replace("\r\n", "\n"));
        QToolTip::hideText();
        QTest::mouseClick(F_BorrarIR->B_Salir, Qt::LeftButton);

        MainForm->Crear3->trigger();
        TF_CrearIR* f = F_CrearIR;
        Escoger(f->CB_GI, 2);
        QCheckBox* caja = f->ChecksGI[2][0].CheckBox;
        QCOMPARE(QString(caja->text()).replace("&&", "&"), dimension);
        // A shortcut would press the box after a short show of the press.
        QTest::keyClick(f, Qt::Key_A, Qt::AltModifier);
        QTest::qWait(150);
        QVERIFY(!caja->isChecked());
    }

    void tabulacion_data()
    {
        QTest::addColumn<bool>("modificar");
        QTest::newRow("creación") << false;
        QTest::newRow("modificación") << true;
    }

    // A group chosen puts the focus on its first box; Tab goes from there through the
    // group's boxes, top to bottom and scrolled into sight, then on through the window in
    // its order; Shift+Tab back. A box clicked where it shows in part stays where it is.
    void tabulacion()
    {
        QFETCH(bool, modificar);
        Catalogo();
        QWidget* ventana;
        QComboBox* grupos;
        QScrollArea* area;
        if (modificar) {
            TF_ModificarIRP2* m = AbrirModificacion(0);
            ventana = m, grupos = m->CB_GI, area = m->SB_Dimensiones;
        } else {
            MainForm->Crear3->trigger();
            ventana = F_CrearIR, grupos = F_CrearIR->CB_GI, area = F_CrearIR->SB_Dimensiones;
        }
        // The window starts on the first control of its order, modification step 2 too
        // once step 1 has handed over.
        QCOMPARE(ventana->focusWidget(),
                 ventana->findChild<QWidget*>(QStringLiteral("M_Definicion")));
        Escoger(grupos, 2);
        Escoger(grupos, 0);
        QCOMPARE(testing::Mostrado(QApplication::focusWidget()), QStringLiteral("Alumnado 1"));
        QStringList esperado;
        for (int k = 2; k <= 7; ++k)
            esperado << QStringLiteral("Alumnado %1").arg(k);
        esperado += QStringList{modificar ? "B_Modificar" : "B_Insertar",
                                "B_Salir",
                                "M_Definicion",
                                "ChB_Clave",
                                "CB_GI",
                                "RB_Datos",
                                "Alumnado 1",
                                "Alumnado 2"};
        QCOMPARE(testing::Tabular(ventana, int(esperado.size())), esperado);
        QCOMPARE(testing::Tabular(ventana, int(esperado.size()) - 1, true),
                 esperado.mid(0, esperado.size() - 1));

        QCheckBox* ultima = nullptr;
        for (QCheckBox* caja : area->widget()->findChildren<QCheckBox*>())
            if (caja->isVisible() && caja->text() == QLatin1String("Alumnado 7"))
                ultima = caja;
        QVERIFY(ultima);
        QScrollBar* barra = area->verticalScrollBar();
        barra->setValue(ultima->y() - area->viewport()->height() + 8);
        const int desplazada = barra->value();
        QVERIFY(ultima->visibleRegion().boundingRect().height() == 8);
        QTest::mouseClick(ultima, Qt::LeftButton, {}, QPoint(6, 4));
        QCOMPARE(QApplication::focusWidget(), ultima);
        QCOMPARE(barra->value(), desplazada);
    }

    // A group chosen in any way puts the focus on its first box, or leaves it on the list
    // for a group without dimensions; the round from there comes home and Shift+Tab
    // retraces it. A click where the area holds no box leaves the focus where it is.
    void focoTrasElegir_data()
    {
        QTest::addColumn<bool>("modificar");
        QTest::addColumn<int>("antes"); // the group shown first; -1 none
        QTest::addColumn<int>("como");
        QTest::addColumn<int>("grupo");
        QTest::addColumn<QString>("vuelta");
        // The round from the first box of "Familias", or from the list.
        const QString cajas =
            "Familias 2, B_%1, B_Salir, M_Definicion, ChB_Clave, CB_GI, RB_Datos, "
            "Familias 1";
        const QString lista = "RB_Datos, B_%1, B_Salir, M_Definicion, ChB_Clave, CB_GI";
        const int raton = int(testing::Eleccion::Raton), teclas = int(testing::Eleccion::Teclas),
                  cerrada = int(testing::Eleccion::Cerrada);
        QTest::newRow("creación, ratón") << false << -1 << raton << 2 << cajas.arg("Insertar");
        QTest::newRow("creación, teclas, sin dimensiones")
            << false << -1 << teclas << 1 << lista.arg("Insertar");
        QTest::newRow("creación, abajo") << false << 1 << cerrada << 2 << cajas.arg("Insertar");
        QTest::newRow("creación, arriba") << false << 2 << cerrada << 1 << lista.arg("Insertar");
        QTest::newRow("modificación, ratón, sin dimensiones")
            << true << 0 << raton << 1 << lista.arg("Modificar");
        QTest::newRow("modificación, teclas")
            << true << -1 << teclas << 2 << cajas.arg("Modificar");
    }

    void focoTrasElegir()
    {
        QFETCH(bool, modificar);
        QFETCH(int, antes);
        QFETCH(int, como);
        QFETCH(int, grupo);
        QFETCH(QString, vuelta);
        Catalogo();
        if (!modificar)
            MainForm->Crear3->trigger();
        QWidget* ventana = modificar ? static_cast<QWidget*>(AbrirModificacion(0)) : F_CrearIR;
        QVERIFY(ventana);
        auto* grupos = ventana->findChild<QComboBox*>(QStringLiteral("CB_GI"));
        if (antes >= 0)
            Escoger(grupos, antes);
        QVERIFY(testing::ElegirEn(grupos, grupo, testing::Eleccion(como)));
        QCOMPARE(testing::Vuelta(ventana), vuelta);
        QWidget* foco = QApplication::focusWidget();
        QWidget* area =
            ventana->findChild<QScrollArea*>(QStringLiteral("SB_Dimensiones"))->viewport();
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(area->width() - 4, area->height() - 4));
        QCOMPARE(QApplication::focusWidget(), foco);
    }

    // The keyboard round of each indicator window in each state: `pasos` are what the user
    // did, "g" + N choosing the group at N, "E" choosing "Encuesta", "i" + N the indicator at
    // N (the one at 1 gathered by "Encuesta"), "P" the question dialog.
    void teclado_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QStringList>("pasos");
        QTest::addColumn<QString>("vuelta");
        const QString datos = "ChB_Clave, CB_GI, RB_Datos, B_%1, B_Salir, M_Definicion";
        const QString encuesta = "B_%1, B_Salir, M_Definicion, ChB_Clave, CB_GI, RB_Encuesta";
        QTest::newRow("creación") << "crear" << QStringList{} << datos.arg("Insertar");
        QTest::newRow("creación, grupo")
            << "crear" << QStringList{"g2"}
            << "Familias 2, B_Insertar, B_Salir, M_Definicion, ChB_Clave, CB_GI, RB_Datos, "
               "Familias 1";
        QTest::newRow("creación, Encuesta")
            << "crear" << QStringList{"E"} << encuesta.arg("Insertar");
        QTest::newRow("modificación 1")
            << "modificar" << QStringList{} << "B_Salir, CB_ModificarIR";
        QTest::newRow("modificación 1, indicador")
            << "modificar" << QStringList{"i1"} << "B_Salir, CB_ModificarIR, B_Siguiente";
        QTest::newRow("modificación 2, Datos")
            << "modificar" << QStringList{"i0", "S"} << datos.arg("Modificar");
        // Loaded as "Encuesta", the indicator's type is the group's stop.
        QTest::newRow("modificación 2, Encuesta")
            << "modificar" << QStringList{"i1", "S"}
            << "ChB_Clave, CB_GI, RB_Encuesta, B_Modificar, B_Salir, M_Definicion";
        QTest::newRow("modificación 2, Encuesta y grupo")
            << "modificar" << QStringList{"i1", "S", "g2"}
            << "Familias 2, " + encuesta.arg("Modificar") + ", Familias 1";
        QTest::newRow("pregunta") << "modificar" << QStringList{"i1", "S", "P"}
                                  << "CB_TResp, B_Insertar, B_Salir, M_Pregunta";
        QTest::newRow("borrado") << "borrar" << QStringList{} << "B_Salir, CB_BorrarIR";
        QTest::newRow("borrado, indicador")
            << "borrar" << QStringList{"i0"} << "B_Salir, CB_BorrarIR, B_Borrar";
    }

    void teclado()
    {
        QFETCH(QString, ventana);
        QFETCH(QStringList, pasos);
        QFETCH(QString, vuelta);
        Catalogo();
        QAction* orden = ventana == "crear"       ? MainForm->Crear3
                         : ventana == "modificar" ? MainForm->M_ModificarIndicador
                                                  : MainForm->M_BorrarIndicador;
        orden->trigger();
        QWidget* w = ventana == "crear"       ? static_cast<QWidget*>(F_CrearIR)
                     : ventana == "modificar" ? static_cast<QWidget*>(F_ModificarIR)
                                              : F_BorrarIR;
        QString visto;
        for (const QString& paso : pasos) {
            QVERIFY(w);
            if (paso == "P") {
                EnLaPregunta dialogo([&](TF_CrearIRPregunta* d) {
                    visto = testing::Vuelta(d);
                    QTest::mouseClick(d->B_Salir, Qt::LeftButton);
                });
                QTest::mouseClick(w->findChild<QPushButton*>("B_Modificar"), Qt::LeftButton);
                QVERIFY2(dialogo.Fallo().isEmpty(), qPrintable(dialogo.Fallo()));
            } else if (paso == "S") {
                QTest::mouseClick(w->findChild<QPushButton*>("B_Siguiente"), Qt::LeftButton);
                w = F_ModificarIRP2;
            } else if (paso == "E") {
                QTest::mouseClick(w->findChild<QRadioButton*>("RB_Encuesta"), Qt::LeftButton);
            } else {
                auto* lista = w->findChild<QComboBox*>(paso[0] == 'g' ? "CB_GI" : nullptr);
                Escoger(lista, paso.mid(1).toInt());
            }
        }
        QCOMPARE(pasos.contains("P") ? visto : testing::Vuelta(w), vuelta);
    }

    // Modification step 2's group list acts only on a choice from it: a group's name
    // typed and Enter show none of its boxes.
    void grupoTecleado()
    {
        Catalogo();
        TF_ModificarIRP2* f = AbrirModificacion(0);
        f->CB_GI->setFocus();
        f->CB_GI->lineEdit()->clear();
        QTest::keyClicks(f->CB_GI, QStringLiteral("Familias"));
        QTest::keyClick(f->CB_GI, Qt::Key_Return);
        QTest::keyClick(f->CB_GI->lineEdit(), Qt::Key_Enter);
        QCOMPARE(f->GIAnterior, -1);
        QVERIFY(!f->MatrizChecks[2][0].CheckBox->isVisible());
        Escoger(f->CB_GI, 2);
        QVERIFY(f->MatrizChecks[2][0].CheckBox->isVisible());
    }

    void grupoSoloDeLaLista_data()
    {
        QTest::addColumn<bool>("antes"); // Alumnado picked from the list first
        QTest::addColumn<int>("gesto");
        QTest::addColumn<int>("grupo"); // the group shown afterwards; -1 none
        QTest::newRow("tecleado, Tab") << false << int(TecleoYTab) << -1;
        QTest::newRow("tecleado, clic fuera") << false << int(TecleoYClic) << -1;
        QTest::newRow("tecleado sobre Alumnado, Tab") << true << int(TecleoYTab) << 0;
        QTest::newRow("tecleado sobre Alumnado, clic fuera") << true << int(TecleoYClic) << 0;
        QTest::newRow("flecha con la lista cerrada") << true << int(FlechaCerrada) << 0;
        QTest::newRow("rueda con la lista cerrada") << true << int(RuedaCerrada) << 0;
        QTest::newRow("lista abierta, flechas e Intro") << true << int(AbiertaFlechasIntro) << 2;
        QTest::newRow("ratón") << false << int(Raton) << 2;
    }

    // Modification step 2's group list acts only on a group chosen from its dropped-down
    // list; leaving it after typing, or arrows and the wheel on it closed, leave the
    // choice, the boxes shown and the list's text as they were.
    void grupoSoloDeLaLista()
    {
        QFETCH(bool, antes);
        QFETCH(int, gesto);
        QFETCH(int, grupo);
        Catalogo();
        TF_ModificarIRP2* f = AbrirModificacion(0);
        QComboBox* lista = f->CB_GI;
        if (antes)
            Escoger(lista, 0);
        lista->setFocus();
        if (gesto == TecleoYTab || gesto == TecleoYClic) {
            lista->lineEdit()->selectAll();
            QTest::keyClicks(lista, QStringLiteral("Fam"));
            QCOMPARE(lista->currentText(), QStringLiteral("Familias"));
            if (gesto == TecleoYTab)
                QTest::keyClick(lista, Qt::Key_Tab);
            else
                QTest::mouseClick(f->M_Definicion, Qt::LeftButton);
            QVERIFY(!lista->hasFocus());
        } else if (gesto == FlechaCerrada) {
            for (Qt::Key tecla : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Up})
                QTest::keyClick(lista, tecla);
        } else if (gesto == RuedaCerrada) {
            const QPointF centro = lista->rect().center();
            QWheelEvent rueda(centro, lista->mapToGlobal(centro), {}, {0, -120}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(lista, &rueda);
        } else if (gesto == AbiertaFlechasIntro) {
            QTest::keyClick(lista, Qt::Key_Down, Qt::AltModifier);
            QTRY_VERIFY(lista->view()->isVisible());
            QTest::keyClick(lista->view(), Qt::Key_Down);
            QTest::keyClick(lista->view(), Qt::Key_Down);
            QTest::keyClick(lista->view(), Qt::Key_Return);
            QTRY_VERIFY(!lista->view()->isVisible());
        } else {
            Escoger(lista, 2);
        }
        QCOMPARE(f->GIAnterior, grupo);
        QCOMPARE(lista->currentIndex(), grupo);
        QCOMPARE(lista->currentText(), grupo < 0 ? QString() : lista->itemText(grupo));
        for (size_t g = 0; g < f->MatrizChecks.size(); ++g)
            for (const TCeldaSubcriterioIR& celda : f->MatrizChecks[g])
                QCOMPARE(celda.CheckBox->isVisible(), int(g) == grupo);
    }

    void nombresEnUnaLinea_data() { testing::SaltosDeLinea(); }

    // Names stored on two lines show whole on one line, the break as a blank: the list of
    // indicators, whose tooltip keeps the name as stored, the group list and the
    // dimension boxes.
    void nombresEnUnaLinea()
    {
        QFETCH(QString, salto);
        Catalogo();
        const QString indicador = "Satis" + salto + "facción";
        e->ws.Db().Exec(QStringLiteral("UPDATE IRendimiento SET definicion=? WHERE codigo=9"),
                        {indicador});
        e->ws.Db().Exec(QStringLiteral("UPDATE Criterio SET definicion=? WHERE codigo=3"),
                        {"Familias" + salto + "y tutores"});
        e->ws.Db().Exec(QStringLiteral("UPDATE Subcriterio SET definicion=? WHERE codigo=31"),
                        {"Familias" + salto + "1"});
        MainForm->M_ModificarIndicador->trigger();
        QVERIFY(F_ModificarIR);
        QComboBox* indicadores = F_ModificarIR->CB_ModificarIR;
        QCOMPARE(indicadores->itemText(1), QStringLiteral("Satis facción"));
        Elegir(indicadores, 1);
        QCOMPARE(indicadores->toolTip(), indicador);
        QTest::mouseClick(F_ModificarIR->B_Siguiente, Qt::LeftButton);
        TF_ModificarIRP2* f = F_ModificarIRP2;
        QVERIFY(f);
        QCOMPARE(f->CB_GI->itemText(2), QStringLiteral("Familias y tutores"));
        Escoger(f->CB_GI, 2);
        QCOMPARE(f->CB_GI->currentText(), QStringLiteral("Familias y tutores"));
        QCOMPARE(f->MatrizChecks[2][0].CheckBox->text(), QStringLiteral("Familias 1"));
    }

    // The question dialog's buttons are lettered as the work windows' buttons are.
    void fuenteDelDialogo()
    {
        MainForm->Crear3->trigger();
        TF_CrearIRPregunta d(F_CrearIR);
        for (QPushButton* b : {d.B_Insertar, d.B_Salir})
            QCOMPARE(b->font(), F_CrearIR->B_Salir->font());
    }
};

DIMARVOLTECA_TEST_MAIN(TestIndicadoresIR)
#include "TestIndicadoresIR.moc"
