#include "TestSupport.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/ini/IniFile.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <climits>
#include <memory>

namespace {

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run RunProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    Run run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        run.code = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString Normalised(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.replace(blanks, QStringLiteral(" ")).trimmed();
}

// Checks an OpenDocument package as a word processor opens it and prints the text
// of its body: paragraphs on their own lines, <text:s/> as spaces.
const char* const kOdfCheck = R"(
import sys, zipfile, xml.dom.minidom, xml.etree.ElementTree as ET
raw = open(sys.argv[1], 'rb').read()
mime = b'application/vnd.oasis.opendocument.text'
# Recognised by an uncompressed "mimetype" entry first, with no extra field.
assert raw[:4] == b'PK\x03\x04' and raw[30:38] == b'mimetype' and raw[28:30] == b'\0\0', 'mimetype entry'
assert raw[38:38 + len(mime)] == mime, 'mimetype'
package = zipfile.ZipFile(sys.argv[1])
assert package.infolist()[0].compress_type == zipfile.ZIP_STORED, 'mimetype compressed'
assert package.testzip() is None, 'CRC'
manifest = package.read('META-INF/manifest.xml').decode()
for part in ('/', 'content.xml', 'styles.xml', 'meta.xml'):
    assert 'manifest:full-path="%s"' % part in manifest, part
for part in ('content.xml', 'styles.xml', 'meta.xml', 'META-INF/manifest.xml'):
    xml.dom.minidom.parseString(package.read(part))
T = '{urn:oasis:names:tc:opendocument:xmlns:text:1.0}'
def text(e):
    out = e.text or ''
    for c in e:
        if c.tag == T + 's': out += ' ' * int(c.get(T + 'c', '1'))
        elif c.tag in (T + 'tab', T + 'line-break'): out += ' '
        else: out += text(c) + ('\n' if c.tag in (T + 'p', T + 'h') else '')
        out += c.tail or ''
    return out
body = ET.fromstring(package.read('content.xml')).find('.//office:text', {'office': 'urn:oasis:names:tc:opendocument:xmlns:office:1.0'})
assert body is not None, 'no office:text'
sys.stdout.write(text(body))
)";

} // namespace

// The sample catalogue that the setup builds from db/, and the three documents of
// the Help menu: what the program is started on must hold every case its windows
// and printed pages show, and the documents must open and describe that catalogue.
class TestSample : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_dbPath;
    std::unique_ptr<testing::TestDb> m_db;

    void MakeSample()
    {
        const Run run =
            RunProgram(testing::SourcePath(QStringLiteral("scripts/make-sample-db")), {m_dbPath});
        QVERIFY2(run.code == 0, run.out + run.err);
    }

private slots:
    void initTestCase()
    {
        m_dbPath = m_dir.filePath(QStringLiteral("datos/Dimarvolteca.db"));
        MakeSample();
        m_db = std::make_unique<testing::TestDb>(m_dbPath);
    }

    // A second run must keep the database the program may have changed.
    void rebuildKeepsTheDatabase()
    {
        m_db->Exec(QStringLiteral("CREATE TABLE Marca (x INTEGER)"));
        MakeSample();
        QCOMPARE(m_db->Scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                             "name='Marca'"))
                     .toInt(),
                 1);
        m_db->Exec(QStringLiteral("DROP TABLE Marca"));
    }

    void counts_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("atLeast");
        QTest::addColumn<int>("atMost");
        // Broken links and values no window knows.
        const char* const none[][2] = {
            {"group without dimensions", "Criterio c WHERE NOT EXISTS (SELECT 1 FROM "
                                         "Subcriterio s WHERE s.cod_criterio=c.codigo)"},
            {"dimension of a missing group", "Subcriterio s WHERE NOT EXISTS (SELECT 1 FROM "
                                             "Criterio c WHERE c.codigo=s.cod_criterio)"},
            {"dimension without subdimensions", "Subcriterio s WHERE NOT EXISTS (SELECT 1 FROM "
                                                "Dimension d WHERE d.cod_subcriterio=s.codigo)"},
            {"subdimension with the wrong group",
             "Dimension d LEFT JOIN Subcriterio s ON s.codigo=d.cod_subcriterio "
             "WHERE s.codigo IS NULL OR s.cod_criterio IS NOT d.cod_criterio"},
            {"subdimension without description",
             "Dimension WHERE length(trim(coalesce(descripcion,''))) < 40"},
            {"measure of a missing subdimension", "Indicador i WHERE NOT EXISTS (SELECT 1 FROM "
                                                  "Dimension d WHERE d.codigo=i.cod_dim)"},
            {"measure without its question", "Indicador i WHERE NOT EXISTS (SELECT 1 FROM "
                                             "Pregunta p WHERE p.codigo=i.cod_pregunta)"},
            {"question of no measure", "Pregunta p WHERE NOT EXISTS (SELECT 1 FROM Indicador i "
                                       "WHERE i.cod_pregunta=p.codigo)"},
            {"two measures sharing a question", "(SELECT 1 FROM Indicador GROUP BY cod_pregunta "
                                                "HAVING count(*) > 1)"},
            {"unknown scale or key flag",
             "Pregunta p JOIN Indicador i ON i.cod_pregunta=p.codigo WHERE p.tipo IS NULL OR "
             "p.tipo NOT IN (0,1) OR i.clave IS NULL OR i.clave NOT IN (0,1)"},
            {"indicator of another type, state or key flag",
             "IRendimiento WHERE tipo NOT IN (0,1) OR estado NOT IN (0,1) OR clave NOT IN (0,1)"},
            {"Datos indicator with a question",
             "IRendimiento WHERE tipo=0 AND trim(coalesce(pregunta,''))<>''"},
            {"Encuesta indicator without a question or scale",
             "IRendimiento WHERE tipo=1 AND (trim(coalesce(pregunta,''))='' OR tipo_resp IS "
             "NULL OR tipo_resp NOT IN (0,1))"},
            {"link to a missing dimension", "Subcriterios_IndicadoresR l WHERE NOT EXISTS "
                                            "(SELECT 1 FROM Subcriterio s WHERE "
                                            "s.codigo=l.codigo_subcri)"},
            {"link to a missing indicator", "Subcriterios_IndicadoresR l WHERE NOT EXISTS "
                                            "(SELECT 1 FROM IRendimiento r WHERE "
                                            "r.codigo=l.codigo_ir)"},
            {"duplicate link", "(SELECT 1 FROM Subcriterios_IndicadoresR GROUP BY codigo_subcri, "
                               "codigo_ir HAVING count(*) > 1)"},
            {"indicator without links", "IRendimiento r WHERE NOT EXISTS (SELECT 1 FROM "
                                        "Subcriterios_IndicadoresR l WHERE l.codigo_ir=r.codigo)"},
            {"scratch rows", "PregEncTemp"},
        };
        for (const auto& row : none)
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << 0 << 0;
        // Cases the windows and printed pages must be seen to handle.
        const char* const some[][2] = {
            {"scale 1..5", "Pregunta WHERE tipo=0"},
            {"scale SI/NO", "Pregunta WHERE tipo=1"},
            {"key measure", "Indicador WHERE clave=1"},
            {"non-key measure", "Indicador WHERE clave=0"},
            {"measure delivered with the catalogue", "Indicador WHERE tipo<>1"},
            {"measure created through the program", "Indicador WHERE tipo=1"},
            {"Datos indicator", "IRendimiento WHERE tipo=0"},
            {"Encuesta indicator answered 1..5", "IRendimiento WHERE tipo=1 AND tipo_resp=0"},
            {"Encuesta indicator answered SI/NO", "IRendimiento WHERE tipo=1 AND tipo_resp=1"},
            {"indicator delivered with the catalogue", "IRendimiento WHERE estado=0"},
            {"indicator created through the program", "IRendimiento WHERE estado=1"},
            {"key indicator", "IRendimiento WHERE clave=1"},
            {"non-key indicator", "IRendimiento WHERE clave=0"},
        };
        for (const auto& row : some)
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << 1 << INT_MAX;
        QTest::newRow("headers") << "CabeceraEncuesta" << 2 << 2;
        QTest::newRow("header without logo") << "CabeceraEncuesta WHERE logo IS NULL" << 1 << 1;
    }

    void counts()
    {
        QFETCH(QString, where);
        QFETCH(int, atLeast);
        QFETCH(int, atMost);
        const int n = m_db->Scalar(QStringLiteral("SELECT count(*) FROM ") + where).toInt();
        QVERIFY2(n >= atLeast && n <= atMost, qPrintable(QStringLiteral("%1 rows").arg(n)));
    }

    // The questionnaire's respondent line is chosen by the dimension code, so codes 1
    // to 12 must exist, each in the group its line is meant for (any, when empty).
    void dimensionCodesUpToTwelve()
    {
        const QString students = QStringLiteral("Alumnado");
        const QString teachers = QStringLiteral("Profesorado");
        const QString staff =
            QStringLiteral("Personal de administración y servicios|Equipo directivo");
        const QStringList groups{students, teachers, QStringLiteral("Empresas colaboradoras"),
                                 {},       teachers, {},
                                 {},       staff,    staff,
                                 staff,    students, staff};
        for (int code = 1; code <= 12; ++code) {
            const QList<QVariantList> rows =
                m_db->Rows(QStringLiteral("SELECT c.definicion FROM Subcriterio s JOIN Criterio c "
                                          "ON c.codigo=s.cod_criterio WHERE s.codigo=%1")
                               .arg(code));
            QCOMPARE(rows.size(), 1);
            const QString group = rows.first().first().toString();
            const QString wanted = groups.at(code - 1);
            QVERIFY2(wanted.isEmpty() || wanted.split(u'|').contains(group),
                     qPrintable(QStringLiteral("%1: %2").arg(code).arg(group)));
        }
    }

    void textsAreCleanUtf8()
    {
        QString all;
        for (const char* column :
             {"Criterio.definicion", "Subcriterio.definicion", "Dimension.definicion",
              "Dimension.descripcion", "Indicador.definicion", "Pregunta.enunciado",
              "IRendimiento.definicion", "IRendimiento.pregunta", "CabeceraEncuesta.centro",
              "CabeceraEncuesta.direccion"}) {
            const QStringList name = QString::fromLatin1(column).split(u'.');
            for (const QVariantList& row :
                 m_db->Rows(QStringLiteral("SELECT %1 FROM %2").arg(name[1], name[0]))) {
                const QString text = row.first().toString();
                QVERIFY2(!text.contains(u'\uFFFD') && !text.contains(QStringLiteral("Ã")) &&
                             text == text.trimmed(),
                         qPrintable(QStringLiteral("%1: %2").arg(column, text)));
                all += text;
            }
        }
        for (const QChar c : QStringLiteral("áéíóúñ¿"))
            QVERIFY2(all.contains(c), qPrintable(QString(c)));
    }

    void logoIsA145x113TrueColourBitmap()
    {
        const QByteArray bmp =
            m_db->Scalar(QStringLiteral("SELECT logo FROM CabeceraEncuesta WHERE logo IS NOT NULL"))
                .toByteArray();
        // Rows of 145 * 3 bytes padded to 436 after 54 bytes of headers: only an uncompressed
        // 24-bit picture of that size fills exactly that many bytes.
        QCOMPARE(bmp.size(), 54 + 436 * 113);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 2), quint32(bmp.size()));
        QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
        const QImage image = graphics::ReadBmp(bmp);
        QCOMPARE(image.size(), QSize(145, 113));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 8, "the logo should show an emblem, not a plain area");
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    }

    void documents_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::newRow("Castellano") << QString("Manualc") << QString("rutamanual");
        QTest::newRow("Valenciano") << QString("Manualv") << QString("rutamanual");
        QTest::newRow("Catalogo") << QString("Catalogo") << QString("rutacatalogo");
    }

    // Each document named by the shipped Dimarvolteca.ini opens; the catalogue shows
    // every text of the sample, each measure followed by its question.
    void documents()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        const TIniFile ini(testing::SourcePath(QStringLiteral("Dimarvolteca.ini")));
        const QString relative = ini.ReadString(section, key).replace(u'\\', u'/');
        QVERIFY(!relative.isEmpty());
        const Run run = RunProgram(QStringLiteral("python3"),
                                   {QStringLiteral("-c"), QString::fromUtf8(kOdfCheck),
                                    testing::SourcePath(relative.mid(1))});
        QVERIFY2(run.code == 0, run.err.constData());
        const QString text = Normalised(QString::fromUtf8(run.out));
        QVERIFY(text.size() > 1000);
        if (section != QLatin1String("Catalogo"))
            return;
        for (const char* sql :
             {"SELECT definicion FROM Criterio", "SELECT definicion FROM Subcriterio",
              "SELECT definicion || ' ' || descripcion FROM Dimension",
              "SELECT i.definicion || ' ' || p.enunciado FROM Indicador i JOIN Pregunta p ON "
              "p.codigo=i.cod_pregunta",
              "SELECT definicion FROM IRendimiento",
              "SELECT pregunta FROM IRendimiento WHERE tipo=1"})
            for (const QVariantList& row : m_db->Rows(QString::fromLatin1(sql))) {
                const QString wanted = Normalised(row.first().toString());
                QVERIFY2(text.contains(wanted), qPrintable(wanted));
            }
    }

    void documentsMatchTheirSources()
    {
        const Run run = RunProgram(
            QStringLiteral("python3"),
            {testing::SourcePath(QStringLiteral("docs/build-docs")), QStringLiteral("--check")});
        QVERIFY2(run.code == 0, run.out + run.err);
    }
};

DIMARVOLTECA_TEST_MAIN(TestSample)
#include "TestSample.moc"
