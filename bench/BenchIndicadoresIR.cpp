// Modification step 2 of a performance indicator on a large catalogue: 50 interest
// groups of 30 dimensions each and an indicator linked to 200 of them. Prints the time
// of opening step 2 (from step 1's SIGUIENTE to the window on screen) and of saving a
// change of 10 links, each against the floor of the same reads and writes done
// directly on the connection in one transaction, the check boxes made (every one
// while step 2 loads, none afterwards) and the run's peak memory.
//
//   bench/run bench_indicadores_ir      (on a real X display, under Xvfb)

#include "Medidas.h"
#include "Programa.h"
#include "TestSupport.h"
#include "catalogue/ModificarIRP1.h"
#include "catalogue/ModificarIRP2.h"
#include "data/BdatosADO.h"
#include "platform/ui/Application.h"
#include "shell/MAIN.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

namespace {

using bench::Mediana;
using bench::Milisegundos;

const int kGrupos = 50;
const int kDimensiones = 30;
const int kVinculos = 200;
const int kRondas = 7;

void CrearCatalogo(testing::TestDb& db)
{
    db.Exec(QStringLiteral("BEGIN"));
    for (int g = 1; g <= kGrupos; ++g) {
        db.Exec(QStringLiteral("INSERT INTO Criterio VALUES(?,?)"),
                {g, QStringLiteral("Grupo de interés %1").arg(g, 2, 10, QLatin1Char('0'))});
        for (int d = 1; d <= kDimensiones; ++d)
            db.Exec(
                QStringLiteral("INSERT INTO Subcriterio VALUES(?,?,?)"),
                {g * 100 + d,
                 QStringLiteral("Dimensión %1 del grupo %2: organización y recursos").arg(d).arg(g),
                 g});
    }
    db.Exec(QStringLiteral("INSERT INTO IRendimiento VALUES(1,'Porcentaje de alumnado que "
                           "supera todos los módulos',0,1,1,'',NULL)"));
    // Every seventh dimension, spread over the groups.
    for (int i = 0; i < kVinculos; ++i) {
        const int n = i * 7;
        db.Exec(QStringLiteral("INSERT INTO Subcriterios_IndicadoresR VALUES(?,1)"),
                {(1 + n / kDimensiones) * 100 + 1 + n % kDimensiones});
    }
    db.Exec(QStringLiteral("COMMIT"));
}

// The least that opening step 2 costs: its reads, prepared once, in one transaction.
double SueloApertura()
{
    QSqlDatabase db = DM_BdatosADO->Database1->Database();
    QElapsedTimer reloj;
    reloj.start();
    db.transaction();
    QSqlQuery q(db);
    q.exec(
        QStringLiteral("SELECT definicion, tipo, clave, estado FROM IRendimiento WHERE codigo=1"));
    while (q.next())
        q.value(0).toString();
    std::vector<int> grupos;
    q.exec(QStringLiteral("SELECT codigo, definicion FROM Criterio ORDER BY definicion"));
    while (q.next()) {
        grupos.push_back(q.value(0).toInt());
        q.value(1).toString();
    }
    q.exec(QStringLiteral("SELECT codigo_subcri FROM Subcriterios_IndicadoresR WHERE codigo_ir=1"));
    while (q.next())
        q.value(0).toInt();
    QSqlQuery dims(db);
    dims.prepare(QStringLiteral("SELECT codigo, definicion FROM Subcriterio WHERE cod_criterio=?"));
    for (int g : grupos) {
        dims.addBindValue(g);
        dims.exec();
        while (dims.next()) {
            dims.value(0).toInt();
            dims.value(1).toString();
        }
    }
    db.commit();
    return Milisegundos(reloj.nsecsElapsed());
}

// The least that saving costs: the existence read, the indicator's UPDATE and ten
// link writes, prepared once, in one transaction; the writes are then undone.
double SueloGuardado()
{
    QSqlDatabase db = DM_BdatosADO->Database1->Database();
    QElapsedTimer reloj;
    reloj.start();
    db.transaction();
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT codigo FROM IRendimiento WHERE codigo=1"));
    q.next();
    q.exec(QStringLiteral("UPDATE IRendimiento SET definicion='x', tipo=0, clave=1, estado=1, "
                          "pregunta='' WHERE codigo=1"));
    QSqlQuery alta(db);
    alta.prepare(QStringLiteral(
        "INSERT INTO Subcriterios_IndicadoresR(codigo_subcri,codigo_ir) VALUES(?,1)"));
    QSqlQuery baja(db);
    baja.prepare(QStringLiteral(
        "DELETE FROM Subcriterios_IndicadoresR WHERE codigo_ir=1 AND codigo_subcri=?"));
    for (int i = 0; i < 5; ++i) {
        alta.addBindValue(9000 + i);
        alta.exec();
        baja.addBindValue(8000 + i);
        baja.exec();
    }
    db.commit();
    const double t = Milisegundos(reloj.nsecsElapsed());
    q.exec(QStringLiteral("DELETE FROM Subcriterios_IndicadoresR WHERE codigo_subcri>=9000"));
    return t;
}

// Step 1's SIGUIENTE: `carga` is its handler (step 2 loaded and shown), `pintada` the
// same up to step 2 painted on screen and step 1 gone.
TF_ModificarIRP2* AbrirPaso2(double& carga, double& pintada)
{
    MainForm->M_ModificarIndicador->trigger();
    TF_ModificarIR* paso1 = F_ModificarIR;
    paso1->CB_ModificarIR->setCurrentIndex(0);
    emit paso1->CB_ModificarIR->activated(0);
    QCoreApplication::processEvents();
    QElapsedTimer reloj;
    reloj.start();
    paso1->B_Siguiente->click();
    carga = Milisegundos(reloj.nsecsElapsed());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    F_ModificarIRP2->repaint();
    QCoreApplication::processEvents();
    pintada = Milisegundos(reloj.nsecsElapsed());
    return F_ModificarIRP2;
}

int Cajas(TF_ModificarIRP2* paso2)
{
    return int(paso2->SB_DimensionesContenido->findChildren<QCheckBox*>().size());
}

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);

    testing::Workspace espacio;
    CrearCatalogo(espacio.Db());
    testing::MessageRecorder mensajes;
    if (!bench::AbrirPrograma(false))
        return 1;
    QCoreApplication::processEvents();

    std::vector<double> apertura, pintado, sueloApertura, guardado, sueloGuardado;
    int creadasAlAbrir = 0;
    int creadasDespues = 0;
    for (int ronda = 0; ronda < kRondas; ++ronda) {
        double carga = 0, pintada = 0;
        TF_ModificarIRP2* paso2 = AbrirPaso2(carga, pintada);
        apertura.push_back(carga);
        pintado.push_back(pintada);
        sueloApertura.push_back(SueloApertura());
        creadasAlAbrir = Cajas(paso2);
        // Every group shown twice: no box is made again.
        for (int vuelta = 0; vuelta < 2; ++vuelta) {
            for (int g = 0; g < paso2->CB_GI->count(); ++g) {
                paso2->CB_GI->setCurrentIndex(g);
                emit paso2->CB_GI->activated(g);
            }
            QCoreApplication::processEvents();
        }
        creadasDespues = Cajas(paso2) - creadasAlAbrir;

        // Five links taken away and five added, the groups of the boxes shown in turn.
        int quitados = 0, puestos = 0;
        for (size_t g = 0; g < paso2->MatrizChecks.size() && (quitados < 5 || puestos < 5); ++g) {
            for (TCeldaSubcriterioIR& celda : paso2->MatrizChecks[g]) {
                if (celda.Asociado && quitados < 5) {
                    celda.CheckBox->setChecked(false);
                    ++quitados;
                } else if (!celda.Asociado && puestos < 5) {
                    celda.CheckBox->setChecked(true);
                    ++puestos;
                }
            }
        }
        QElapsedTimer reloj;
        reloj.start();
        paso2->B_Modificar->click();
        guardado.push_back(Milisegundos(reloj.nsecsElapsed()));
        sueloGuardado.push_back(SueloGuardado());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    const double tApertura = Mediana(apertura), tSueloApertura = Mediana(sueloApertura);
    const double tGuardado = Mediana(guardado), tSueloGuardado = Mediana(sueloGuardado);
    std::printf("Catálogo: %d grupos de %d dimensiones; indicador con %d vínculos; %d rondas\n",
                kGrupos, kDimensiones, kVinculos, kRondas);
    std::printf("Abrir el paso 2 (SIGUIENTE: carga y muestra): mediana %.1f ms; suelo (las "
                "mismas lecturas en una transacción): %.1f ms; razón %.2f (objetivo: <= 3)\n",
                tApertura, tSueloApertura, tApertura / tSueloApertura);
    std::printf("  hasta pintado en pantalla: mediana %.1f ms; razón %.2f\n", Mediana(pintado),
                Mediana(pintado) / tSueloApertura);
    std::printf("Guardar un cambio de 10 vínculos: mediana %.2f ms; suelo (las mismas "
                "escrituras en una transacción): %.2f ms; razón %.2f (objetivo: <= 3)\n",
                tGuardado, tSueloGuardado, tGuardado / tSueloGuardado);
    std::printf("Casillas creadas al abrir: %d de %d dimensiones; después, al mostrar dos veces "
                "cada grupo: %d (objetivo: todas al abrir, ninguna después)\n",
                creadasAlAbrir, kGrupos * kDimensiones, creadasDespues);
    std::printf("Mensajes: %lld\n", (long long)mensajes.messages.size());
    std::printf("Memoria pico: %.1f MB\n", bench::MemoriaPicoMB());

    MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::ReleaseApplicationObject();
    return 0;
}
