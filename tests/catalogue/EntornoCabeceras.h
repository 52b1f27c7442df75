#pragma once

#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "platform/ado/AdoConnection.h"
#include "shell/MAIN.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QSqlQuery>

const QColor kAzul(32, 64, 192);
const QColor kRojo(192, 48, 32);
const QColor kVerde(32, 160, 64);

// What every header-window test stands on: a fresh database in a temporary folder,
// the database module, the frame with its client area and command lock, and every
// message box answered at once.
class EntornoCabeceras
{
public:
    EntornoCabeceras()
    {
        DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
        MainForm = new TMainForm;
        MainForm->resize(1000, 700);
        MainForm->show();
        QApplication::setActiveWindow(MainForm);
        if (!QTest::qWaitForWindowActive(MainForm))
            qWarning("the frame did not become active");
    }

    ~EntornoCabeceras()
    {
        delete MainForm.data();
        ui::ReleaseApplicationObject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing::Workspace ws;
    testing::MessageRecorder mensajes;
    bool m_bloqueada = false;

    void Cabecera(int codigo, const QString& centro, const QString& direccion = QString(),
                  const QString& telefono = QString(), const QVariant& logo = QVariant())
    {
        ws.Db().Exec(QStringLiteral("INSERT INTO CabeceraEncuesta(codigo,centro,direccion,"
                                    "telefono,logo) VALUES(?,?,?,?,?)"),
                     {codigo, centro, direccion, telefono, logo});
    }

    // codigo, centro, direccion, telefono, logo of every row, by code.
    QList<QVariantList> Filas()
    {
        return ws.Db().Rows(QStringLiteral("SELECT codigo, centro, direccion, telefono, logo "
                                           "FROM CabeceraEncuesta ORDER BY codigo"));
    }

    // The ten work commands of the frame: "libres" when all are enabled, "bloqueados"
    // when the lock holds them all, else which are enabled.
    QString Menus() const
    {
        QString estado;
        for (QAction* a :
             {MainForm->Nuevo1, MainForm->FileOpenItem, MainForm->Cabecera1,
              MainForm->M_CrearMedida, MainForm->M_ModificarMedida, MainForm->M_BorrarMedida,
              MainForm->Crear3, MainForm->M_ModificarIndicador, MainForm->M_BorrarIndicador,
              MainForm->Obtener1})
            estado += a->isEnabled() ? u'1' : u'0';
        return estado == QString(10, u'1')   ? QStringLiteral("libres")
               : estado == QString(10, u'0') ? QStringLiteral("bloqueados")
                                             : estado;
    }

    // The window has gone and left the work commands free.
    template <class Ventana> bool Cerrada(const QPointer<Ventana>& ventana) const
    {
        return QTest::qWaitFor([&] { return ventana.isNull(); }) && Menus() == "libres";
    }

    // A picture file for the logo dialog, written in the workspace.
    QString Imagen(const QString& nombre, const QImage& imagen, const char* formato)
    {
        const QString ruta = ws.Dir() + QLatin1Char('/') + nombre;
        if (!imagen.save(ruta, formato, 95))
            qFatal("cannot write %s", qPrintable(ruta));
        return ruta;
    }

    // The bytes a text column of header `codigo` holds, as other programs read them.
    QByteArray Bytes(const char* columna, int codigo)
    {
        return ws.Db()
            .Scalar(QStringLiteral("SELECT CAST(%1 AS BLOB) FROM CabeceraEncuesta WHERE codigo=%2")
                        .arg(QLatin1String(columna))
                        .arg(codigo))
            .toByteArray();
    }

    // Makes the program's writes fail, and gives the error box that says why:
    // "solo lectura" (the connection refuses to write, as SQLite does for a read-only
    // file: tests may run as root, who may write any file), "disco lleno" (the
    // database may not grow past the pages it has) or "en uso" (another program
    // holds the write lock longer than the program waits).
    QString ImpedirGuardar(const QString& causa)
    {
        QSqlQuery pragma(DM_BdatosADO->Database1->Database());
        const QString guardar =
            QStringLiteral("Error: No se ha podido guardar en la base de datos: ");
        if (causa == QLatin1String("solo lectura")) {
            pragma.exec(QStringLiteral("PRAGMA query_only=1"));
            return guardar + "el archivo de la base de datos o su carpeta es de solo lectura.\n"
                             "Detalle técnico: attempt to write a readonly database.";
        }
        if (causa == QLatin1String("disco lleno")) {
            pragma.exec(QStringLiteral("PRAGMA max_page_count=1"));
            return guardar + "el disco está lleno.\nDetalle técnico: database or disk is full.";
        }
        ws.Db().Exec(QStringLiteral("BEGIN IMMEDIATE"));
        m_bloqueada = true;
        return guardar + "la base de datos está en uso por otro programa. Espere a que termine o "
                         "ciérrelo, y vuelva a intentarlo.\nDetalle técnico: database is locked.";
    }

    void PermitirGuardar()
    {
        QSqlQuery pragma(DM_BdatosADO->Database1->Database());
        pragma.exec(QStringLiteral("PRAGMA query_only=0"));
        pragma.exec(QStringLiteral("PRAGMA max_page_count=1073741823"));
        if (m_bloqueada)
            ws.Db().Exec(QStringLiteral("ROLLBACK"));
        m_bloqueada = false;
    }

    static QImage Bmp(const QVariant& logo)
    {
        const QByteArray bytes = logo.toByteArray();
        return bytes.startsWith("BM") ? QImage::fromData(bytes, "BMP") : QImage();
    }

    // A picture of the given size: the top quarter blue, the rest red, with the
    // right half of the red part green, so that place and orientation show.
    static QImage Muestra(int ancho, int alto)
    {
        QImage imagen(ancho, alto, QImage::Format_RGB888);
        imagen.fill(kRojo);
        QPainter pintor(&imagen);
        pintor.fillRect(ancho / 2, alto / 4, ancho - ancho / 2, alto - alto / 4, kVerde);
        pintor.fillRect(0, 0, ancho, alto / 4, kAzul);
        return imagen;
    }
};

// Picks item `indice` of a list as a user does, with the keyboard.
inline void Elegir(QComboBox* lista, int indice)
{
    lista->setFocus();
    QTest::keyClick(lista, Qt::Key_Home);
    for (int i = 0; i < indice; ++i)
        QTest::keyClick(lista, Qt::Key_Down);
}

// The items of a list, in order.
inline QStringList Textos(const QComboBox* lista)
{
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i)
        textos << lista->itemText(i);
    return textos;
}

// Colours equal within what JPEG compression and resizing change.
inline bool Parecido(const QColor& a, const QColor& b, int margen = 24)
{
    return qAbs(a.red() - b.red()) <= margen && qAbs(a.green() - b.green()) <= margen &&
           qAbs(a.blue() - b.blue()) <= margen;
}

// Two emoji of four UTF-16 units each (a thumb and its skin tone) pasted into the
// centre box (94 units) beside an emoji, or over it, that begins with the same unit
// as they do: the box four, three or no units short of its limit. Only the whole
// pasted characters that fit are kept.
inline void FilasPegadoJuntoAEmoji()
{
    QTest::addColumn<QString>("antes");
    QTest::addColumn<QString>("donde"); // "delante", "detrás" or "encima" of the emoji
    QTest::addColumn<QString>("pegado");
    QTest::addColumn<QString>("guardado");
    const QString cara = QStringLiteral("😀");
    const QString pulgar = QStringLiteral("👍🏽");
    for (int libres : {4, 3, 0}) {
        const QString x(94 - 2 - libres, u'x');
        const QString cabe = libres == 4 ? pulgar : QString();
        const QString p = pulgar + pulgar;
        QTest::addRow("%d libres, delante", libres)
            << x + cara << "delante" << p << x + cabe + cara;
        QTest::addRow("%d libres, detrás", libres) << x + cara << "detrás" << p << x + cara + cabe;
        QTest::addRow("%d libres, encima", libres)
            << x + cara << "encima" << p << (libres == 0 ? x : x + pulgar);
    }
    // A sequence pasted over the character it starts with, just fitting and one unit
    // too long: what does not fit goes whole, never leaving that character and a joiner.
    const QString familia = QStringLiteral("👨‍👩‍👧"),
                  bandera = QStringLiteral("🏳️‍🌈");
    for (const QString& s : {familia, bandera})
        for (int n : {94 - int(s.size()), 95 - int(s.size())})
            QTest::addRow("%s sobre su comienzo, %d letras", s == familia ? "familia" : "bandera",
                          n)
                << QString(n, u'x') + s.left(s == familia ? 2 : 3) << "encima" << s
                << QString(n, u'x') + (n + s.size() <= 94 ? s : QString());
}

// Pastes `pegado` as a user does, before, after or over the box's last character.
inline void PegarJuntoAEmoji(QLineEdit* caja, const QString& donde, const QString& pegado)
{
    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_End);
    if (donde == QLatin1String("delante"))
        QTest::keyClick(caja, Qt::Key_Left);
    else if (donde == QLatin1String("encima"))
        QTest::keyClick(caja, Qt::Key_Left, Qt::ShiftModifier);
    QApplication::clipboard()->setText(pegado);
    QTest::keySequence(caja, QKeySequence::Paste);
}

inline void FilasGuardarFalla()
{
    QTest::addColumn<QString>("causa");
    for (const char* causa : {"solo lectura", "disco lleno", "en uso"})
        QTest::newRow(causa) << causa;
}
