#include "TestSupport.h"
#include "platform/ini/IniFile.h"

#include <QFile>

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
        const QString base = "[Base_de_Datos]\nrutabd=\\datos\narchivo = catalogo.mdb  \n";
        QTest::newRow("as written") << base << "Base_de_Datos" << "rutabd" << "\\datos";
        QTest::newRow("section case") << base << "BASE_DE_DATOS" << "rutabd" << "\\datos";
        QTest::newRow("key case") << base << "Base_de_Datos" << "RutaBD" << "\\datos";
        QTest::newRow("trimmed") << base << "Base_de_Datos" << "archivo" << "catalogo.mdb";
        QTest::newRow("missing key") << base << "Base_de_Datos" << "otra" << "";
        QTest::newRow("missing section") << base << "Catalogo" << "rutacatalogo" << "";
        QTest::newRow("first wins") << "[a]\nk=1\nk=2\n" << "a" << "k" << "1";
        QTest::newRow("same key, other section") << "[a]\nk=1\n[b]\nk=2\n" << "b" << "k" << "2";
        QTest::newRow("garbage") << "\x01\x02[[[=\n=\n[" << "a" << "k" << "";
        QTest::newRow("windows line ends") << "[Manualc]\r\nrutamanual=\\docs\\m.odt\r\n" << "manualc"
                                           << "rutamanual" << "\\docs\\m.odt";
    }

    void rules()
    {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(TIniFile::FromBytes(text.toUtf8()).ReadString(section, key), value);
    }

    void missingFileReadsEmpty()
    {
        const TIniFile ini("/no/existe/Dimarvolteca.ini");
        QCOMPARE(ini.ReadString("Base_de_Datos", "rutabd"), QString());
        QCOMPARE(ini.ReadString("Base_de_Datos", "rutabd", "x"), QStringLiteral("x"));
    }
};

DIMARVOLTECA_TEST_MAIN(TestIni)
#include "TestIni.moc"
