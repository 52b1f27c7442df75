#include "TestSupport.h"
#include "platform/ado/AdoConnection.h"
#include "platform/ado/AdoQuery.h"
#include "platform/ado/AdoTable.h"
#include "platform/ado/DatabaseError.h"
#include "platform/ado/JetSql.h"

#include <QCollator>
#include <QFile>
#include <QSqlQuery>
#include <algorithm>
#include <memory>

using namespace ado;

class TestAdo : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::Workspace> ws;
    std::unique_ptr<TADOConnection> conn;
    std::unique_ptr<TADOQuery> query;

    void Prepare(const QString& sql) { query->SetSQL(sql); }

private slots:
    void init()
    {
        ws = std::make_unique<testing::Workspace>();
        conn = std::make_unique<TADOConnection>();
        conn->ConnectionString = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                                 ws->DbPath() + QStringLiteral(";Persist Security Info=False");
        conn->Open();
        query = std::make_unique<TADOQuery>();
        query->SetConnection(conn.get());
    }

    void cleanup()
    {
        query.reset();
        conn.reset();
        ws.reset();
    }

    void parameterNames_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("translated");
        QTest::newRow("plain") << "SELECT a FROM t WHERE codigo=:codigo" << QStringList{"codigo"}
                               << "SELECT a FROM t WHERE codigo=?";
        QTest::newRow("space before")
            << "WHERE cod_dim= :cod_dim group by cod_dim" << QStringList{"cod_dim"}
            << "WHERE cod_dim= ? group by cod_dim";
        QTest::newRow("repeated") << "WHERE a=:x OR b=:X" << QStringList{"x"} << "WHERE a=? OR b=?";
        QTest::newRow("inside literal")
            << "WHERE a=':no' AND b=:si" << QStringList{"si"} << "WHERE a=':no' AND b=?";
        QTest::newRow("delete star")
            << "DELETE * FROM PregEncTemp" << QStringList{} << "DELETE FROM PregEncTemp";
        QTest::newRow("order by")
            << "SELECT codigo FROM Criterio ORDER BY definicion ASC" << QStringList{}
            << "SELECT codigo FROM Criterio ORDER BY definicion COLLATE ES_DICT "
               "ASC";
        QTest::newRow("order by qualified, lower case")
            << "SELECT x FROM a ir order by ir.definicion asc, codigo" << QStringList{}
            << "SELECT x FROM a ir order by ir.definicion COLLATE ES_DICT asc, "
               "codigo COLLATE ES_DICT";
    }

    void parameterNames()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, names);
        QFETCH(QString, translated);
        QCOMPARE(ParameterNames(sql), names);
        QCOMPARE(TranslateJetSql(sql), translated);
    }

    void bindingErrors_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("bind");
        QTest::newRow("name the statement lacks")
            << "SELECT * FROM Pregunta WHERE codigo=:codigo" << QStringList{"codigo", "otro"};
        QTest::newRow("parameter left unbound")
            << "SELECT * FROM Pregunta WHERE codigo=:codigo AND tipo=:tipo"
            << QStringList{"codigo"};
        QTest::newRow("unknown table") << "SELECT * FROM NoExiste" << QStringList{};
    }

    void bindingErrors()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, bind);
        Prepare(sql);
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, {
            for (const QString& name : bind)
                query->SetParam(name, 1);
            query->Open();
        });
        QVERIFY(!query->Active());
    }

    void valuesNeverCarryOver()
    {
        Prepare("SELECT * FROM Pregunta WHERE codigo=:codigo");
        query->SetParam("codigo", 1);
        query->Open();
        Prepare("SELECT * FROM Pregunta WHERE codigo=:codigo");
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, query->Open());
    }

    void rowCounts_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("rows");
        QTest::newRow("nothing matches") << "SELECT * FROM Criterio WHERE codigo=99" << 0;
        QTest::newRow("all") << "SELECT * FROM Criterio" << 3;
        QTest::newRow("count grouped, no group")
            << "SELECT count(*) FROM Indicador WHERE cod_dim=5 group by cod_dim" << 0;
        QTest::newRow("max of empty table")
            << "SELECT MAX(codigo) as mxcod FROM CabeceraEncuesta" << 1;
    }

    void rowCounts()
    {
        QFETCH(QString, sql);
        QFETCH(int, rows);
        ws->Db().Exec("INSERT INTO Criterio VALUES (1,'a'),(2,'b'),(3,'c')");
        Prepare(sql);
        query->Open();
        QCOMPARE(query->RecordCount(), rows);
        int walked = 0;
        QVERIFY(testing::WalkRows(*query, [&] { ++walked; }));
        QCOMPARE(walked, rows);
    }

    void nullsRead()
    {
        ws->Db().Exec("INSERT INTO IRendimiento(codigo) VALUES (1)");
        Prepare("SELECT definicion, tipo, clave, pregunta FROM IRendimiento");
        query->Open();
        QCOMPARE(query->FieldByName("definicion").AsString(), QString());
        QCOMPARE(query->FieldByName("tipo").AsInteger(), 0);
        QCOMPARE(query->FieldByName("clave").AsBoolean(), false);
        QCOMPARE(query->Fields(3).AsString(), QString());
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, query->FieldByName("noexiste"));
    }

    void textsStoredVerbatim_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes") << "O'Brien \"el bueno\"";
        QTest::newRow("sql") << "x'); DROP TABLE Criterio; --";
        QTest::newRow("blanks") << "  dos espacios  ";
        QTest::newRow("empty") << "";
        QTest::newRow("colon name") << ":codigo";
        QTest::newRow("accents") << "¿Le atienden bien?";
    }

    // Bound by name, in another order than the statement's.
    void textsStoredVerbatim()
    {
        QFETCH(QString, text);
        Prepare("INSERT INTO Criterio(codigo, definicion) VALUES(:codigo, "
                ":definicion)");
        query->SetParam("definicion", text.isEmpty() ? QString::fromLatin1("", 0) : text);
        query->SetParam("codigo", 4);
        query->ExecSQL();
        QCOMPARE(ws->Db().Rows("SELECT codigo, definicion, typeof(definicion) FROM Criterio"),
                 (QList<QVariantList>{{4LL, text, QStringLiteral("text")}}));
    }

    void spanishOrdering()
    {
        ws->Db().Exec("INSERT INTO Criterio VALUES (1,'Zona'),(2,'Ámbito'),(3,'ambiental'),"
                      "(4,'ñandú'),(5,'nube'),(6,'oso'),(7,'Éxito'),(8,'escuela')");
        Prepare("SELECT definicion FROM Criterio ORDER BY definicion ASC");
        query->Open();
        QStringList order;
        QVERIFY(testing::WalkRows(*query, [&] { order << query->Fields(0).AsString(); }));
        QCOMPARE(order, (QStringList{"ambiental", "Ámbito", "escuela", "Éxito", "nube", "ñandú",
                                     "oso", "Zona"}));
    }

    // Sorting in the database gives the order of the Spanish collator, ties between
    // texts that it takes as equal going by code points.
    void spanishOrderingFollowsTheCollator_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("accents and case") << QStringList{
            "Éxito", "exito", "éxito", "Exito", "EXITO", "exitos", "éxitos", "Exíto", "ÉXITO"};
        QTest::newRow("ñ") << QStringList{"ñu", "nu", "Ñu",   "nz",   "ña",
                                          "na", "ño", "noño", "nono", "NOÑO"};
        QTest::newRow("ch and ll")
            << QStringList{"llama", "lugar", "chico", "cuna", "ciudad", "lzz", "Llave", "CHAL"};
        QTest::newRow("punctuation and blanks") << QStringList{
            "a b", "ab", "a-b", "a_b", "a.b", "a  b", " a", "¿a?", "¡a!", "a,b", "a'b", "a\tb"};
        QTest::newRow("digits, prefixes and empty")
            << QStringList{"a", "a1",          "a10",      "a2",        "A",     "aa",
                           "",  "medida 0001", "medida 1", "medida 01", "Medida"};
        QTest::newRow("ignorable and combining") << QStringList{QString::fromUtf8("a\u200Bb"),
                                                                "ab",
                                                                QString::fromUtf8("a\u00ADb"),
                                                                QString::fromUtf8("a\u0301"),
                                                                "á",
                                                                QString::fromUtf8("n\u0303"),
                                                                "ñ",
                                                                "n"};
        // Texts drawn from the letters where Spanish order is easy to get wrong.
        const QString letras = QStringLiteral("aAáÁeéEÉnNñÑoóuüÚcClL -.,1¿?");
        QStringList mezcla;
        quint32 semilla = 20261207;
        for (int i = 0; i < 300; ++i) {
            QString texto;
            for (int n = int(semilla % 7); n >= 0; --n) {
                semilla = semilla * 1103515245u + 12345u;
                texto += letras.at(int((semilla >> 8) % quint32(letras.size())));
            }
            mezcla << texto;
        }
        QTest::newRow("mixed") << mezcla;
    }

    void spanishOrderingFollowsTheCollator()
    {
        QFETCH(QStringList, texts);
        for (int i = 0; i < texts.size(); ++i)
            ws->Db().Exec("INSERT INTO Criterio VALUES(?, ?)", {i + 1, texts.at(i)});
        Prepare("SELECT definicion FROM Criterio ORDER BY definicion ASC");
        query->Open();
        QStringList order;
        QVERIFY(testing::WalkRows(*query, [&] { order << query->Fields(0).AsString(); }));

        QCollator collator(QLocale(QLocale::Spanish, QLocale::Spain));
        collator.setCaseSensitivity(Qt::CaseSensitive);
        std::sort(texts.begin(), texts.end(), [&collator](const QString& a, const QString& b) {
            const int order = collator.compare(a, b);
            return order != 0 ? order < 0 : a.compare(b) < 0;
        });
        QCOMPARE(order, texts);
    }

    void tableWalksInsertionOrder()
    {
        ws->Db().Exec("INSERT INTO PregEncTemp VALUES "
                      "(1,'uno',0),(2,'dos',1),(3,'tres',NULL)");
        TADOTable table;
        table.SetConnection(conn.get());
        table.TableName = "PregEncTemp";
        table.Open();
        QStringList texts;
        QVERIFY(testing::WalkRows(table, [&] {
            texts << table.FieldByName("definicion").AsString() +
                         QString::number(table.Fields(2).AsInteger());
        }));
        QCOMPARE(texts, (QStringList{"uno0", "dos1", "tres0"}));
        table.Close();
        QVERIFY(!table.Active());
    }

    // Every refusal of the data layer itself, in Spanish, naming what it refused.
    void usageErrorsSayWhat_data()
    {
        QTest::addColumn<QString>("message");
        const char* const rows[][2] = {
            {"unknown parameter", "Parámetro 'otro' no encontrado."},
            {"parameter left unbound", "No se ha dado valor al parámetro 'tipo'."},
            {"unknown field", "Campo 'noexiste' no encontrado."},
            {"field index -1", "Índice de campo fuera de rango: -1."},
            {"field index past the last", "Índice de campo fuera de rango: 2."},
            {"no current row", "No hay registro actual."},
            {"closed result",
             "No se puede realizar esta operación con un conjunto de datos cerrado."},
            {"no result set", "La instrucción no devuelve ningún conjunto de resultados."},
            {"query without connection", "Falta la conexión de la consulta."},
            {"table without connection", "Falta la conexión de la tabla."},
            {"table name", "Nombre de tabla no válido: 'PregEncTemp; DROP'."},
            {"second transaction", "Ya hay una transacción en curso."},
            {"commit without transaction", "No hay ninguna transacción en curso."},
            {"closed connection", "La conexión con la base de datos está cerrada."},
            {"missing database", "No se encuentra el archivo de base de datos 'C:\\no\\hay.mdb'."},
            {"not a database", "No se ha podido abrir la base de datos: el archivo no es una base "
                               "de datos.\nDetalle técnico: file is not a database"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << QString::fromUtf8(r[1]);
    }

    void usageErrorsSayWhat()
    {
        QFETCH(QString, message);
        const QByteArray row = QTest::currentDataTag();
        const auto open = [&](const QString& sql) {
            Prepare(sql);
            query->Open();
        };
        TADOQuery alone;
        TADOTable table;
        TADOConnection other;
        QString refused;
        try {
            if (row == "unknown parameter") {
                Prepare("SELECT * FROM Pregunta WHERE codigo=:codigo");
                query->SetParam("otro", 1);
            } else if (row == "parameter left unbound") {
                Prepare("SELECT * FROM Pregunta WHERE codigo=:codigo AND tipo=:tipo");
                query->SetParam("codigo", 1);
                query->Open();
            } else if (row == "unknown field") {
                open("SELECT codigo, definicion FROM Criterio");
                query->FieldByName("noexiste");
            } else if (row == "field index -1" || row == "field index past the last") {
                ws->Db().Exec("INSERT INTO Criterio VALUES (1,'a')");
                open("SELECT codigo, definicion FROM Criterio");
                QCOMPARE(query->Fields(0).AsInteger(), 1);
                QCOMPARE(query->Fields(1).AsString(), QStringLiteral("a"));
                query->Fields(row.endsWith("-1") ? -1 : 2);
            } else if (row == "no current row") {
                open("SELECT codigo FROM Criterio");
                query->Fields(0).AsInteger();
            } else if (row == "closed result") {
                Prepare("SELECT codigo FROM Criterio");
                query->RecordCount();
            } else if (row == "no result set") {
                open("DELETE * FROM PregEncTemp");
            } else if (row == "query without connection") {
                alone.SetSQL("SELECT codigo FROM Criterio");
                alone.Open();
            } else if (row == "table without connection" || row == "table name") {
                if (row == "table name")
                    table.SetConnection(conn.get());
                table.TableName = row == "table name" ? "PregEncTemp; DROP" : "PregEncTemp";
                table.Open();
            } else if (row == "second transaction") {
                conn->BeginTrans();
                conn->BeginTrans();
            } else if (row == "commit without transaction") {
                conn->CommitTrans();
            } else if (row == "closed connection") {
                conn->Close();
                open("SELECT codigo FROM Criterio");
            } else {
                QString path = "C:\\no\\hay.mdb";
                if (row == "not a database") {
                    QFile file(ws->Dir() + "/otra.mdb");
                    QVERIFY(file.open(QIODevice::WriteOnly));
                    file.write(QByteArray(8192, 'x'));
                    path = ws->Dir() + "/otra.mdb";
                }
                other.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path;
                other.Open();
            }
        } catch (const EDatabaseError& e) {
            refused = e.Message();
        }
        conn->RollbackTrans();
        QCOMPARE(refused, message);
    }

    // What the user reads in the error box: whether reading or saving failed and why, in
    // Spanish, then the database's own text once, without the toolkit's trailer.
    void driverErrorsSayWhatFailed_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("driver");
        const QString leer = "No se ha podido leer la base de datos: ";
        const QString guardar = "No se ha podido guardar en la base de datos: ";
        const QString sinTabla = "falta una tabla o una columna: la base de datos está dañada o "
                                 "es de otra versión del programa.";
        const auto fila = [](const char* name, const char* sql, const char* condition,
                             const QString& start, const char* driver) {
            QTest::newRow(name) << QString(sql) << QString(condition) << start << QString(driver);
        };
        fila("read", "SELECT * FROM NoExiste", "", leer + sinTabla, "no such table: NoExiste");
        fila("write, locked", "DELETE * FROM PregEncTemp", "locked",
             guardar + "la base de datos está en uso por otro programa.", "database is locked");
        fila("table", "NoExiste", "", "No se ha podido leer la tabla NoExiste: " + sinTabla,
             "no such table: NoExiste");
        fila("read in a save", "SELECT max(codigo) FROM NoExiste", "save", guardar + sinTabla,
             "no such table: NoExiste");
        // Tests may run as root, who writes any file: the connection itself refuses to
        // write, as SQLite does for a read-only file or folder.
        fila("write, read-only", "DELETE * FROM PregEncTemp", "PRAGMA query_only=1",
             guardar + "el archivo de la base de datos o su carpeta es de solo lectura.",
             "attempt to write a readonly database");
        // The limit never goes below the pages the database already has.
        fila("write, disk full", "INSERT INTO Criterio VALUES(1, zeroblob(200000))",
             "PRAGMA max_page_count=1", guardar + "el disco está lleno.",
             "database or disk is full");
        fila("read, not a database", "SELECT * FROM Criterio", "not a database",
             leer + "el archivo no es una base de datos.", "file is not a database");
    }

    void driverErrorsSayWhatFailed()
    {
        QFETCH(QString, sql);
        QFETCH(QString, condition);
        QFETCH(QString, start);
        QFETCH(QString, driver);
        if (condition == "locked") {
            ws->Db().Exec("BEGIN EXCLUSIVE");
        } else if (condition == "save") {
            conn->BeginTrans();
        } else if (condition.startsWith("PRAGMA")) {
            QVERIFY(QSqlQuery(conn->Database()).exec(condition));
        } else if (condition == "not a database") {
            QFile file(ws->DbPath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(8192, 'x')) > 0);
        }
        QString message;
        try {
            if (!sql.contains(' ')) {
                TADOTable table;
                table.SetConnection(conn.get());
                table.TableName = sql;
                table.Open();
            } else {
                Prepare(sql);
                if (sql.startsWith("SELECT"))
                    query->Open();
                else
                    query->ExecSQL();
            }
        } catch (const EDatabaseError& e) {
            message = e.Message();
        }
        if (condition == "locked")
            ws->Db().Exec("ROLLBACK");
        conn->RollbackTrans();
        QVERIFY2(message.startsWith(start) && message.count(driver) == 1 &&
                     message.endsWith(driver),
                 qPrintable(message));
    }
};

DIMARVOLTECA_TEST_MAIN(TestAdo)
#include "TestAdo.moc"
