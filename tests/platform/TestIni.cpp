#include "TestSupport.h"
#include "platform/ini/IniFile.h"

class TestIni : public QObject
{
    Q_OBJECT
private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const char* const base = "[Base_de_Datos]\nrutabd=\\datos\narchivo = catalogo.mdb  \n";
        const char* const rows[][5] = {
            {"as written", base, "Base_de_Datos", "rutabd", "\\datos"},
            {"section case", base, "BASE_DE_DATOS", "rutabd", "\\datos"},
            {"key case", base, "Base_de_Datos", "RutaBD", "\\datos"},
            {"trimmed", base, "Base_de_Datos", "archivo", "catalogo.mdb"},
            {"missing key", base, "Base_de_Datos", "otra", ""},
            {"missing section", base, "Catalogo", "rutacatalogo", ""},
            {"first wins", "[a]\nk=1\nk=2\n", "a", "k", "1"},
            {"same key, other section", "[a]\nk=1\n[b]\nk=2\n", "b", "k", "2"},
            {"garbage", "\x01\x02[[[=\n=\n[", "a", "k", ""},
            {"windows line ends", "[Manualc]\r\nrutamanual=\\docs\\m.odt\r\n", "manualc",
             "rutamanual", "\\docs\\m.odt"},
            {"blanks before keys and sections", "  [a]\n  k=1\n\tj = 2\n", "a", "j", "2"},
            {"a semicolon in a value", "[a]\nk=\\x;y ; z\n", "a", "k", "\\x;y ; z"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << r[1] << r[2] << r[3] << r[4];
        // A path as long as the file system allows (4095 bytes and its end).
        const QString path = QStringLiteral("\\") + QString(4094, QLatin1Char('d'));
        QTest::newRow("long path")
            << QStringLiteral("[Catalogo]\nrutacatalogo=%1\n[b]\nk=1\n").arg(path) << "Catalogo"
            << "rutacatalogo" << path;
    }

    void rules()
    {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(TIniFile::FromBytes(text.toUtf8()).ReadString(section, key), value);
    }
};

DIMARVOLTECA_TEST_MAIN(TestIni)
#include "TestIni.moc"
