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

    // Windows editors save in the system's code page: a value that is no valid UTF-8
    // is read as Windows-1252; UTF-8, with or without its byte order mark, as UTF-8.
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QByteArray mixed("[a]\nansi=Espa\xF1\x61\nutf8=Espa\xC3\xB1\x61\n");
        QTest::newRow("Windows-1252") << QByteArray("[a]\r\nk=\\datos\\A\xF1o 2024\r\n") << "k"
                                      << QStringLiteral("\\datos\\Año 2024");
        QTest::newRow("Windows-1252 from 0x80 to 0x9F")
            << QByteArray("[a]\nk=\x80\x81\x8A\x93x\x94\x9F\xA0\xFF\n") << "k"
            << QStringLiteral("€\u0081Š“x”Ÿ\u00A0ÿ");
        QTest::newRow("UTF-8") << QByteArray(
                                      "[a]\nk=\\Espa\xC3\xB1\x61 \xE2\x82\xAC \xF0\x9F\x98\x80\n")
                               << "k" << QStringLiteral("\\España € 😀");
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF[a]\nk=Espa\xC3\xB1\x61\n")
                                             << "k" << QStringLiteral("España");
        QTest::newRow("each value on its own, Windows-1252")
            << mixed << "ansi" << QStringLiteral("España");
        QTest::newRow("each value on its own, UTF-8")
            << mixed << "utf8" << QStringLiteral("España");
        // A Windows-1252 letter at the very end looks like the start of an unfinished
        // UTF-8 sequence (0xF1 of four bytes, 0xE1 0xA0 of three): it is kept all the same.
        const struct
        {
            const char* fila;
            QByteArray bytes;
            const char* value;
        } finales[] = {{"ñ", "\\datos\xF1", "\\datosñ"},
                       {"é", "caf\xE9", "café"},
                       {"Ñ", "\\\xD1", "\\Ñ"},
                       {"á and a non-breaking space", "\\x\xE1\xA0", "\\xá"}};
        for (const auto& f : finales)
            for (const char* fin : {"\r\n", "\n"})
                QTest::addRow("Windows-1252 ending in %s, %s", f.fila,
                              fin[0] == '\r' ? "CR+LF" : "LF")
                    << QByteArray("[a]") + fin + "k=" + f.bytes + fin + "j=1" + fin << "k"
                    << QString::fromUtf8(f.value);
        QTest::newRow("Windows-1252 ending in ñ, after a mark")
            << QByteArray("\xEF\xBB\xBF[a]\nk=\\datos\xF1") << "k" << QStringLiteral("\\datosñ");
    }

    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(TIniFile::FromBytes(bytes).ReadString("A", key), value);
    }
};

DIMARVOLTECA_TEST_MAIN(TestIni)
#include "TestIni.moc"
