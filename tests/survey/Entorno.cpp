#include "Entorno.h"

#include "platform/graphics/Bitmap.h"

#include <QAbstractItemView>
#include <QKeySequence>
#include <QTextDocument>
#include <QTimer>

namespace encuesta {

void PruebaEncuesta::init()
{
    m_espacio = std::make_unique<testing::Workspace>();
    SembrarCatalogo(Db());
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    MainForm = new TMainForm;
    MainForm->resize(1100, 800);
    MainForm->show();
}

void PruebaEncuesta::cleanup()
{
    // The frame is closed with no focus left inside it, then the modules and the
    // windows that outlive it go.
    testing::DeletePreviews();
    if (QWidget* foco = QApplication::focusWidget())
        foco->clearFocus();
    if (MainForm)
        MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete MainForm.data();
    ui::ReleaseApplicationObject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_espacio.reset();
}

QList<QVariantList> PruebaEncuesta::Filas()
{
    return Db().Rows(
        QStringLiteral("SELECT posicion, definicion, tipo FROM PregEncTemp ORDER BY rowid"));
}

QString PruebaEncuesta::ImprimirPdf(const QString& nombre, const std::function<void()>& accion,
                                    QVector<report::TQRPage>* paginas)
{
    const QString carpeta = qEnvironmentVariable("DIMARVOLTECA_PDF_DIR");
    const QString pdf = (carpeta.isEmpty() ? Dir() : carpeta) + QLatin1Char('/') + nombre;
    testing::PdfAnswer respuesta(pdf);
    ConVistaPrevia(accion, [paginas](report::TQRStandardPreview* vista) {
        if (paginas)
            *paginas = vista->Pages();
        vista->PrintClick();
    });
    return pdf;
}

QImage LogoDePrueba()
{
    QImage imagen(145, 113, QImage::Format_RGB888);
    imagen.fill(QColor(200, 30, 30));
    return imagen;
}

void SembrarCatalogo(testing::TestDb& db)
{
    db.Exec(QStringLiteral(
        "INSERT INTO Criterio VALUES(1,'Alumnado'),(2,'Familias'),(3,'Sin dimensiones');"
        "INSERT INTO Subcriterio VALUES(10,'Satisfacción',1),(11,'Orientación',1),"
        "(12,'Vacía',1),(20,'Comunicación',2);"
        "INSERT INTO Dimension VALUES(100,'Aulas',1,10,'Estado de las aulas'),"
        "(101,'Biblioteca',1,10,'Uso de la biblioteca'),(102,'Comedor',1,10,'Sin medidas'),"
        "(110,'Tutoría',1,11,'Acción tutorial'),(200,'Web',2,20,'Sitio web');"
        "INSERT INTO Indicador VALUES(1000,'Limpieza',5000,0,100,1),"
        "(1001,'Iluminación',5001,0,100,0),(1002,'Calefacción',5002,0,100,1),"
        "(1010,'Horario',5010,0,101,0),(1011,'Fondos',5011,0,101,1),(1100,'Tutor',5100,0,110,0),"
        "(2000,'Página web',6000,0,200,1);"
        "INSERT INTO Pregunta SELECT cod_pregunta, '¿' || definicion || '?', 1 - clave "
        "FROM Indicador;"
        "INSERT INTO IRendimiento VALUES(1,'Tasa de abandono',0,0,1,'',0),"
        "(2,'Índice de inserción laboral',1,1,0,'¿Trabaja?',1),(3,'Horas de tutoría',0,1,1,'',0);"
        "INSERT INTO Subcriterios_IndicadoresR VALUES(10,1),(10,2),(10,2),(11,3);"
        "INSERT INTO CabeceraEncuesta VALUES(2,'CIPFP Alfa','Avenida 2','960000002',NULL);"));
    db.Exec(QStringLiteral("INSERT INTO CabeceraEncuesta VALUES(1,'IES Zeta','Calle Mayor 1',"
                           "'960000001',?)"),
            {graphics::TBitmap(LogoDePrueba()).SaveToStream()});
}

void Elegir(QComboBox* combo, int index)
{
    QVERIFY(combo->isVisible());
    combo->showPopup();
    QAbstractItemView* lista = combo->view();
    QTRY_VERIFY(lista->isVisible());
    lista->setCurrentIndex(lista->model()->index(index, 0));
    QTest::keyClick(lista, Qt::Key_Return);
    QTRY_VERIFY(!lista->isVisible());
}

void Pulsar(QWidget* control)
{
    QVERIFY(control);
    QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

QStringList Items(const QComboBox* lista)
{
    QStringList items;
    for (int i = 0; i < lista->count(); ++i)
        items << lista->itemText(i);
    return items;
}

int ComandosHabilitados()
{
    int habilitados = 0;
    for (QAction* accion :
         {MainForm->Nuevo1, MainForm->FileOpenItem, MainForm->Cabecera1, MainForm->M_CrearMedida,
          MainForm->M_ModificarMedida, MainForm->M_BorrarMedida, MainForm->Crear3,
          MainForm->M_ModificarIndicador, MainForm->M_BorrarIndicador, MainForm->Obtener1})
        habilitados += accion->isEnabled() ? 1 : 0;
    return habilitados;
}

QWidget* HastaPaso(int paso, int cabecera, int grupo, int dimension)
{
    MainForm->AbrirVentanaTrabajo(&TF_CrearEncuestaP1::Abrir);
    if (paso == 1 || !F_CrearEncuestaP1)
        return F_CrearEncuestaP1;
    Elegir(F_CrearEncuestaP1->CB_Cabecera, cabecera);
    Pulsar(F_CrearEncuestaP1->B_Siguiente);
    Pulsar(F_CrearEncuestaP1->B_Siguiente);
    if (paso == 2 || !F_CrearEncuestaP2)
        return F_CrearEncuestaP2;
    Pulsar(F_CrearEncuestaP2->RG_Criterio->Button(grupo));
    Pulsar(F_CrearEncuestaP2->RG_Subcriterio->Button(dimension));
    Pulsar(F_CrearEncuestaP2->B_Siguiente);
    return F_CrearEncuestaP3;
}

QWidget* Foco()
{
    if (QApplication::activeWindow() != MainForm) {
        MainForm->activateWindow();
        if (!QTest::qWaitForWindowActive(MainForm))
            return nullptr;
    }
    return QApplication::focusWidget();
}

QString Lugares(QWidget* contenido)
{
    QList<QPair<QPoint, QString>> controles;
    for (QWidget* control : contenido->findChildren<QWidget*>()) {
        const QLabel* etiqueta = qobject_cast<QLabel*>(control);
        const QCheckBox* caja = qobject_cast<QCheckBox*>(control);
        if (control->isVisible() && (etiqueta || caja))
            controles.append({control->mapTo(contenido, QPoint(0, 0)), Mostrado(control)});
    }
    std::sort(controles.begin(), controles.end(), [](const auto& a, const auto& b) {
        return std::make_pair(a.first.y(), a.first.x()) < std::make_pair(b.first.y(), b.first.x());
    });
    QStringList textos;
    for (const auto& c : controles)
        textos << QStringLiteral("%1@%2,%3").arg(c.second).arg(c.first.x()).arg(c.first.y());
    return textos.join(QLatin1Char(' '));
}

QStringList MalMedidos(QWidget* contenido)
{
    QStringList mal;
    for (QWidget* control : contenido->findChildren<QWidget*>()) {
        if (!control->isVisible() ||
            !(qobject_cast<QLabel*>(control) || qobject_cast<QCheckBox*>(control)))
            continue;
        const QString texto = Mostrado(control);
        if (texto.contains(QLatin1Char('\r')) || texto.contains(QLatin1Char('\n')) ||
            control->width() != QFontMetrics(control->font()).horizontalAdvance(texto) + 20)
            mal << QStringLiteral("%1:%2").arg(texto).arg(control->width());
    }
    return mal;
}

bool HayHerramienta(const QString& programa)
{
    return testing::HasTool(programa);
}

QSet<int> Marcadas()
{
    QSet<int> codigos;
    for (const std::vector<TIndicadorCheck>& medidas : VIndicadores)
        for (const TIndicadorCheck& medida : medidas)
            if (medida.CheckBox && medida.CheckBox->isChecked())
                codigos.insert(medida.Codigo);
    return codigos;
}

QCheckBox* Caja(int codigo)
{
    for (const std::vector<TIndicadorCheck>& medidas : VIndicadores)
        for (const TIndicadorCheck& medida : medidas)
            if (medida.Codigo == codigo && medida.CheckBox)
                return medida.CheckBox;
    return nullptr;
}

report::TQRStandardPreview* VistaPrevia()
{
    return qobject_cast<report::TQRStandardPreview*>(report::FindPreviewWindow());
}

bool ConVistaPrevia(const std::function<void()>& accion,
                    const std::function<void(report::TQRStandardPreview*)>& mientras)
{
    // Windows opened on the way (the progress window) let events through before the
    // preview shows: look until it does.
    bool vista = false;
    QTimer reloj;
    reloj.setInterval(10);
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        report::TQRStandardPreview* ventana = VistaPrevia();
        if (!ventana || !ventana->isVisible())
            return;
        reloj.stop();
        vista = true;
        if (mientras)
            mientras(ventana);
        if (QWidget* sigue = report::FindPreviewWindow())
            sigue->close();
    });
    reloj.start();
    accion();
    reloj.stop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return vista;
}

bool CerrarConTecla(report::TQRStandardPreview* vista, const QString& tecla)
{
    QApplication::setActiveWindow(vista);
    if (!QTest::qWaitForWindowActive(vista))
        return false;
    const QPointer<report::TQRStandardPreview> sigue = vista;
    QTest::keySequence(vista, QKeySequence(tecla));
    return !sigue || sigue->IsClosed();
}

bool Finalizar(QWidget* boton, const std::function<void(report::TQRStandardPreview*)>& mientras)
{
    return ConVistaPrevia([boton] { Pulsar(boton); }, mientras);
}

QVector<report::TQRPage> PaginasDe(const std::function<void()>& accion,
                                   const std::function<void(report::TQRStandardPreview*)>& mientras)
{
    QVector<report::TQRPage> paginas;
    ConVistaPrevia(accion, [&](report::TQRStandardPreview* vista) {
        paginas = vista->Pages();
        if (mientras)
            mientras(vista);
    });
    return paginas;
}

} // namespace encuesta
