#include "CatalogoGrande.h"

#include "TestSupport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/RadioGroup.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP1.h"
#include "survey/CrearEncuestaP2.h"
#include "survey/CrearEncuestaP3.h"

#include <QComboBox>
#include <QImage>

namespace bench {

void CrearCatalogoGrande(testing::TestDb& db, int subdimensiones, int medidas)
{
    db.Exec(QStringLiteral("BEGIN"));
    db.Exec(QStringLiteral("INSERT INTO Criterio VALUES(1,'Alumnado')"));
    db.Exec(QStringLiteral(
        "INSERT INTO Subcriterio VALUES(1,'Satisfacción del alumnado con la enseñanza',1)"));
    for (int s = 1; s <= subdimensiones; ++s)
        db.Exec(QStringLiteral("INSERT INTO Dimension VALUES(?,?,1,1,?)"),
                {s,
                 QStringLiteral("Subdimensión %1 de la enseñanza y sus recursos")
                     .arg(s, 2, 10, QLatin1Char('0')),
                 QStringLiteral("Descripción de la subdimensión %1").arg(s)});
    for (int m = 1; m <= medidas; ++m) {
        const int s = 1 + (m - 1) % qMax(1, subdimensiones);
        const QString texto =
            QStringLiteral(
                "Grado de satisfacción con el aspecto %1 de la organización de las clases")
                .arg(m, 4, 10, QLatin1Char('0'));
        db.Exec(QStringLiteral("INSERT INTO Pregunta VALUES(?,?,?)"),
                {m, QStringLiteral("¿Cuál es su %1?").arg(texto.toLower()), m % 4 == 0 ? 1 : 0});
        db.Exec(QStringLiteral("INSERT INTO Indicador VALUES(?,?,?,0,?,?)"),
                {m, texto, m, s, m % 3 == 0 ? 1 : 0});
    }
    QImage logo(145, 113, QImage::Format_RGB888);
    logo.fill(QColor(16, 132, 208));
    db.Exec(QStringLiteral("INSERT INTO CabeceraEncuesta VALUES(1,'IES de pruebas',"
                           "'Calle Mayor 1, Valencia','963000000',?)"),
            {graphics::TBitmap(logo).SaveToStream()});
    db.Exec(QStringLiteral("COMMIT"));
}

void AbrirPaso3(int cabecera, int grupo, int dimension, int hasta)
{
    MainForm->AbrirVentanaTrabajo(&TF_CrearEncuestaP1::Abrir);
    TF_CrearEncuestaP1* paso1 = F_CrearEncuestaP1;
    paso1->CB_Cabecera->setCurrentIndex(cabecera);
    emit paso1->CB_Cabecera->activated(cabecera);
    paso1->B_Siguiente->click();
    if (hasta <= 1)
        return;
    paso1->B_Siguiente->click();
    F_CrearEncuestaP2->RG_Criterio->SetItemIndex(grupo);
    F_CrearEncuestaP2->RG_Subcriterio->SetItemIndex(dimension);
    if (hasta <= 2)
        return;
    F_CrearEncuestaP2->B_Siguiente->click();
}

void ElegirVista(int vista)
{
    QComboBox* lista = F_CrearEncuestaP3->CB_Dimension;
    lista->setCurrentIndex(vista);
    emit lista->activated(vista);
}

} // namespace bench
