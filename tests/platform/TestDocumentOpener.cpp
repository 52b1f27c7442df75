// The real hand-over of a document to the desktop, on a desktop made for the test:
// no application for the kind, one that fails, one that opens it; each with the MIME
// reader that xdg-utils recommends (mimetype, from libfile-mimeinfo-perl) and without
// it, when xdg-mime falls back to file(1).

#include "TestSupport.h"

#include "platform/office/DocumentOpener.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

void Write(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

// A tool the set-up installs: without it the test fails under CI and is skipped elsewhere.
#define REQUIRE_TOOL(tool, package)                                                                \
    do {                                                                                           \
        if (QStandardPaths::findExecutable(QStringLiteral(tool)).isEmpty()) {                      \
            const QByteArray why = tool " (" package ") is missing: scripts/setup installs it";    \
            if (qEnvironmentVariableIsSet("CI"))                                                   \
                QFAIL(why.constData());                                                            \
            QSKIP(why.constData());                                                                \
        }                                                                                          \
    } while (false)

class TestDocumentOpener : public QObject
{
    Q_OBJECT

    // The machine's own, before any row changes them.
    QByteArray m_path = qgetenv("PATH");
    QByteArray m_dataDirs = qgetenv("XDG_DATA_DIRS");

private slots:
    void initTestCase()
    {
        REQUIRE_TOOL("xdg-open", "xdg-utils");
        REQUIRE_TOOL("xdg-mime", "xdg-utils");
        REQUIRE_TOOL("file", "file");
    }

    void cleanup() { qputenv("PATH", m_path); }

    void aDocumentNeedsAnApplicationThatOpensIt_data()
    {
        QTest::addColumn<bool>("reader");
        QTest::addColumn<QString>("exec");
        QTest::addColumn<bool>("opened");
        for (const bool reader : {true, false}) {
            const char* how = reader ? "mimetype" : "file";
            QTest::addRow("%s: no application for the kind", how) << reader << QString() << false;
            QTest::addRow("%s: the application fails", how) << reader << "false %f" << false;
            QTest::addRow("%s: the application opens it", how) << reader << "abrir %f" << true;
        }
    }

    void aDocumentNeedsAnApplicationThatOpensIt()
    {
        QFETCH(bool, reader);
        QFETCH(QString, exec);
        QFETCH(bool, opened);
        QTemporaryDir dir;
        if (reader) {
            REQUIRE_TOOL("mimetype", "libfile-mimeinfo-perl");
        } else {
            // xdg-mime uses mimetype only when it answers; this one never does.
            const QString bin = dir.filePath(QStringLiteral("bin"));
            Write(bin + QStringLiteral("/mimetype"), "#!/bin/sh\nexit 1\n");
            QFile::setPermissions(bin + QStringLiteral("/mimetype"),
                                  QFile::ExeOwner | QFile::ReadOwner);
            qputenv("PATH", bin.toLocal8Bit() + ':' + m_path);
        }
        // A bare desktop of the test's own: its applications and its choices only, but
        // the machine's MIME database, without which a MIME reader knows no kind of file.
        const QString data = dir.filePath(QStringLiteral("data"));
        const QString config = dir.filePath(QStringLiteral("config"));
        QStringList dataDirs{data};
        const QString systemDirs = m_dataDirs.isEmpty()
                                       ? QStringLiteral("/usr/local/share:/usr/share")
                                       : QString::fromLocal8Bit(m_dataDirs);
        for (const QString& system : systemDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            if (!QFileInfo(system + QStringLiteral("/mime")).isDir())
                continue;
            const QString only = dir.filePath(QStringLiteral("sistema%1").arg(dataDirs.size()));
            QVERIFY(QDir().mkpath(only));
            QVERIFY(QFile::link(system + QStringLiteral("/mime"), only + QStringLiteral("/mime")));
            dataDirs << only;
        }
        for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", data},
                                          {"XDG_DATA_DIRS", dataDirs.join(QLatin1Char(':'))},
                                          {"XDG_CONFIG_HOME", config},
                                          {"XDG_CONFIG_DIRS", config},
                                          {"XDG_RUNTIME_DIR", dir.path()},
                                          {"DISPLAY", QStringLiteral(":99")}})
            qputenv(name, value.toLocal8Bit());
        // No desktop session either: xdg-utils would ask its tools (gio, kde-open, a
        // session bus) in place of the files above.
        for (const char* name :
             {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "KDE_SESSION_VERSION",
              "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID", "LXQT_SESSION_CONFIG",
              "DESKTOP", "DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "BROWSER"})
            qunsetenv(name);
        qputenv("BROWSER", "false");
        // The application that opens it notes which document it was given.
        const QString opener = dir.filePath(QStringLiteral("abrir"));
        const QString seen = dir.filePath(QStringLiteral("abierto"));
        Write(opener, "#!/bin/sh\necho \"$1\" > '" + seen.toUtf8() + "'\n");
        QFile::setPermissions(opener, QFile::permissions(opener) | QFile::ExeOwner);
        exec.replace(QStringLiteral("abrir"), opener);
        if (!exec.isEmpty()) {
            Write(data + QStringLiteral("/applications/procesador.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Procesador\nExec=" + exec.toUtf8() +
                      "\nMimeType=application/vnd.oasis.opendocument.text;\n");
            Write(config + QStringLiteral("/mimeapps.list"),
                  "[Default Applications]\n"
                  "application/vnd.oasis.opendocument.text=procesador.desktop\n");
        }
        const QString document = dir.filePath(QStringLiteral("Manual.odt"));
        QVERIFY(QFile::copy(testing::SourcePath(QStringLiteral("docs/Manual_Castellano.odt")),
                            document));

        bool threw = false;
        try {
            office::OpenDocument(document);
        } catch (const office::EOfficeError&) {
            threw = true;
        }
        QCOMPARE(!threw, opened);
        if (opened) {
            QTRY_VERIFY(QFile::exists(seen));
            QFile file(seen);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()).trimmed(), document);
        }
    }
};

DIMARVOLTECA_TEST_MAIN(TestDocumentOpener)
#include "TestDocumentOpener.moc"
