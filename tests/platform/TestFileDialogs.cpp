#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// Once the dialog is up: notes the filters it offers (the first one offered first) and
// its texts, then chooses the filter and the file, or cancels when the name is empty.
void Contestar(const QString& filtro, const QString& nombre, QStringList* visto = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialogo) {
            Contestar(filtro, nombre, visto);
            return;
        }
        if (visto) {
            *visto << dialogo->selectedNameFilter();
            auto* tipos = dialogo->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; tipos && i < tipos->count(); ++i)
                *visto << tipos->itemText(i);
            for (const char* etiqueta : {"lookInLabel", "fileNameLabel"})
                *visto << dialogo->findChild<QLabel*>(QLatin1String(etiqueta))->text();
            for (const QPushButton* boton : dialogo->findChildren<QPushButton*>())
                *visto << boton->text();
        }
        dialogo->selectNameFilter(filtro);
        if (nombre.isEmpty()) {
            dialogo->reject();
            return;
        }
        dialogo->selectFile(nombre);
        static_cast<QDialog*>(dialogo)->accept(); // as the dialog's own button does
    });
}

} // namespace

// The real dialogs, without the tests' stand-ins: Spanish texts, each filter once as
// the program names it, the filter offered first, the file and filter the user chose,
// the suffix a save dialog adds.
class TestFileDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void abrir_data()
    {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<int>("indiceElegido"); // 0: cancelled
        QTest::addColumn<QString>("mostrados"); // the filter offered first, then all
        const QString imagen = QStringLiteral("Imagen jpg|*.jpg|Imagen bmp|*.bmp");
        const QString ofrecidos = QStringLiteral("Imagen jpg (*.jpg)|Imagen bmp (*.bmp)");
        QTest::newRow("el primero, sin cambiarlo")
            << imagen << 1 << "Imagen jpg (*.jpg)"
            << "a.jpg" << 1 << "Imagen jpg (*.jpg)|" + ofrecidos;
        QTest::newRow("el segundo, elegido") << imagen << 1 << "Imagen bmp (*.bmp)"
                                             << "b.bmp" << 2 << "Imagen jpg (*.jpg)|" + ofrecidos;
        QTest::newRow("cancelado") << imagen << 2 << "Imagen bmp (*.bmp)"
                                   << "" << 0 << "Imagen bmp (*.bmp)|" + ofrecidos;
        // A name that already shows its pattern does not show it twice.
        QTest::newRow("encuestas")
            << "Archivos de Encuestas (*.qrp)|*.qrp" << 1 << "Archivos de Encuestas (*.qrp)"
            << "" << 0 << "Archivos de Encuestas (*.qrp)|Archivos de Encuestas (*.qrp)";
    }

    void abrir()
    {
        QFETCH(QString, filtro);
        QFETCH(int, indice);
        QFETCH(QString, elegido);
        QFETCH(QString, nombre);
        QFETCH(int, indiceElegido);
        QFETCH(QString, mostrados);
        for (const char* archivo : {"a.jpg", "b.bmp"}) {
            QFile f(m_dir.filePath(QLatin1String(archivo)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        ui::OpenFileRequest peticion;
        peticion.initialDir = m_dir.path();
        peticion.filter = filtro;
        peticion.filterIndex = indice;
        peticion.fileMustExist = true;
        QStringList visto;
        Contestar(elegido, nombre, &visto);
        const ui::OpenFileResult r = ui::ShowOpenFileDialog(nullptr, peticion);
        QCOMPARE(visto.join(u'|'),
                 mostrados + QStringLiteral("|Buscar en:|&Nombre de archivo:|&Abrir|Cancelar"));
        QCOMPARE(r.accepted, indiceElegido != 0);
        if (r.accepted) {
            QCOMPARE(r.filterIndex, indiceElegido);
            QCOMPARE(r.path, m_dir.filePath(nombre));
        }
    }

    void guardar()
    {
        ui::SaveFileRequest peticion;
        peticion.initialDir = m_dir.path();
        peticion.filter = QStringLiteral("Informe|*.qrp");
        peticion.defaultSuffix = QStringLiteral("qrp");
        Contestar(QStringLiteral("Informe (*.qrp)"), QStringLiteral("encuesta"));
        const ui::SaveFileResult r = ui::ShowSaveFileDialog(nullptr, peticion);
        QVERIFY(r.accepted);
        QCOMPARE(r.path, m_dir.filePath(QStringLiteral("encuesta.qrp")));
        QCOMPARE(r.filterIndex, 1);
    }

    void archivoNoFichero_data()
    {
        QTest::addColumn<bool>("guardar");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("abrir uno que falta") << false << "falta.jpg";
        QTest::newRow("guardar sobre uno que existe") << true << "a.jpg";
    }

    // The dialogs, their context menus and the warnings they give before they accept a
    // name say "archivo" as the rest of the program does.
    void archivoNoFichero()
    {
        QFETCH(bool, guardar);
        QFETCH(QString, nombre);
        QFile existente(m_dir.filePath(QStringLiteral("a.jpg")));
        QVERIFY(existente.open(QIODevice::WriteOnly));
        QStringList visto;
        QString aviso;
        QObject fila;
        QTimer::singleShot(0, &fila, [&] {
            auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialogo)
                return;
            visto << dialogo->windowTitle();
            for (const QWidget* w : dialogo->findChildren<QWidget*>()) {
                for (const char* propiedad : {"text", "toolTip"})
                    visto << w->property(propiedad).toString();
                if (auto* lista = qobject_cast<const QComboBox*>(w))
                    for (int i = 0; i < lista->count(); ++i)
                        visto << lista->itemText(i);
            }
            for (const QAction* orden : dialogo->findChildren<QAction*>())
                visto << orden->text();
            // The warning, read and answered "No" as soon as it is up.
            QTimer::singleShot(0, &fila, [&] {
                if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    aviso = caja->text();
                    caja->reject();
                }
            });
            dialogo->selectFile(nombre);
            QMetaObject::invokeMethod(dialogo, "accept"); // its own button, with its checks
            dialogo->reject();
        });
        ui::SaveFileRequest peticion;
        peticion.initialDir = m_dir.path();
        peticion.filter = QStringLiteral("Imagen jpg|*.jpg");
        if (guardar) {
            QVERIFY(!ui::ShowSaveFileDialog(nullptr, peticion).accepted);
        } else {
            ui::OpenFileRequest abrir;
            abrir.initialDir = peticion.initialDir;
            abrir.filter = peticion.filter;
            abrir.fileMustExist = true;
            QVERIFY(!ui::ShowOpenFileDialog(nullptr, abrir).accepted);
        }
        QVERIFY2(aviso.contains(QStringLiteral("archivo")), qPrintable(aviso));
        visto << aviso;
        // Access keys split words: "fic&heros".
        visto.replaceInStrings(QStringLiteral("&"), QString());
        QVERIFY(visto.contains(QStringLiteral("Mostrar los archivos ocultos")));
        const QStringList fichero = visto.filter(QStringLiteral("fichero"), Qt::CaseInsensitive);
        QVERIFY2(fichero.isEmpty(), qPrintable(fichero.join(QStringLiteral(" | "))));
    }
};

DIMARVOLTECA_TEST_MAIN(TestFileDialogs)
#include "TestFileDialogs.moc"
