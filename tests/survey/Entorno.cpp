#include "Entorno.h"

#include "data/BdatosADO.h"
#include "data/General.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Application.h"
#include "platform/ui/RadioGroup.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP1.h"
#include "survey/CrearEncuestaP2.h"
#include "survey/CrearEncuestaP3.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QRadioButton>

namespace encuesta {

Entorno::Entorno()
{
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    MainForm = new TMainForm;
    MainForm->resize(1100, 800);
    MainForm->show();
}

Entorno::~Entorno()
{
    // The frame is closed with no focus left inside it, then the modules and the
    // windows that outlive it go.
    if (QWidget* foco = QApplication::focusWidget())
        foco->clearFocus();
    if (MainForm)
        MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete MainForm.data();
    ui::ReleaseApplicationObject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray LogoDePrueba()
{
    QImage imagen(145, 113, QImage::Format_RGB888);
    imagen.fill(QColor(200, 30, 30));
    return graphics::TBitmap(imagen).SaveToStream();
}

void SembrarCatalogo(testing::TestDb& db)
{
    db.Exec(QStringLiteral(
        "INSERT INTO Criterio VALUES(1,'Alumnado'),(2,'Familias'),(3,'Sin dimensiones');"
        "INSERT INTO Subcriterio VALUES(10,'Satisfacción',1),(11,'Orientación',1),"
        "(12,'Vacía',1),(20,'Comunicación',2);"
        "INSERT INTO Dimension VALUES(100,'Aulas',1,10,'Estado de las aulas'),"
        "(101,'Biblioteca',1,10,'Uso de la biblioteca'),(102,'Comedor',1,10,'Sin medidas'),"
        "(110,'Tutoría',1,11,'Acción tutorial'),(200,'Web',2,20,'Sitio web');"));
    const struct
    {
        int codigo;
        const char* definicion;
        int dim;
        int clave;
    } medidas[] = {{1000, "Limpieza", 100, 1},    {1001, "Iluminación", 100, 0},
                   {1002, "Calefacción", 100, 1}, {1010, "Horario", 101, 0},
                   {1011, "Fondos", 101, 1},      {1100, "Tutor", 110, 0},
                   {2000, "Página web", 200, 1}};
    for (const auto& m : medidas) {
        const QString texto = QString::fromUtf8(m.definicion);
        db.Exec(QStringLiteral("INSERT INTO Pregunta VALUES(?,?,?)"),
                {m.codigo + 4000, QStringLiteral("¿%1?").arg(texto), m.clave == 1 ? 0 : 1});
        db.Exec(QStringLiteral("INSERT INTO Indicador VALUES(?,?,?,0,?,?)"),
                {m.codigo, texto, m.codigo + 4000, m.dim, m.clave});
    }
    db.Exec(QStringLiteral("INSERT INTO CabeceraEncuesta VALUES(1,'IES Zeta','Calle Mayor 1',"
                           "'960000001',?)"),
            {LogoDePrueba()});
    db.Exec(QStringLiteral("INSERT INTO CabeceraEncuesta VALUES(2,'CIPFP Alfa','Avenida 2',"
                           "'960000002',NULL)"));
}

void Nueva()
{
    MainForm->AbrirVentanaTrabajo(&TF_CrearEncuestaP1::Abrir);
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

void HastaPaso3(int cabecera, int grupo, int dimension)
{
    Nueva();
    QVERIFY(F_CrearEncuestaP1);
    Elegir(F_CrearEncuestaP1->CB_Cabecera, cabecera);
    Pulsar(F_CrearEncuestaP1->B_Siguiente);
    Pulsar(F_CrearEncuestaP1->B_Siguiente);
    QVERIFY(F_CrearEncuestaP2);
    Pulsar(F_CrearEncuestaP2->RG_Criterio->Button(grupo));
    Pulsar(F_CrearEncuestaP2->RG_Subcriterio->Button(dimension));
    Pulsar(F_CrearEncuestaP2->B_Siguiente);
    QVERIFY(F_CrearEncuestaP3);
    QTRY_VERIFY(F_CrearEncuestaP3->isVisible());
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

} // namespace encuesta
