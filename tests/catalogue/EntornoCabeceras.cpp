#include "EntornoCabeceras.h"

#include "data/BdatosADO.h"
#include "shell/MAIN.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPainter>

EntornoCabeceras::EntornoCabeceras()
{
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    MainForm = new TMainForm;
    MainForm->resize(1000, 700);
    MainForm->show();
    QApplication::setActiveWindow(MainForm);
    if (!QTest::qWaitForWindowActive(MainForm))
        qWarning("the frame did not become active");
}

EntornoCabeceras::~EntornoCabeceras()
{
    delete MainForm.data();
    ui::ReleaseApplicationObject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void EntornoCabeceras::Cabecera(int codigo, const QString& centro, const QString& direccion,
                                const QString& telefono, const QVariant& logo)
{
    ws.Db().Exec(QStringLiteral("INSERT INTO CabeceraEncuesta(codigo,centro,direccion,telefono,"
                                "logo) VALUES(?,?,?,?,?)"),
                 {codigo, centro, direccion, telefono, logo});
}

QList<QVariantList> EntornoCabeceras::Filas()
{
    return ws.Db().Rows(QStringLiteral(
        "SELECT codigo, centro, direccion, telefono, logo FROM CabeceraEncuesta ORDER BY codigo"));
}

QList<bool> EntornoCabeceras::Menus() const
{
    QList<bool> estado;
    for (QAction* a :
         {MainForm->Nuevo1, MainForm->FileOpenItem, MainForm->Cabecera1, MainForm->M_CrearMedida,
          MainForm->M_ModificarMedida, MainForm->M_BorrarMedida, MainForm->Crear3,
          MainForm->M_ModificarIndicador, MainForm->M_BorrarIndicador, MainForm->Obtener1})
        estado << a->isEnabled();
    return estado;
}

QString EntornoCabeceras::Imagen(const QString& nombre, const QImage& imagen, const char* formato)
{
    const QString ruta = ws.Dir() + QLatin1Char('/') + nombre;
    if (!imagen.save(ruta, formato, 95))
        qFatal("cannot write %s", qPrintable(ruta));
    return ruta;
}

QImage EntornoCabeceras::Bmp(const QVariant& logo)
{
    const QByteArray bytes = logo.toByteArray();
    if (!bytes.startsWith("BM"))
        return QImage();
    return QImage::fromData(bytes, "BMP");
}

QImage EntornoCabeceras::Muestra(int ancho, int alto)
{
    QImage imagen(ancho, alto, QImage::Format_RGB888);
    imagen.fill(kRojo);
    QPainter pintor(&imagen);
    pintor.fillRect(ancho / 2, alto / 4, ancho - ancho / 2, alto - alto / 4, kVerde);
    pintor.fillRect(0, 0, ancho, alto / 4, kAzul);
    return imagen;
}

void Elegir(QComboBox* lista, int indice)
{
    lista->setFocus();
    QTest::keyClick(lista, Qt::Key_Home);
    for (int i = 0; i < indice; ++i)
        QTest::keyClick(lista, Qt::Key_Down);
}

bool Parecido(const QColor& a, const QColor& b, int margen)
{
    return qAbs(a.red() - b.red()) <= margen && qAbs(a.green() - b.green()) <= margen &&
           qAbs(a.blue() - b.blue()) <= margen;
}
