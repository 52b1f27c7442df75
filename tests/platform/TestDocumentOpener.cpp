// The real hand-over of a document to the desktop, on a desktop made for the test:
// no application for the kind, one that fails, one that opens it.

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

class TestDocumentOpener : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const char* tool : {"xdg-open", "xdg-mime"}) {
            if (!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                continue;
            const QByteArray why =
                QByteArray(tool) + " (xdg-utils) is missing: scripts/setup installs it";
            if (qEnvironmentVariableIsSet("CI"))
                QFAIL(why.constData());
            QSKIP(why.constData());
        }
    }

    void aDocumentNeedsAnApplicationThatOpensIt_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<bool>("opened");
        QTest::newRow("no application for the kind") << QString() << false;
        QTest::newRow("the application fails") << "false %f" << false;
        QTest::newRow("the application opens it") << "abrir %f" << true;
    }

    void aDocumentNeedsAnApplicationThatOpensIt()
    {
        QFETCH(QString, exec);
        QFETCH(bool, opened);
        QTemporaryDir dir;
        // A bare desktop of the test's own: its applications and its choices only.
        const QString data = dir.filePath(QStringLiteral("data"));
        const QString config = dir.filePath(QStringLiteral("config"));
        for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", data},
                                          {"XDG_DATA_DIRS", data},
                                          {"XDG_CONFIG_HOME", config},
                                          {"XDG_CONFIG_DIRS", config},
                                          {"DISPLAY", QStringLiteral(":99")}})
            qputenv(name, value.toLocal8Bit());
        for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "WAYLAND_DISPLAY", "BROWSER"})
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
