#include "EntornoCabeceras.h"
#include "Tabulacion.h"

#include "catalogue/CrearCabecera.h"
#include "data/Encuestas.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QInputMethodEvent>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <memory>

namespace {

const QString kInsertada = QStringLiteral("La cabecera ha sido insertada con éxito");

// What a bitmap of `origen` shows in the logo box: cut from its top-left corner,
// or extended with white, never scaled.
QImage Recortada(const QImage& origen)
{
    QImage caja(145, 113, QImage::Format_RGB888);
    caja.fill(Qt::white);
    QPainter(&caja).drawImage(0, 0, origen);
    return caja;
}

} // namespace

class TestCrearCabecera : public QObject
{
    Q_OBJECT

    std::unique_ptr<EntornoCabeceras> e;
    QTemporaryDir m_dir;

    TF_CrearCabecera* Abrir()
    {
        MainForm->Insertar1Click();
        return F_CrearCabecera;
    }

    void CargarLogo(TF_CrearCabecera* f, const QString& ruta, int filtro)
    {
        testing::FileDialogAnswer respuesta(ruta, filtro);
        QTest::mouseClick(f->B_Imagen, Qt::LeftButton);
    }

    QString Escribir(const QString& nombre, const QByteArray& bytes)
    {
        QFile archivo(m_dir.filePath(nombre));
        if (!archivo.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(nombre));
        archivo.write(bytes);
        return nombre;
    }

    // Logo files the program never wrote, in the variants image programs and cameras
    // produce: the sample of 300 x 200 drawn by ImageMagick, with a strip of many
    // colours along the bottom so that palette bitmaps need 8 bits. `nombre` may
    // carry ImageMagick's format prefix ("BMP3:paleta.bmp").
    QString ImageMagick(const QString& nombre, const QStringList& opciones)
    {
        const QString archivo = nombre.section(u':', -1);
        const QString prefijo = nombre.contains(u':') ? nombre.section(u':', 0, 0) + u':' : "";
        QProcess convert;
        convert.start(QStringLiteral("convert"),
                      QStringLiteral("-size;300x200;xc:#c03020;-fill;#20a040;-draw;rectangle "
                                     "150,50 299,199;-fill;#2040c0;-draw;rectangle 0,0 299,49;(;"
                                     "-size;6x300;gradient:yellow-purple;-rotate;90;);-geometry;"
                                     "+0+194;-composite")
                              .split(u';') +
                          opciones + QStringList{prefijo + m_dir.filePath(archivo)});
        if (!convert.waitForFinished(30000) || convert.exitCode() != 0)
            qFatal("convert failed for %s", qPrintable(nombre));
        return archivo;
    }

    QByteArray Leer(const QString& nombre)
    {
        QFile archivo(m_dir.filePath(nombre));
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    }

private slots:
    void init() { e = std::make_unique<EntornoCabeceras>(); }
    void cleanup() { e.reset(); }

    void claves_data()
    {
        QTest::addColumn<QList<int>>("guardadas");
        QTest::addColumn<int>("nueva");
        QTest::newRow("tabla vacía") << QList<int>{} << 1;
        QTest::newRow("1, 2 y 7") << QList<int>{1, 2, 7} << 8;
    }

    void claves()
    {
        QFETCH(QList<int>, guardadas);
        QFETCH(int, nueva);
        for (int codigo : guardadas)
            e->Cabecera(codigo, QStringLiteral("Centro %1").arg(codigo));
        TF_CrearCabecera* f = Abrir();
        QVERIFY(f);
        f->E_Centro->setFocus();
        QTest::keyClicks(f->E_Centro, QStringLiteral("IES Nuevo"));
        QTest::mouseClick(f->B_Insertar, Qt::LeftButton);

        QCOMPARE(e->ws.Db()
                     .Scalar(QStringLiteral("SELECT centro FROM CabeceraEncuesta WHERE codigo=%1")
                                 .arg(nueva))
                     .toString(),
                 QStringLiteral("IES Nuevo"));
        QCOMPARE(e->Filas().size(), guardadas.size() + 1);
        QCOMPARE(e->mensajes.Shown(), QStringList{"Información: " + kInsertada});
        QTRY_VERIFY(F_CrearCabecera.isNull());
    }

    // The keyboard round as the window opens and once a logo is loaded.
    void teclado_data()
    {
        QTest::addColumn<bool>("logo");
        QTest::addColumn<QString>("vuelta");
        const QString campos = "E_Centro, E_Direccion, E_Telefono, B_Imagen";
        QTest::newRow("nueva") << false
                               << campos.mid(10) + ", B_Borrar, B_Insertar, B_Salir, E_Centro";
        QTest::newRow("con logo") << true << "B_Borrar, B_Insertar, B_Salir, " + campos;
    }

    void teclado()
    {
        QFETCH(bool, logo);
        QFETCH(QString, vuelta);
        TF_CrearCabecera* f = Abrir();
        QVERIFY(f);
        if (logo)
            CargarLogo(f, e->Imagen("logo.jpg", EntornoCabeceras::Muestra(60, 40), "JPG"), 1);
        QCOMPARE(testing::Vuelta(f), vuelta);
    }

    void textos_data()
    {
        QTest::addColumn<QStringList>("tecleado");
        QTest::addColumn<QStringList>("pegado");
        QTest::addColumn<QStringList>("guardado");
        QTest::addColumn<bool>("logoBorrado");
        const QStringList blancos{"  Colegio Sur  ", " C/ Mayor, 1 ", " 96 000 00 00"};
        const QString largo(120, u'x');
        const QString x93(93, u'x');
        const QString x90(90, u'x');
        QTest::newRow("blancos, sin logo") << blancos << QStringList() << blancos << false;
        QTest::newRow("blancos, logo borrado") << blancos << QStringList() << blancos << true;
        QTest::newRow("largos, cortados por las cajas")
            << QStringList{largo, largo, largo} << QStringList()
            << QStringList{largo.left(94), largo.left(94), largo.left(20)} << false;
        // A paste past the limit keeps only the whole characters that fit.
        QTest::newRow("emoji en el límite")
            << QStringList{x93, x90, "96"} << QStringList{"😀", "😀😀😀", "☎️ 123 45 67 8 👍🏽"}
            << QStringList{x93, x90 + "😀😀", "96☎️ 123 45 67 8 "} << false;
        QTest::newRow("acentos combinados y secuencias")
            << QStringList{x93, x90, ""}
            << QStringList{"e\u0301", "n\u0303👨‍👩‍👧",
                           "👨‍👩‍👧👨‍👩‍👧👨‍👩‍👧"}
            << QStringList{x93, x90 + "n\u0303", "👨‍👩‍👧👨‍👩‍👧"} << false;
    }

    // The texts reach the table as typed, blanks included; a header whose logo was
    // never picked, or cleared with "Borrar", has none.
    void textos()
    {
        QFETCH(QStringList, tecleado);
        QFETCH(QStringList, guardado);
        QFETCH(QStringList, pegado);
        QFETCH(bool, logoBorrado);
        TF_CrearCabecera* f = Abrir();
        QVERIFY(f);
        f->E_Centro->setFocus();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClicks(QApplication::focusWidget(), tecleado[i]);
            if (!pegado.isEmpty()) {
                QApplication::clipboard()->setText(pegado[i]);
                QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        if (logoBorrado) {
            CargarLogo(f, e->Imagen("logo.jpg", EntornoCabeceras::Muestra(60, 40), "JPG"), 1);
            QVERIFY(f->I_Logo->Picture()->HasImage());
            QTest::mouseClick(f->B_Borrar, Qt::LeftButton);
            QVERIFY(!f->I_Logo->Picture()->HasGraphic());
        }
        QTest::mouseClick(f->B_Insertar, Qt::LeftButton);
        const QList<QVariantList> filas = e->Filas();
        QCOMPARE(filas.size(), 1);
        QCOMPARE(
            QStringList({filas[0][1].toString(), filas[0][2].toString(), filas[0][3].toString()}),
            guardado);
        // Other programs read the row: its bytes are valid UTF-8.
        for (const char* columna : {"centro", "direccion", "telefono"}) {
            const QByteArray bytes =
                e->ws.Db()
                    .Scalar(QStringLiteral("SELECT CAST(%1 AS BLOB) FROM CabeceraEncuesta")
                                .arg(QLatin1String(columna)))
                    .toByteArray();
            QCOMPARE(QString::fromUtf8(bytes).toUtf8(), bytes);
        }
        QVERIFY(filas[0][4].isNull());
    }

    void pegadoJuntoAEmoji_data() { FilasPegadoJuntoAEmoji(); }

    // Never half an emoji in the box, nor invalid UTF-8 in the table.
    void pegadoJuntoAEmoji()
    {
        QFETCH(QString, antes);
        QFETCH(QString, donde);
        QFETCH(QString, pegado);
        QFETCH(QString, guardado);
        TF_CrearCabecera* f = Abrir();
        QVERIFY(f);
        f->E_Centro->setFocus();
        const qsizetype letras = antes.lastIndexOf(u'x') + 1;
        QTest::keyClicks(f->E_Centro, antes.left(letras));
        QApplication::clipboard()->setText(antes.mid(letras));
        QTest::keySequence(f->E_Centro, QKeySequence::Paste);
        QCOMPARE(f->E_Centro->text(), antes);
        PegarJuntoAEmoji(f->E_Centro, donde, pegado);
        QCOMPARE(f->E_Centro->text(), guardado);
        QTest::mouseClick(f->B_Insertar, Qt::LeftButton);
        QCOMPARE(e->Bytes("centro", 1), guardado.toUtf8());
    }

    // A paste or typing that the limit cuts undoes as in a box without a limit: a paste
    // as a step of its own, typing with the typing before it; redo brings it back.
    void deshacer_data()
    {
        QTest::addColumn<QString>("como");
        QTest::addColumn<QString>("anadido");
        QTest::addColumn<QString>("queda"); // what the limit leaves of it
        QTest::addColumn<int>("pasos");     // undo steps back to the empty box
        for (const char* como : {"pegado", "menú"})
            QTest::newRow(como) << como << "😀😀😀"
                                << "😀😀" << 2;
        QTest::newRow("método de entrada") << "método de entrada"
                                           << "😀😀😀"
                                           << "😀😀" << 1;
        QTest::newRow("tecleado") << "tecleado"
                                  << "abcdef"
                                  << "abcd" << 1;
    }

    void deshacer()
    {
        QFETCH(QString, como);
        QFETCH(QString, anadido);
        QFETCH(QString, queda);
        QFETCH(int, pasos);
        TF_CrearCabecera* f = Abrir();
        QVERIFY(f);
        QLineEdit* caja = f->E_Centro;
        const QString x90(90, u'x');
        caja->setFocus();
        QTest::keyClicks(caja, x90);
        QApplication::clipboard()->setText(anadido);
        QInputMethodEvent metodo;
        metodo.setCommitString(anadido);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, {}, caja->mapToGlobal(QPoint()));
        if (como == "tecleado")
            QTest::keyClicks(caja, anadido);
        else if (como == "pegado")
            QTest::keySequence(caja, QKeySequence::Paste);
        else
            QApplication::sendEvent(caja, como == "menú" ? static_cast<QEvent*>(&menu) : &metodo);
        if (como == "menú") {
            QVERIFY2(caja->findChild<QMenu*>(), "the box's menu did not open");
            QTest::keyClick(caja->findChild<QMenu*>(), Qt::Key_P); // "&Pegar"
        }
        QCOMPARE(caja->text(), x90 + queda);
        QStringList deshechos;
        while (caja->isUndoAvailable() && deshechos.size() < 3) {
            QTest::keySequence(caja, QKeySequence::Undo);
            deshechos << caja->text();
        }
        const QStringList esperados = pasos == 2 ? QStringList{x90, ""} : QStringList{""};
        QCOMPARE(deshechos, esperados);
        for (int i = 0; i < pasos; ++i)
            QTest::keySequence(caja, QKeySequence::Redo);
        QCOMPARE(caja->text(), x90 + queda);
    }

    void guardarFalla_data() { FilasGuardarFalla(); }

    // A header that cannot be saved says why; nothing is stored and the window keeps
    // what it holds, to save once the cause is gone.
    void guardarFalla()
    {
        QFETCH(QString, causa);
        TF_CrearCabecera* f = Abrir();
        QVERIFY(f);
        f->E_Centro->setText(QStringLiteral("IES Costa"));
        CargarLogo(f, e->Imagen("logo.jpg", EntornoCabeceras::Muestra(60, 40), "JPG"), 1);
        const QString mensaje = e->ImpedirGuardar(causa);
        QTest::mouseClick(f->B_Insertar, Qt::LeftButton);
        e->PermitirGuardar();
        QCOMPARE(e->mensajes.Shown(), QStringList{mensaje});
        QVERIFY(e->Filas().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(F_CrearCabecera);
        QCOMPARE(f->E_Centro->text(), QStringLiteral("IES Costa"));

        QTest::mouseClick(f->B_Insertar, Qt::LeftButton);
        QCOMPARE(e->Filas().size(), 1);
        QCOMPARE(EntornoCabeceras::Bmp(e->Filas().at(0).at(4)).size(), QSize(145, 113));
    }

    void centroDuplicado_data()
    {
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<bool>("duplicado");
        const struct
        {
            const char *fila, *guardado, *tecleado;
            bool duplicado;
        } filas[] = {
            {"igual", "IES La Costera", "IES La Costera", true},
            {"mayúsculas y espacios", "Colegio Sur", "  COLEGIO sur  ", true},
            {"espacios del guardado", " ies norte ", "IES NORTE", true},
            {"tabulador y salto", "Centro", "\tcentro\n", true},
            {"mayúscula acentuada", "ÁVILA", "ávila", false},
            {"acento contra sin acento", "Jose Maria", "José María", false},
            {"espacio interior", "IES Sur", "IES  Sur", false},
        };
        for (const auto& f : filas)
            QTest::newRow(f.fila) << QString::fromUtf8(f.guardado) << QString::fromUtf8(f.tecleado)
                                  << f.duplicado;
    }

    void centroDuplicado()
    {
        QFETCH(QString, guardado);
        QFETCH(QString, tecleado);
        QFETCH(bool, duplicado);
        e->Cabecera(1, QStringLiteral("Otro centro"));
        e->Cabecera(2, guardado);
        e->Cabecera(3, QStringLiteral("Último"));
        TF_CrearCabecera* f = Abrir();
        QVERIFY(f);
        f->E_Direccion->setText(QStringLiteral("Calle"));
        f->E_Centro->setFocus();
        f->E_Centro->setText(tecleado);
        QTest::keyClick(f->E_Centro, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f->E_Direccion);

        QCOMPARE(e->mensajes.Shown(),
                 duplicado ? QStringList{"Aviso: El centro insertado ya tiene una cabecera"}
                           : QStringList());
        QCOMPARE(f->E_Centro->text(), duplicado ? QString() : tecleado);
        QCOMPARE(f->E_Direccion->text(), QStringLiteral("Calle"));
        QCOMPARE(e->Filas().size(), 3);
    }

    void centroEnBlanco_data()
    {
        QTest::addColumn<QString>("centro");
        QTest::newRow("vacío") << "";
        QTest::newRow("espacios") << "    ";
        QTest::newRow("tabuladores y saltos") << " \t\r\n ";
    }

    void centroEnBlanco()
    {
        QFETCH(QString, centro);
        TF_CrearCabecera* f = Abrir();
        QVERIFY(f);
        f->E_Centro->setText(centro);
        f->E_Direccion->setText(QStringLiteral("Avenida"));
        CargarLogo(f, e->Imagen("logo.jpg", EntornoCabeceras::Muestra(60, 40), "JPG"), 1);
        QTest::mouseClick(f->B_Insertar, Qt::LeftButton);

        QCOMPARE(e->mensajes.Shown(), QStringList{"Aviso: Debe insertar un nombre para el centro"});
        QVERIFY(e->Filas().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(F_CrearCabecera);
        QCOMPARE(f->E_Centro->text(), centro);
        QCOMPARE(f->E_Direccion->text(), QStringLiteral("Avenida"));
        QVERIFY(f->I_Logo->Picture()->HasImage());
    }

    void logo_data()
    {
        QTest::addColumn<QString>("archivo"); // empty: the dialog is cancelled
        QTest::addColumn<int>("filtro");
        // "estirado" (a JPEG fills the box whatever its proportions), "gris",
        // "recortado" (a bitmap, cut or extended as Recortada), "igual", or the
        // error box's text.
        QTest::addColumn<QString>("resultado");
        QTest::addColumn<QSize>("origen"); // the sample's size, for bitmaps

        const QSize imagick(300, 200);
        for (int lado : {300, 50}) {
            const QString nombre = QStringLiteral("cuadro%1.bmp").arg(lado);
            Escribir(nombre, testing::Encoded(EntornoCabeceras::Muestra(lado, lado), "BMP", 95));
            QTest::newRow(qPrintable(nombre)) << nombre << 2 << "recortado" << QSize(lado, lado);
        }
        QTest::newRow("145 x 113 justo")
            << Escribir("justo.bmp",
                        testing::Encoded(EntornoCabeceras::Muestra(145, 113), "BMP", 95))
            << 2 << "recortado" << QSize(145, 113);
        QTest::newRow("JPEG de 1000 x 200")
            << Escribir("ancho.jpg",
                        testing::Encoded(EntornoCabeceras::Muestra(1000, 200), "JPG", 95))
            << 1 << "estirado" << QSize();
        QTest::newRow("cancelado") << "" << 1 << "igual" << QSize();

        QByteArray enorme = testing::Encoded(EntornoCabeceras::Muestra(80, 60), "BMP", 95);
        qToLittleEndian<qint32>(20000, enorme.data() + 18);
        qToLittleEndian<qint32>(20000, enorme.data() + 22);
        QTest::newRow("bmp demasiado grande")
            << Escribir("enorme.bmp", enorme) << 2
            << "La imagen es demasiado grande (20000 x 20000 píxeles)." << QSize();
        QTest::newRow("archivo vacío") << Escribir("vacio.jpg", {}) << 1
                                       << "La imagen no es un archivo JPEG válido." << QSize();
        QTest::newRow("bmp vacío") << Escribir("vacio.bmp", {}) << 2
                                   << "La imagen no es un mapa de bits válido." << QSize();
        // A file gone between the dialog and its reading.
        for (int filtro : {1, 2})
            QTest::addRow("archivo que ya no está, filtro %d", filtro)
                << "ido.jpg" << filtro
                << "No se puede abrir el archivo '" + m_dir.filePath("ido.jpg") + "'." << QSize();

        if (QStandardPaths::findExecutable(QStringLiteral("convert")).isEmpty())
            QFAIL("ImageMagick's convert is not installed");
        const struct
        {
            const char* fila;
            const char* nombre;
            QStringList opciones;
        } hechas[] = {
            {"JPEG", "base.jpg", {}},
            {"JPEG progresivo", "progresivo.jpg", {"-interlace", "Plane"}},
            {"JPEG CMYK", "cmyk.jpg", {"-colorspace", "CMYK"}},
            {"JPEG de calidad baja", "calidad.jpg", {"-quality", "25", "-sampling-factor", "2x2"}},
            {"BMP de 8 bits", "BMP3:paleta.bmp", {"-type", "Palette", "-compress", "None"}},
            {"BMP de 8 bits RLE", "BMP3:rle.bmp", {"-type", "Palette", "-compress", "RLE"}},
            {"BMP de 24 bits", "BMP3:color24.bmp", {"-type", "TrueColor"}},
            {"BMP de 32 bits", "BMP3:color32.bmp", {"-define", "bmp3:alpha=true", "-alpha", "on"}},
            {"BMP de 32 bits con alfa", "BMP:alfa.bmp", {"-alpha", "on"}},
            {"BMP de OS/2", "BMP2:os2.bmp", {}},
        };
        for (const auto& h : hechas) {
            const QString archivo = ImageMagick(h.nombre, h.opciones);
            const bool jpeg = archivo.endsWith(".jpg");
            QTest::newRow(h.fila) << archivo << (jpeg ? 1 : 2) << (jpeg ? "estirado" : "recortado")
                                  << imagick;
        }
        QTest::newRow("JPEG en grises")
            << ImageMagick("grises.jpg", {"-colorspace", "Gray"}) << 1 << "gris" << QSize();

        // ImageMagick writes bitmaps bottom row first; the same rows stored top row
        // first, as some programs write them, with a negative height.
        QByteArray arriba = Leer("color24.bmp");
        const int datos = qFromLittleEndian<qint32>(arriba.constData() + 10);
        const int fila = (300 * 3 + 3) / 4 * 4;
        QByteArray filas;
        for (int y = 199; y >= 0; --y)
            filas += arriba.mid(datos + y * fila, fila);
        arriba.replace(datos, int(filas.size()), filas);
        qToLittleEndian<qint32>(-200, arriba.data() + 22);
        QTest::newRow("BMP de arriba abajo")
            << Escribir("arriba.bmp", arriba) << 2 << "recortado" << imagick;

        const QByteArray progresivo = Leer("progresivo.jpg");
        QTest::newRow("JPEG progresivo cortado")
            << Escribir("pcortado.jpg", progresivo.left(progresivo.size() / 2)) << 1
            << "La imagen JPEG está incompleta o dañada.\nDetalle técnico: Premature end of JPEG "
               "file."
            << QSize();
        QByteArray gigante = Leer("base.jpg");
        qToBigEndian<quint16>(30000, gigante.data() + gigante.indexOf("\xFF\xC0") + 7);
        QTest::newRow("JPEG de 30000 de ancho")
            << Escribir("gigante.jpg", gigante) << 1
            << "La imagen es demasiado grande (30000 x 200 píxeles)." << QSize();

        // JPEG files the decoder refuses, each for its own cause, said in Spanish with
        // the decoder's own words after it.
        const QString otroTipo = QStringLiteral(
            "La imagen JPEG no se puede leer: es de un tipo de JPEG que el programa no admite. "
            "Ábrala con un programa de imágenes, guárdela como JPEG normal y vuelva a "
            "intentarlo.\nDetalle técnico: ");
        const QString danado =
            QStringLiteral("La imagen JPEG no se puede leer: el archivo está dañado.\n"
                           "Detalle técnico: ");
        const QByteArray jpeg = testing::Encoded(EntornoCabeceras::Muestra(80, 60), "JPG", 95);
        const int sof = int(jpeg.indexOf("\xFF\xC0"));
        const struct
        {
            const char* fila;
            int en;    // the byte changed, from the frame header's marker
            int valor; // its new value
            bool tipo; // a kind the program does not read, else damaged
            const char* detalle;
        } cambiados[] = {
            {"JPEG sin pérdida", 1, 0xC3, true, "Unsupported JPEG process: SOF type 0xc3."},
            {"JPEG de 12 bits", 4, 12, true, "Unsupported JPEG data precision 12."},
            {"JPEG de altura cero", 6, 0, true, "Empty JPEG image (DNL not supported)."},
            {"JPEG de anchura cero", 8, 0, false, "Empty JPEG image (DNL not supported)."},
            {"JPEG sin su tabla de cuantificación", 12, 3, false,
             "Quantization table 0x03 was not defined."},
        };
        for (const auto& c : cambiados) {
            QByteArray bytes = jpeg;
            bytes[sof + c.en] = char(c.valor);
            if (c.en == 6 || c.en == 8)
                bytes[sof + c.en - 1] = 0;
            QTest::newRow(c.fila) << Escribir(QStringLiteral("%1.jpg").arg(c.en), bytes) << 1
                                  << (c.tipo ? otroTipo : danado) + c.detalle << QSize();
        }
        QTest::newRow("JPEG sin imagen")
            << Escribir("sinimagen.jpg", "\xFF\xD8\xFF\xD9") << 1
            << danado + "JPEG datastream contains no image." << QSize();
        QTest::newRow("PNG con el filtro bmp")
            << ImageMagick("PNG:logo.png", {}) << 2 << "La imagen no es un mapa de bits válido."
            << QSize();
        QTest::newRow("BMP con el filtro jpg")
            << "paleta.bmp" << 1 << "La imagen no es un archivo JPEG válido." << QSize();
    }

    // The box shows a picture as the file's kind asks; a file that cannot be read
    // gives the error box and leaves the box, and what "INSERTAR" then stores, as
    // they were.
    void logo()
    {
        QFETCH(QString, archivo);
        QFETCH(int, filtro);
        QFETCH(QString, resultado);
        QFETCH(QSize, origen);
        TF_CrearCabecera* f = Abrir();
        QVERIFY(f);
        QImage liso(300, 200, QImage::Format_RGB888);
        liso.fill(QColor(128, 128, 0));
        CargarLogo(f, e->Imagen("antes.jpg", liso, "JPG"), 1);
        const QImage antes = f->I_Logo->Picture()->ToImage();
        {
            testing::FileDialogAnswer respuesta(archivo.isEmpty() ? "" : m_dir.filePath(archivo),
                                                filtro);
            QTest::mouseClick(f->B_Imagen, Qt::LeftButton);
            QCOMPARE(respuesta.requests.size(), 1);
        }
        const QImage imagen = f->I_Logo->Picture()->ToImage();
        QCOMPARE(imagen.size(), QSize(145, 113));
        const QColor arriba = imagen.pixelColor(10, 10);
        const QColor abajo = imagen.pixelColor(20, 100);
        if (resultado == "estirado") {
            QVERIFY(Parecido(arriba, kAzul) && Parecido(imagen.pixelColor(139, 20), kAzul));
            QVERIFY(Parecido(abajo, kRojo) && Parecido(imagen.pixelColor(68, 100), kRojo));
            QVERIFY(Parecido(imagen.pixelColor(76, 100), kVerde));
            QVERIFY(Parecido(imagen.pixelColor(139, 107), kVerde));
        } else if (resultado == "gris") {
            for (const QColor& c : {arriba, abajo, imagen.pixelColor(130, 100)})
                QVERIFY(Parecido(c, QColor(c.red(), c.red(), c.red()), 2));
            QVERIFY(!Parecido(arriba, abajo, 4));
        } else if (resultado == "recortado") {
            const QImage esperada =
                Recortada(EntornoCabeceras::Muestra(origen.width(), origen.height()));
            for (int y = 0; y < 113; ++y)
                for (int x = 0; x < 145; ++x)
                    if (!Parecido(imagen.pixelColor(x, y), esperada.pixelColor(x, y), 8))
                        QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        } else {
            QCOMPARE(imagen, antes);
        }
        const bool leida =
            QStringList{"igual", "estirado", "gris", "recortado"}.contains(resultado);
        QCOMPARE(e->mensajes.Shown(), leida ? QStringList() : QStringList{"Error: " + resultado});

        e->mensajes.Clear();
        f->E_Centro->setText(QStringLiteral("IES Logo"));
        QTest::mouseClick(f->B_Insertar, Qt::LeftButton);
        QCOMPARE(e->mensajes.Texts(), QStringList{kInsertada});
        QCOMPARE(EntornoCabeceras::Bmp(e->Filas().at(0).at(4)).convertToFormat(imagen.format()),
                 imagen);
    }

    // The window gives the work commands back as soon as it opens, so another can
    // open beside it; it goes with the main window.
    void bloqueoYDueno()
    {
        QPointer<TF_CrearCabecera> primera = Abrir();
        QCOMPARE(e->Menus(), "libres");
        QPointer<TF_CrearCabecera> segunda = Abrir();
        QVERIFY(segunda != primera && primera);
        MainForm->InhabilitarMenus();
        QTest::mouseClick(segunda->B_Salir, Qt::LeftButton);
        QVERIFY(e->Cerrada(segunda));
        QVERIFY(e->Filas().isEmpty());
        delete MainForm.data();
        QTRY_VERIFY(primera.isNull());
    }
};

DIMARVOLTECA_TEST_MAIN(TestCrearCabecera)
#include "TestCrearCabecera.moc"
