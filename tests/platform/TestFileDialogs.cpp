#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// Once the dialog is up: notes the filter it offers, then chooses the filter and the
// file, or cancels when the name is empty.
void Contestar(const QString& filtro, const QString& nombre, QString* ofrecido = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialogo) {
            Contestar(filtro, nombre, ofrecido);
            return;
        }
        if (ofrecido)
            *ofrecido = dialogo->selectedNameFilter();
        dialogo->selectNameFilter(filtro);
        if (nombre.isEmpty()) {
            dialogo->reject();
            return;
        }
        dialogo->selectFile(nombre);
        static_cast<QDialog*>(dialogo)->accept(); // as the dialog's own button does
    });
}

const QString kFiltro = QStringLiteral("Imagen jpg|*.jpg|Imagen bmp|*.bmp");

} // namespace

// The real dialogs, without the tests' stand-ins: the filter offered first, the file and
// filter the user chose, the suffix a save dialog adds.
class TestFileDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void abrir_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("aceptado");
        QTest::addColumn<int>("indiceElegido");
        QTest::newRow("el primero, sin cambiarlo") << 1 << "Imagen jpg (*.jpg)"
                                                   << "a.jpg" << true << 1;
        QTest::newRow("el segundo, elegido") << 1 << "Imagen bmp (*.bmp)"
                                             << "b.bmp" << true << 2;
        QTest::newRow("cancelado") << 2 << "Imagen bmp (*.bmp)"
                                   << "" << false << 1;
    }

    void abrir()
    {
        QFETCH(int, indice);
        QFETCH(QString, elegido);
        QFETCH(QString, nombre);
        QFETCH(bool, aceptado);
        QFETCH(int, indiceElegido);
        for (const char* archivo : {"a.jpg", "b.bmp"}) {
            QFile f(m_dir.filePath(QLatin1String(archivo)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        ui::OpenFileRequest peticion;
        peticion.initialDir = m_dir.path();
        peticion.filter = kFiltro;
        peticion.filterIndex = indice;
        peticion.fileMustExist = true;
        QString ofrecido;
        Contestar(elegido, nombre, &ofrecido);
        const ui::OpenFileResult r = ui::ShowOpenFileDialog(nullptr, peticion);
        QCOMPARE(ofrecido, ui::QtNameFilters(kFiltro).at(indice - 1));
        QCOMPARE(r.accepted, aceptado);
        QCOMPARE(r.filterIndex, indiceElegido);
        if (aceptado)
            QCOMPARE(r.path, m_dir.filePath(nombre));
    }

    // What the dialog shows: Spanish texts, and each filter once as the program names it.
    void losFiltrosSeMuestranUnaVez_data()
    {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QString>("mostrados");
        QTest::newRow("encuestas") << "Archivos de Encuestas (*.qrp)|*.qrp"
                                   << "Archivos de Encuestas (*.qrp)";
        QTest::newRow("informes") << "Informes guardados (*.qrp)|*.qrp"
                                  << "Informes guardados (*.qrp)";
        QTest::newRow("imágenes")
            << "Archivos de imagen jpg|*.jpg|Archivos de imagen bmp|*.bmp"
            << "Archivos de imagen jpg (*.jpg)|Archivos de imagen bmp (*.bmp)";
    }

    void losFiltrosSeMuestranUnaVez()
    {
        QFETCH(QString, filtro);
        QFETCH(QString, mostrados);
        QStringList tipos;
        QStringList textos;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialogo);
            auto* combo = dialogo->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; combo && i < combo->count(); ++i)
                tipos << combo->itemText(i);
            for (const char* nombre : {"lookInLabel", "fileNameLabel"})
                textos << dialogo->findChild<QLabel*>(QLatin1String(nombre))->text();
            for (const QPushButton* boton : dialogo->findChildren<QPushButton*>())
                textos << boton->text();
            dialogo->reject();
        });
        ui::OpenFileRequest peticion;
        peticion.initialDir = m_dir.path();
        peticion.filter = filtro;
        ui::ShowOpenFileDialog(nullptr, peticion);
        QCOMPARE(tipos.join('|'), mostrados);
        QCOMPARE(textos.join('|'), QStringLiteral("Buscar en:|&Nombre de archivo:|&Abrir|Cancelar"));
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
};

DIMARVOLTECA_TEST_MAIN(TestFileDialogs)
#include "TestFileDialogs.moc"
