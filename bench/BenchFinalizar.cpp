// FINALIZAR of questionnaire step 3 with 100, 1,000 and 5,000 ticked measures (one
// dimension of 20 subdimensions and 5,000 measures, the all view shown once): the time
// from the click to the preview's first paint of its page, against the floor of the
// same visible work.
//
// The floor is the least that work can cost: the same reads and inserts in one
// transaction through statements prepared once; one layout pass of the report over
// those rows, every text measured afresh (the report itself made beforehand, untimed);
// and its first page painted once, fitted, in a plain window of a maximised window's
// size, counted from the window's creation to the end of that paint. Target: FINALIZAR
// within 2 times its floor at each size. Figures are medians over several runs, with
// their spread (lowest and highest); last, the run's peak memory.
//
// Run it on a real X display, from anywhere (it works in a temporary folder):
//   xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb bench_finalizar [marcadas...]
// Given sizes (each up to 5,000) replace the three, e.g. one size under callgrind, with
// --toggle-collect='TF_CrearEncuestaP3::B_AceptarClick()' for FINALIZAR (a warm-up run
// and the timed ones) or --toggle-collect='(anonymous namespace)::Suelo(int&)' for the
// floor (which then also counts the untimed making of its report).

#include "CatalogoGrande.h"
#include "Medidas.h"
#include "Programa.h"

#include "TestSupport.h"
#include "data/BdatosADO.h"
#include "platform/report/Controls.h"
#include "platform/report/QuickRep.h"
#include "platform/ui/Application.h"
#include "shell/MAIN.h"
#include "survey/CrearEncuestaP3.h"
#include "survey/FEncuesta.h"
#include "survey/FilasTemporales.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

namespace {

using bench::Milisegundos;

const int kSubdimensiones = 20;
const int kMedidas = 5000;
const int kRondas = 7;
const double kObjetivo = 2.0;

// Ticks the first `cuantas` measures, subdimension after subdimension, and no other.
void Marcar(int cuantas)
{
    int marcadas = 0;
    for (const std::vector<TIndicadorCheck>& medidas : VIndicadores)
        for (const TIndicadorCheck& medida : medidas)
            if (medida.CheckBox)
                medida.CheckBox->setChecked(marcadas++ < cuantas);
}

// The reads and inserts of FINALIZAR, in one transaction through statements prepared
// once; the number of rows written.
int EscribirFilas()
{
    QSqlDatabase db = DM_BdatosADO->Database1->Database();
    db.transaction();
    QSqlQuery medida(db);
    medida.prepare(QStringLiteral("SELECT cod_pregunta FROM indicador WHERE codigo=?"));
    QSqlQuery pregunta(db);
    pregunta.prepare(QStringLiteral("SELECT enunciado, tipo FROM pregunta WHERE codigo=?"));
    QSqlQuery alta(db);
    alta.prepare(QStringLiteral("INSERT INTO PregEncTemp(posicion,definicion,tipo) VALUES(?,?,?)"));
    int filas = 0;
    for (const std::vector<TIndicadorCheck>& medidas : VIndicadores) {
        for (const TIndicadorCheck& m : medidas) {
            if (!m.CheckBox || !m.CheckBox->isChecked())
                continue;
            medida.addBindValue(m.Codigo);
            medida.exec();
            medida.next();
            pregunta.addBindValue(medida.value(0).toInt());
            pregunta.exec();
            pregunta.next();
            alta.addBindValue(++filas);
            alta.addBindValue(pregunta.value(0).toString());
            alta.addBindValue(pregunta.value(1).toInt());
            alta.exec();
            medida.finish();
            pregunta.finish();
        }
    }
    db.commit();
    return filas;
}

// A plain window that paints one page, fitted, and notes when it has.
class TVentanaPagina : public QWidget
{
public:
    explicit TVentanaPagina(const report::TQRPage& pagina) : m_pagina(pagina)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    bool Pintada = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128));
        const QSizeF papel =
            m_pagina.Size.scaled(QSizeF(size()) - QSizeF(24, 24), Qt::KeepAspectRatio);
        report::PaintPage(painter, m_pagina, QRectF(QPointF(12, 12), papel));
        Pintada = true;
    }

private:
    const report::TQRPage& m_pagina;
};

struct TSuelo
{
    double Filas = 0;
    double Maquetacion = 0;
    double Pintura = 0;
    double Total() const { return Filas + Maquetacion + Pintura; }
};

// Kept out of line, so that a profiler can be told to count it alone.
[[gnu::noinline]] TSuelo Suelo(int& filas)
{
    TSuelo suelo;
    QElapsedTimer reloj;
    reloj.start();
    filas = EscribirFilas();
    suelo.Filas = Milisegundos(reloj.nsecsElapsed());

    auto* encuesta = new TF_Encuesta(ui::ApplicationObject());
    encuesta->InsertarSubcriterio(1);
    for (report::TQRDBText* texto : {encuesta->QRDBNum, encuesta->QRDBDefinicion})
        texto->ForgetMeasures();
    // The whole report laid out, as the first pass does.
    encuesta->QR_Encuesta->KeepDetail = false;
    reloj.restart();
    encuesta->QR_Encuesta->Prepare();
    suelo.Maquetacion = Milisegundos(reloj.nsecsElapsed());

    const report::TQRPage pagina = encuesta->QR_Encuesta->QRPrinter()->Pages().first();
    reloj.restart();
    {
        TVentanaPagina ventana(pagina);
        ventana.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        ventana.show();
        while (!ventana.Pintada)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        suelo.Pintura = Milisegundos(reloj.nsecsElapsed());
    }
    delete encuesta;
    VaciarPregEncTemp();
    DM_BdatosADO->Table->Close();
    return suelo;
}

struct TSerie
{
    std::vector<double> Valores;

    void Anyadir(double valor) { Valores.push_back(valor); }
    double Mediana() const { return bench::Mediana(Valores); }
    double Minimo() const { return *std::min_element(Valores.begin(), Valores.end()); }
    double Maximo() const { return *std::max_element(Valores.begin(), Valores.end()); }
};

} // namespace

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    std::vector<int> tamanyos;
    for (const QString& argumento : QCoreApplication::arguments().mid(1))
        tamanyos.push_back(qBound(0, argumento.toInt(), kMedidas));
    if (tamanyos.empty())
        tamanyos = {100, 1000, 5000};

    testing::Workspace espacio;
    bench::CrearCatalogoGrande(espacio.Db(), kSubdimensiones, kMedidas);
    if (!bench::AbrirPrograma(false))
        return 1;
    bench::AbrirPaso3(0, 0, 0);
    TF_CrearEncuestaP3* paso3 = F_CrearEncuestaP3;
    bench::ElegirVista(0);
    bench::Asentar(200);

    std::printf("FINALIZAR del paso 3 hasta la primera pintura de la vista previa "
                "(%d medidas en %d subdimensiones; medianas de %d rondas, [mín - máx])\n",
                kMedidas, kSubdimensiones, kRondas);
    bool cumple = true;
    for (const int tamanyo : tamanyos) {
        Marcar(tamanyo);
        // The first run of each size warms what any later one finds ready.
        bench::HastaLaVistaPrevia([paso3] { paso3->B_Aceptar->click(); });
        bench::Asentar();
        TSerie finalizar, suelo, filas, maquetacion, pintura;
        int escritas = 0;
        for (int ronda = 0; ronda < kRondas; ++ronda) {
            finalizar.Anyadir(bench::HastaLaVistaPrevia([paso3] { paso3->B_Aceptar->click(); }));
            bench::Asentar();
            const TSuelo s = Suelo(escritas);
            suelo.Anyadir(s.Total());
            filas.Anyadir(s.Filas);
            maquetacion.Anyadir(s.Maquetacion);
            pintura.Anyadir(s.Pintura);
            bench::Asentar();
        }
        const double razon = finalizar.Mediana() / suelo.Mediana();
        cumple = cumple && razon <= kObjetivo;
        std::printf("  %4d marcadas: FINALIZAR %6.1f ms [%.1f - %.1f]; suelo %6.1f ms [%.1f - "
                    "%.1f] (filas %.1f + maquetación %.1f + pintura %.1f); razón %.2f "
                    "(objetivo: <= %.0f)\n",
                    escritas, finalizar.Mediana(), finalizar.Minimo(), finalizar.Maximo(),
                    suelo.Mediana(), suelo.Minimo(), suelo.Maximo(), filas.Mediana(),
                    maquetacion.Mediana(), pintura.Mediana(), razon, kObjetivo);
    }
    std::printf("  %s\n", cumple ? "Objetivo cumplido en todos los tamaños."
                                 : "Objetivo NO cumplido en algún tamaño.");
    std::printf("Memoria pico: %.1f MB\n", bench::MemoriaPicoMB());

    if (QWidget* foco = QApplication::focusWidget())
        foco->clearFocus();
    MainForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::ReleaseApplicationObject();
    return 0;
}
