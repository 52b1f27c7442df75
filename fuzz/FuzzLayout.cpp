// The questionnaire's pages laid out from arbitrary catalogue text: the header's
// three texts, the dimension's name and the questions come from the input (pieces
// cut at byte 0x1E; a question's first byte picks its answer scale), as the
// database would hand them over, and every page is painted.

#include "FuzzSupport.h"
#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "platform/report/Page.h"
#include "platform/report/QRPrinter.h"
#include "platform/report/QuickRep.h"
#include "platform/ui/Application.h"
#include "survey/FEncuesta.h"

#include <QImage>
#include <QPainter>
#include <memory>

namespace {

const int kMaxPreguntas = 40;

QString Texto(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzing::PrepareProgram(argc, argv);
    DM_Encuesta = new TDM_Encuesta(ui::ApplicationObject());
    DM_Encuesta->InicializarCabecera();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> piezas =
        fuzzing::Pieces(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), '\x1e',
                        4 + kMaxPreguntas);
    auto pieza = [&](int i) { return i < piezas.size() ? piezas.at(i) : QByteArray(); };
    TCabecera& cabecera = DM_Encuesta->Cabecera;
    cabecera.Centro = Texto(pieza(0));
    cabecera.Direccion = Texto(pieza(1));
    cabecera.Telefono = Texto(pieza(2));
    const QByteArray dimension = pieza(3);
    // The dimension's code picks the respondent label; its name is the rest.
    const int codigo = dimension.isEmpty() ? 1 : 1 + uchar(dimension.at(0)) % 12;

    DM_BdatosADO->InicializarQuery(QStringLiteral("DELETE FROM Subcriterio"));
    DM_BdatosADO->ActivarQInsertUpdate();
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("INSERT INTO Subcriterio(codigo,definicion) VALUES(:codigo,:definicion)"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), codigo);
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("definicion"), Texto(dimension.mid(1)));
    DM_BdatosADO->ActivarQInsertUpdate();

    DM_BdatosADO->InicializarQuery(QStringLiteral("DELETE FROM PregEncTemp"));
    DM_BdatosADO->ActivarQInsertUpdate();
    for (int i = 4; i < piezas.size(); ++i) {
        const QByteArray& pregunta = piezas.at(i);
        DM_BdatosADO->InicializarQuery(
            QStringLiteral("INSERT INTO PregEncTemp(posicion,definicion,tipo) "
                           "VALUES(:posicion,:definicion,:tipo)"));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("posicion"), i - 3);
        DM_BdatosADO->InsertarParametroCadena(QStringLiteral("definicion"), Texto(pregunta.mid(1)));
        DM_BdatosADO->InsertarParametroEntero(QStringLiteral("tipo"),
                                              pregunta.isEmpty() ? 0 : uchar(pregunta.at(0)) % 2);
        DM_BdatosADO->ActivarQInsertUpdate();
    }

    // As "FINALIZAR" does: the counting pass, the dimension, then the preview's pass.
    std::unique_ptr<TF_Encuesta> encuesta(new TF_Encuesta(nullptr));
    encuesta->InsertarSubcriterio(codigo);
    report::TQuickRep* informe = encuesta->QR_Encuesta;
    informe->Prepare();
    QImage hoja(105, 148, QImage::Format_RGB32);
    for (const report::TQRPage& pagina : informe->QRPrinter()->Pages()) {
        hoja.fill(Qt::white);
        QPainter pintor(&hoja);
        report::PaintPage(pintor, pagina, QRectF(0, 0, hoja.width(), hoja.height()));
    }
    DM_BdatosADO->Table->Close();
    return 0;
}
