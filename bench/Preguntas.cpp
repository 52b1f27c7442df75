#include "Preguntas.h"

#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "platform/ui/Application.h"

namespace bench {

void EscribirPreguntas(testing::TestDb& db, int cuantas)
{
    const QString corta =
        QStringLiteral("¿Está satisfecho con la atención recibida en la secretaría del centro?");
    const QString larga =
        QStringLiteral("¿En qué medida considera que la información recibida sobre los "
                       "procedimientos de evaluación, los criterios de calificación, las "
                       "actividades de recuperación y las fechas de los exámenes ha sido clara, "
                       "suficiente y puntual a lo largo de todo el curso académico, tanto en las "
                       "tutorías como en los módulos profesionales?");
    db.Exec(QStringLiteral("DELETE FROM PregEncTemp"));
    db.Exec(QStringLiteral("BEGIN"));
    for (int i = 1; i <= cuantas; ++i)
        db.Exec(QStringLiteral("INSERT INTO PregEncTemp(posicion,definicion,tipo) VALUES(?,?,?)"),
                {i, (i % 7 == 3 ? larga : corta) + QLatin1Char(' ') + QString::number(i),
                 i % 3 == 0 ? 1 : 0});
    db.Exec(QStringLiteral("COMMIT"));
}

void CrearModulosEncuesta()
{
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    DM_Encuesta = new TDM_Encuesta(ui::ApplicationObject());
    DM_Encuesta->InicializarCabecera();
    DM_Encuesta->Cabecera.Centro = QStringLiteral("IES Ribera del Júcar");
    DM_Encuesta->Cabecera.Direccion = QStringLiteral("Avda. de la Albufera, 12 - Sueca");
    DM_Encuesta->Cabecera.Telefono = QStringLiteral("961 234 567");
}

} // namespace bench
