#include "OdfPackage.h"
#include "TestSupport.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/ini/IniFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QtEndian>

#include <memory>

// The sample catalogue that the setup builds from db/, and the three documents of
// the Help menu: what the program is started on must hold every case its windows
// and printed pages show, and the documents must open and describe that catalogue.
class TestSample : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void rebuildIsUpToDate();
    void counts_data();
    void counts();
    void everyDimensionCodeUpToTwelve_data();
    void everyDimensionCodeUpToTwelve();
    void keysStartAtOne_data();
    void keysStartAtOne();
    void textsAreCleanUtf8();
    void logoIsA145x113TrueColourBitmap();
    void documents_data();
    void documents();
    void catalogueDocumentDescribesTheSample();
    void manualsUseTheProgramsCaptions_data();
    void manualsUseTheProgramsCaptions();
    void documentsMatchTheirSources();

private:
    QByteArray DocumentBytes(const QString& section, const QString& key);
    QString DocumentText(const QString& section, const QString& key);

    QTemporaryDir m_dir;
    QString m_dbPath;
    std::unique_ptr<testing::TestDb> m_db;
};

namespace {

QString Normalised(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.replace(blanks, QStringLiteral(" ")).trimmed();
}

int RunScript(const QString& script, const QStringList& arguments, QString* output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(script, arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

void TestSample::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_dbPath = m_dir.filePath(QStringLiteral("datos/Dimarvolteca.db"));
    QString output;
    QCOMPARE(RunScript(testing::SourcePath(QStringLiteral("scripts/make-sample-db")), {m_dbPath},
                       &output),
             0);
    QVERIFY2(QFile::exists(m_dbPath), qPrintable(output));
    m_db = std::make_unique<testing::TestDb>(m_dbPath);
}

void TestSample::rebuildIsUpToDate()
{
    // A second run must keep the database the program may have changed.
    m_db->Exec(QStringLiteral("CREATE TABLE Marca (x INTEGER)"));
    QString output;
    QCOMPARE(RunScript(testing::SourcePath(QStringLiteral("scripts/make-sample-db")), {m_dbPath},
                       &output),
             0);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name='Marca'"))
                 .toInt(),
             1);
    m_db->Exec(QStringLiteral("DROP TABLE Marca"));
}

void TestSample::counts_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("atLeast");
    QTest::addColumn<int>("atMost");
    const int many = 1000000;
    auto none = [](const char* name, const char* sql) {
        QTest::newRow(name) << QString::fromUtf8(sql) << 0 << 0;
    };
    auto some = [many](const char* name, const char* sql, int atLeast = 1) {
        QTest::newRow(name) << QString::fromUtf8(sql) << atLeast << many;
    };
    // The hierarchy: every level has children, and each row names its parents consistently.
    none("group without dimensions", "SELECT count(*) FROM Criterio c WHERE NOT EXISTS "
                                     "(SELECT 1 FROM Subcriterio s WHERE s.cod_criterio=c.codigo)");
    none("dimension of a missing group",
         "SELECT count(*) FROM Subcriterio s WHERE NOT EXISTS "
         "(SELECT 1 FROM Criterio c WHERE c.codigo=s.cod_criterio)");
    none("dimension without subdimensions",
         "SELECT count(*) FROM Subcriterio s WHERE NOT EXISTS "
         "(SELECT 1 FROM Dimension d WHERE d.cod_subcriterio=s.codigo)");
    none("subdimension with the wrong group",
         "SELECT count(*) FROM Dimension d LEFT JOIN Subcriterio s ON s.codigo=d.cod_subcriterio "
         "WHERE s.codigo IS NULL OR s.cod_criterio IS NOT d.cod_criterio");
    none("subdimension without description",
         "SELECT count(*) FROM Dimension WHERE length(trim(coalesce(descripcion,''))) < 40");
    some("group with seven dimensions or more",
         "SELECT count(*) FROM (SELECT cod_criterio FROM Subcriterio GROUP BY cod_criterio "
         "HAVING count(*) >= 7)");
    // Perception measures and their questions.
    none("measure of a missing subdimension",
         "SELECT count(*) FROM Indicador i WHERE NOT EXISTS "
         "(SELECT 1 FROM Dimension d WHERE d.codigo=i.cod_dim)");
    none("measure without its question",
         "SELECT count(*) FROM Indicador i WHERE NOT EXISTS "
         "(SELECT 1 FROM Pregunta p WHERE p.codigo=i.cod_pregunta)");
    none("question of no measure", "SELECT count(*) FROM Pregunta p WHERE NOT EXISTS "
                                   "(SELECT 1 FROM Indicador i WHERE i.cod_pregunta=p.codigo)");
    none("two measures sharing a question",
         "SELECT count(*) FROM (SELECT cod_pregunta FROM Indicador GROUP BY cod_pregunta "
         "HAVING count(*) > 1)");
    some("question key differing from its measure's", "SELECT count(*) FROM Indicador "
                                                      "WHERE cod_pregunta<>codigo");
    some("scale 1..5", "SELECT count(*) FROM Pregunta WHERE tipo=0");
    some("scale SI/NO", "SELECT count(*) FROM Pregunta WHERE tipo=1");
    none("unknown scale", "SELECT count(*) FROM Pregunta WHERE tipo IS NULL OR tipo NOT IN (0,1)");
    some("key measure", "SELECT count(*) FROM Indicador WHERE clave=1");
    some("non-key measure", "SELECT count(*) FROM Indicador WHERE clave=0");
    none("key flag neither 0 nor 1", "SELECT count(*) FROM Indicador WHERE clave IS NULL OR "
                                     "clave NOT IN (0,1)");
    some("measure delivered with the catalogue", "SELECT count(*) FROM Indicador WHERE tipo<>1");
    some("measure created through the program", "SELECT count(*) FROM Indicador WHERE tipo=1");
    some("subdimension of a dozen measures or more",
         "SELECT count(*) FROM (SELECT cod_dim FROM Indicador GROUP BY cod_dim "
         "HAVING count(*) >= 12)",
         2);
    some("question long enough to wrap over three lines",
         "SELECT count(*) FROM Pregunta WHERE length(enunciado) > 250");
    QTest::newRow("subdimensions without measures")
        << QStringLiteral("SELECT count(*) FROM Dimension d WHERE NOT EXISTS "
                          "(SELECT 1 FROM Indicador i WHERE i.cod_dim=d.codigo)")
        << 0 << 1;
    // Performance indicators and their links.
    some("indicator of type Datos", "SELECT count(*) FROM IRendimiento WHERE tipo=0");
    some("indicator of type Encuesta", "SELECT count(*) FROM IRendimiento WHERE tipo=1");
    none("Datos indicator with a question", "SELECT count(*) FROM IRendimiento WHERE tipo=0 "
                                            "AND trim(coalesce(pregunta,''))<>''");
    none("Encuesta indicator without a question or scale",
         "SELECT count(*) FROM IRendimiento WHERE tipo=1 AND (trim(coalesce(pregunta,''))='' "
         "OR tipo_resp IS NULL OR tipo_resp NOT IN (0,1))");
    some("Encuesta indicator answered 1..5", "SELECT count(*) FROM IRendimiento WHERE tipo=1 "
                                             "AND tipo_resp=0");
    some("Encuesta indicator answered SI/NO", "SELECT count(*) FROM IRendimiento WHERE tipo=1 "
                                              "AND tipo_resp=1");
    some("indicator delivered with the catalogue", "SELECT count(*) FROM IRendimiento "
                                                   "WHERE estado=0");
    some("indicator created through the program", "SELECT count(*) FROM IRendimiento "
                                                  "WHERE estado=1");
    some("key indicator", "SELECT count(*) FROM IRendimiento WHERE clave=1");
    some("non-key indicator", "SELECT count(*) FROM IRendimiento WHERE clave=0");
    none("indicator of another type or state",
         "SELECT count(*) FROM IRendimiento WHERE tipo NOT IN (0,1) OR estado NOT IN (0,1) "
         "OR clave NOT IN (0,1)");
    none("link to a missing dimension",
         "SELECT count(*) FROM Subcriterios_IndicadoresR l WHERE NOT EXISTS "
         "(SELECT 1 FROM Subcriterio s WHERE s.codigo=l.codigo_subcri)");
    none("link to a missing indicator",
         "SELECT count(*) FROM Subcriterios_IndicadoresR l WHERE NOT EXISTS "
         "(SELECT 1 FROM IRendimiento r WHERE r.codigo=l.codigo_ir)");
    none("duplicate link", "SELECT count(*) FROM (SELECT 1 FROM Subcriterios_IndicadoresR "
                           "GROUP BY codigo_subcri, codigo_ir HAVING count(*) > 1)");
    none("indicator without links", "SELECT count(*) FROM IRendimiento r WHERE NOT EXISTS "
                                    "(SELECT 1 FROM Subcriterios_IndicadoresR l "
                                    "WHERE l.codigo_ir=r.codigo)");
    some("indicator linked to dimensions of two groups",
         "SELECT count(*) FROM (SELECT l.codigo_ir FROM Subcriterios_IndicadoresR l "
         "JOIN Subcriterio s ON s.codigo=l.codigo_subcri GROUP BY l.codigo_ir "
         "HAVING count(DISTINCT s.cod_criterio) > 1)");
    // Centre headers.
    QTest::newRow("headers") << QStringLiteral("SELECT count(*) FROM CabeceraEncuesta") << 2 << 2;
    QTest::newRow("header without logo")
        << QStringLiteral("SELECT count(*) FROM CabeceraEncuesta WHERE logo IS NULL") << 1 << 1;
    none("scratch rows", "SELECT count(*) FROM PregEncTemp");
}

void TestSample::counts()
{
    QFETCH(QString, sql);
    QFETCH(int, atLeast);
    QFETCH(int, atMost);
    const int n = m_db->Scalar(sql).toInt();
    QVERIFY2(
        n >= atLeast && n <= atMost,
        qPrintable(QStringLiteral("%1 rows, wanted %2 to %3").arg(n).arg(atLeast).arg(atMost)));
}

void TestSample::everyDimensionCodeUpToTwelve_data()
{
    // The questionnaire's respondent line is chosen by the dimension code, so each
    // of these codes must exist and belong to the group the line is meant for.
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("groups");
    const QStringList students{QStringLiteral("Alumnado")};
    const QStringList teachers{QStringLiteral("Profesorado")};
    const QStringList staff{QStringLiteral("Personal de administración y servicios"),
                            QStringLiteral("Equipo directivo")};
    QTest::newRow("1 Ciclo formativo/Grupo") << 1 << students;
    QTest::newRow("2 Departamento") << 2 << teachers;
    QTest::newRow("3 Actividad que desarrolla")
        << 3 << QStringList{QStringLiteral("Empresas colaboradoras")};
    QTest::newRow("4") << 4 << QStringList();
    QTest::newRow("5 Departamento") << 5 << teachers;
    QTest::newRow("6 Estudios/Profesión") << 6 << QStringList();
    QTest::newRow("7") << 7 << QStringList();
    QTest::newRow("8 Función") << 8 << staff;
    QTest::newRow("9 Función") << 9 << staff;
    QTest::newRow("10 Función") << 10 << staff;
    QTest::newRow("11 anonymous") << 11 << students;
    QTest::newRow("12 Función") << 12 << staff;
}

void TestSample::everyDimensionCodeUpToTwelve()
{
    QFETCH(int, code);
    QFETCH(QStringList, groups);
    const QList<QVariantList> rows =
        m_db->Rows(QStringLiteral("SELECT c.definicion FROM Subcriterio s JOIN Criterio c "
                                  "ON c.codigo=s.cod_criterio WHERE s.codigo=%1")
                       .arg(code));
    QCOMPARE(rows.size(), 1);
    if (!groups.isEmpty())
        QVERIFY2(groups.contains(rows.first().first().toString()),
                 qPrintable(rows.first().first().toString()));
}

void TestSample::keysStartAtOne_data()
{
    QTest::addColumn<QString>("table");
    for (const char* table : {"Criterio", "Subcriterio", "Dimension", "Pregunta", "Indicador",
                              "IRendimiento", "CabeceraEncuesta"})
        QTest::newRow(table) << QString::fromLatin1(table);
}

void TestSample::keysStartAtOne()
{
    QFETCH(QString, table);
    const QList<QVariantList> rows =
        m_db->Rows(QStringLiteral("SELECT min(codigo), max(codigo), count(*) FROM %1").arg(table));
    QCOMPARE(rows.first().at(0).toInt(), 1);
    QCOMPARE(rows.first().at(1).toInt(), rows.first().at(2).toInt());
}

void TestSample::textsAreCleanUtf8()
{
    const QStringList columns{"Criterio.definicion",     "Subcriterio.definicion",
                              "Dimension.definicion",    "Dimension.descripcion",
                              "Indicador.definicion",    "Pregunta.enunciado",
                              "IRendimiento.definicion", "IRendimiento.pregunta",
                              "CabeceraEncuesta.centro", "CabeceraEncuesta.direccion"};
    QString all;
    for (const QString& column : columns) {
        const QString table = column.section(u'.', 0, 0);
        const QString field = column.section(u'.', 1, 1);
        for (const QVariantList& row :
             m_db->Rows(QStringLiteral("SELECT %1 FROM %2").arg(field, table))) {
            const QString text = row.first().toString();
            QVERIFY2(!text.contains(u'\uFFFD') && !text.contains(QStringLiteral("Ã")),
                     qPrintable(column + ": " + text));
            QVERIFY2(text == text.trimmed(), qPrintable(column + ": " + text));
            all += text;
        }
    }
    for (const QChar c : QStringLiteral("áéíóúñ¿"))
        QVERIFY2(all.contains(c), qPrintable(QString(c)));
}

void TestSample::logoIsA145x113TrueColourBitmap()
{
    const QByteArray bmp =
        m_db->Scalar(QStringLiteral("SELECT logo FROM CabeceraEncuesta WHERE logo IS NOT NULL"))
            .toByteArray();
    QVERIFY(bmp.size() > 54);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 2), quint32(bmp.size()));
    QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 14), quint32(40));
    QCOMPARE(qFromLittleEndian<qint32>(bmp.constData() + 18), 145);
    QCOMPARE(qAbs(qFromLittleEndian<qint32>(bmp.constData() + 22)), 113);
    QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
    QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 30), quint32(0));
    // Rows of 145 * 3 bytes padded to 436, after the 54 bytes of headers.
    QCOMPARE(bmp.size(), 54 + 436 * 113);

    const QImage image = graphics::ReadBmp(bmp);
    QCOMPARE(image.size(), QSize(145, 113));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > 8, "the logo should show an emblem, not a plain area");
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
}

QByteArray TestSample::DocumentBytes(const QString& section, const QString& key)
{
    const TIniFile ini(testing::SourcePath(QStringLiteral("Dimarvolteca.ini")));
    const QString relative = ini.ReadString(section, key).replace(u'\\', u'/');
    if (relative.isEmpty())
        return QByteArray();
    QFile file(testing::SourcePath(relative.mid(1)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TestSample::DocumentText(const QString& section, const QString& key)
{
    testing::OdfPackage package(DocumentBytes(section, key));
    QString error;
    const QString text = testing::OdfPackage::PlainText(package.Read("content.xml"), &error);
    return error.isEmpty() && package.Errors().isEmpty() ? Normalised(text) : QString();
}

void TestSample::documents_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::newRow("Castellano") << "Manualc"
                                << "rutamanual";
    QTest::newRow("Valenciano") << "Manualv"
                                << "rutamanual";
    QTest::newRow("Catalogo") << "Catalogo"
                              << "rutacatalogo";
}

void TestSample::documents()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    const QByteArray bytes = DocumentBytes(section, key);
    QVERIFY2(!bytes.isEmpty(), "the document named by Dimarvolteca.ini is missing");

    // A word processor recognises the package by an uncompressed "mimetype" entry
    // first, with no extra field, so that its text stands at a fixed offset.
    const QByteArray mimetype("application/vnd.oasis.opendocument.text");
    QCOMPARE(bytes.left(4), QByteArray("PK\x03\x04"));
    QCOMPARE(bytes.mid(30, 8), QByteArray("mimetype"));
    QCOMPARE(bytes.mid(38, mimetype.size()), mimetype);

    testing::OdfPackage package(bytes);
    QVERIFY2(package.Errors().isEmpty(), qPrintable(package.Errors().join("; ")));
    const testing::ZipEntry first = package.Entries().first();
    QCOMPARE(first.name, QStringLiteral("mimetype"));
    QCOMPARE(first.method, 0);
    QCOMPARE(first.localExtraLength, 0);
    QCOMPARE(package.Read("mimetype"), mimetype);

    const QByteArray manifest = package.Read("META-INF/manifest.xml");
    QVERIFY(manifest.contains("manifest:full-path=\"/\""));
    for (const char* part : {"content.xml", "styles.xml", "meta.xml"}) {
        QVERIFY2(package.Has(part), part);
        QVERIFY2(manifest.contains(QByteArray("manifest:full-path=\"") + part + '"'), part);
    }
    for (const char* part : {"content.xml", "styles.xml", "meta.xml", "META-INF/manifest.xml"}) {
        QString error;
        testing::OdfPackage::PlainText(package.Read(part), &error);
        QVERIFY2(error.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(part, error)));
    }
    QVERIFY2(package.Errors().isEmpty(), qPrintable(package.Errors().join("; ")));
    QVERIFY(package.Read("content.xml").contains("<office:text>"));
}

void TestSample::catalogueDocumentDescribesTheSample()
{
    const QString text = DocumentText("Catalogo", "rutacatalogo");
    QVERIFY(!text.isEmpty());
    const QStringList queries{
        "SELECT definicion FROM Criterio",     "SELECT definicion FROM Subcriterio",
        "SELECT definicion FROM Dimension",    "SELECT descripcion FROM Dimension",
        "SELECT definicion FROM Indicador",    "SELECT enunciado FROM Pregunta",
        "SELECT definicion FROM IRendimiento", "SELECT pregunta FROM IRendimiento WHERE tipo=1"};
    for (const QString& sql : queries) {
        for (const QVariantList& row : m_db->Rows(sql)) {
            const QString wanted = Normalised(row.first().toString());
            QVERIFY2(text.contains(wanted), qPrintable(sql + " -> " + wanted));
        }
    }
    // Each measure's row shows its own question: the measure's text, then the question.
    for (const QVariantList& row :
         m_db->Rows(QStringLiteral("SELECT i.definicion, p.enunciado FROM Indicador i "
                                   "JOIN Pregunta p ON p.codigo=i.cod_pregunta"))) {
        const QString pair =
            Normalised(row.at(0).toString()) + " " + Normalised(row.at(1).toString());
        QVERIFY2(text.contains(pair), qPrintable(pair));
    }
}

void TestSample::manualsUseTheProgramsCaptions_data()
{
    QTest::addColumn<QString>("section");
    QTest::newRow("Castellano") << "Manualc";
    QTest::newRow("Valenciano") << "Manualv";
}

void TestSample::manualsUseTheProgramsCaptions()
{
    QFETCH(QString, section);
    const QString text = DocumentText(section, "rutamanual");
    QVERIFY(!text.isEmpty());
    const QStringList captions{
        "Encuesta > Nueva",
        "Encuesta > Abrir",
        "Cabecera > Insertar",
        "Cabecera > Modificar",
        "Cabecera > Borrar",
        "Medidas de percepcion > Crear",
        "Indicadores de rendimiento > Crear",
        "Informes > Obtener",
        "Catalogo de Indicadores",
        "Crear Nueva Encuesta",
        "Abrir Encuesta",
        "Cerrar aplicación",
        "CABECERA DE LA ENCUESTA",
        "CENTROS:",
        "Incluir",
        "GRUPOS DE INTERÉS",
        "DIMENSIONES",
        "--------Todas--------",
        "Ver descripción",
        "Seleccionar solo los clave",
        "Seleccionar solo los claves",
        "Seleccionar todos",
        "FINALIZAR",
        "SIGUIENTE",
        "ATRAS",
        "SALIR",
        "INSERTAR",
        "MODIFICAR",
        "BORRAR",
        "INDICADOR CLAVE",
        "Tipo respuesta:",
        "NIVELES 1..5",
        "SI/NO",
        "CLAVE",
        "Archivos de Encuestas (*.qrp)",
        "Archivos de imagen jpg",
        "Archivos de imagen bmp",
        "145 × 113",
        "154 × 114",
        "Crear pregunta",
        "Modificar pregunta",
        "Objetivo",
        "Resultado",
        "Página",
        "Error al conectar a la base de datos",
        "Debe seleccionar un grupo de interés",
        "Debe seleccionar una dimensión",
        "El centro insertado ya tiene una cabecera",
        "La definición del indicador no puede estar vacía",
        "Debe seleccionar un tipo de respuesta para la pregunta",
        "El manual no ha podido abrirse. Consulte el archivo Dimarvolteca.ini",
        "El catálogo de indicadores no ha podido abrirse. Consulte el archivo "
        "Dimarvolteca.ini",
        "rutabd",
        "rutamanual",
        "rutacatalogo"};
    for (const QString& caption : captions)
        QVERIFY2(text.contains(caption), qPrintable(caption));
}

void TestSample::documentsMatchTheirSources()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is needed to rebuild the documents");
    QString output;
    const int rc = RunScript(
        python, {testing::SourcePath(QStringLiteral("docs/build-docs")), QStringLiteral("--check")},
        &output);
    QVERIFY2(rc == 0, qPrintable(output));
}

DIMARVOLTECA_TEST_MAIN(TestSample)
#include "TestSample.moc"
