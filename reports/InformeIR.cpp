#include "InformeIR.h"

#include "ui_InformeIR.h"

#include "platform/report/Builders.h"
#include "platform/report/QuickRep.h"
#include "platform/report/TextMetrics.h"

#include <QTextBoundaryFinder>

using report::AddLabel;
using report::AddShape;
using report::TQRBand;
using report::TShapeType;

QPointer<TF_InformeIR> F_InformeIR;

namespace {

const QColor kGris(128, 128, 128);

report::TQRFont Arial(double points, bool bold = false, bool underline = false)
{
    return report::MakeFont(QStringLiteral("Arial"), points, bold, underline);
}

// The page header as designed, for a dimension's name on one line.
constexpr double kAltoCabecera = 24.08;
constexpr double kTopDimension = 19.58;
constexpr double kAltoDimension = 4.23;
constexpr double kTopColumnas = 18.52;
constexpr double kTopRaya = 22.23;
// The name stops short of "Objetivo"; a longer one wraps.
constexpr double kLeftDimension = 54.77;
constexpr double kLeftObjetivo = 152.40;
constexpr double kAnchoDimension = kLeftObjetivo - 1.0 - kLeftDimension;
// The column rules reach below a one-line row; a taller row takes them with it.
constexpr double kAltoRaya = 13.23;
// The header takes at most half the page between its margins: a taller name would
// leave no room for the rows.
constexpr double kAltoMaximoCabecera = (297.0 - 10 - 10) / 2;

// The first `caben` of a name's printed `lineas`, the last one cut to end in "…"
// within the name's space.
QString Recortado(const QVector<report::TTextLine>& lineas, int caben,
                  const report::TQRFont& fuente)
{
    QStringList textos;
    for (int i = 0; i < caben; ++i)
        textos << lineas.at(i).Text;
    const QString puntos = QStringLiteral("…");
    QString ultima = textos.last();
    QTextBoundaryFinder letras(QTextBoundaryFinder::Grapheme, ultima);
    letras.toEnd();
    qsizetype hasta = ultima.size();
    while (hasta > 0 &&
           (ultima.at(hasta - 1).isSpace() ||
            report::TextWidthMm(ultima.left(hasta) + puntos, fuente) > kAnchoDimension))
        hasta = qMax<qsizetype>(0, letras.toPreviousBoundary());
    textos.last() = ultima.left(hasta) + puntos;
    return textos.join(QLatin1Char('\n'));
}

} // namespace

TF_InformeIR::TF_InformeIR(QObject* owner) : TVentanaInforme(owner), ui(new Ui::TF_InformeIR)
{
    ui->setupUi(this);
    CrearInforme();
    QR_InformeIR->BeforePrint = [this](report::TQuickRep&) { QR_InformeIRBeforePrint(); };
    QR_InformeIR->AfterPreview = [this](report::TQuickRep&) { QR_InformeIRAfterPreview(); };
    FormCreate();
}

TF_InformeIR::~TF_InformeIR() = default;

void TF_InformeIR::FormCreate()
{
    EnlazarFilas(QRDBNum, QRDBDefinicion);
}

void TF_InformeIR::InsertarSubCriterio(int codigo)
{
    CodSubcriterio = codigo;
    QRLDimension->Caption = NombreDimension(codigo);
    // A name of more than one line, stored so or too long for its space, makes the
    // header taller, and so maybe the page count larger: the pages are counted again.
    const double antes = QRBand1->Height;
    AjustarCabecera();
    if (QRBand1->Height != antes)
        ContarPaginas();
}

void TF_InformeIR::AjustarCabecera()
{
    // Every line of the name takes its own height: the line breaks it was stored with
    // (CR+LF, LF or CR) and, in a name too wide for its space, the wrapped lines; those
    // that pass the header's largest height are left out.
    QRLDimension->AutoSize = true;
    QRLDimension->WordWrap = false;
    QRLDimension->AutoStretch = true;
    if (QRLDimension->Width() > kAnchoDimension) {
        QRLDimension->AutoSize = false;
        QRLDimension->SetWidth(kAnchoDimension);
        QRLDimension->WordWrap = true;
    }
    const double alto = report::FontMetricsMm(QRLDimension->Font).Height();
    const int caben = qMax(1, int((kAltoMaximoCabecera - kAltoCabecera + kAltoDimension) / alto));
    const QVector<report::TTextLine> lineas = report::BreakLines(
        QRLDimension->Caption, QRLDimension->Font, kAnchoDimension, QRLDimension->WordWrap);
    if (lineas.size() > caben)
        QRLDimension->Caption = Recortado(lineas, caben, QRLDimension->Font);
    const double extra = qMax(0.0, QRLDimension->PrintHeight() - kAltoDimension);
    QRBand1->Height = kAltoCabecera + extra;
    QRLabel2->Top = QRLabel3->Top = kTopColumnas + extra;
    QRShape3->Top = kTopRaya + extra;
}

void TF_InformeIR::QR_InformeIRBeforePrint()
{
    HideCaptionBar();
}

void TF_InformeIR::QR_InformeIRAfterPreview()
{
    VistaPreviaCerrada();
}

void TF_InformeIR::QRBand3BeforePrint()
{
    QRLabel4->Caption = TextoPagina();
}

void TF_InformeIR::QRDBDefinicionPrint()
{
    // The rules run the row's whole height, however many lines its texts take.
    double alto = QRBand2->Height;
    for (const report::TQRDBText* texto : {QRDBNum, QRDBDefinicion})
        alto = qMax(alto, texto->Top + texto->PrintHeight());
    for (report::TQRShape* raya : {QRShape1, QRShape2, QRShape4})
        raya->Height = qMax(kAltoRaya, alto);
}

// The page as designed: A4 upright, 10 mm margins, three bands. Places are
// millimetres from each band's top-left corner.

void TF_InformeIR::CrearInforme()
{
    QR_InformeIR = NuevoInforme(QStringLiteral("QR_InformeIR"), Arial(10));
    CrearCabecera();
    CrearDetalle();
    CrearPie();
}

void TF_InformeIR::CrearCabecera()
{
    TQRBand* band = QRBand1 = QR_InformeIR->AddBand(report::TBandType::PageHeader,
                                                    QStringLiteral("QRBand1"), kAltoCabecera);
    QRLabel1 = AddLabel(band, QStringLiteral("QRLabel1"),
                        QStringLiteral("MEDIDAS DE PERCEPCIÓN / INDICADORES DE RENDIMIENTO"), 19.05,
                        6.35, Arial(14, true, true));
    QRLabel1->Height = 6.09;
    QRLabel12 = AddLabel(band, QStringLiteral("QRLabel12"), QStringLiteral("Dimensión:"), 36.78,
                         kTopDimension, Arial(9), kGris);
    QRLabel12->Height = kAltoDimension;
    QRLDimension = AddLabel(band, QStringLiteral("QRLDimension"), QString(), kLeftDimension,
                            kTopDimension, Arial(9), kGris);
    QRLDimension->Height = kAltoDimension;
    QRLabel2 = AddLabel(band, QStringLiteral("QRLabel2"), QStringLiteral("Objetivo"), kLeftObjetivo,
                        kTopColumnas, QR_InformeIR->Font);
    QRLabel3 = AddLabel(band, QStringLiteral("QRLabel3"), QStringLiteral("Resultado"), 168.28,
                        kTopColumnas, QR_InformeIR->Font);
    QRLabel2->Height = QRLabel3->Height = 4.50;
    QRShape3 =
        AddShape(band, QStringLiteral("QRShape3"), TShapeType::HorLine, 0, kTopRaya, 184.41, 3.44);
}

void TF_InformeIR::CrearDetalle()
{
    TQRBand* band = QRBand2 =
        QR_InformeIR->AddBand(report::TBandType::Detail, QStringLiteral("QRBand2"), 6.88);
    QRDBNum = CrearNumero(band, 0.53, 1.06, 4.50);
    QRDBDefinicion = CrearDefinicion(band, 7.94, 1.06, 142.61);
    QRDBDefinicion->OnPrint = [this](report::TQRDBText&, QString&) { QRDBDefinicionPrint(); };
    QRShape1 = AddShape(band, QStringLiteral("QRShape1"), TShapeType::VertLine, 149.75, 0, 3.44,
                        kAltoRaya);
    QRShape2 = AddShape(band, QStringLiteral("QRShape2"), TShapeType::VertLine, 165.89, 0, 3.44,
                        kAltoRaya);
    QRShape4 = AddShape(band, QStringLiteral("QRShape4"), TShapeType::VertLine, 182.56, 0, 3.44,
                        kAltoRaya);
}

void TF_InformeIR::CrearPie()
{
    QRBand3 = QR_InformeIR->AddBand(report::TBandType::PageFooter, QStringLiteral("QRBand3"), 8.47);
    QRLabel4 =
        AddLabel(QRBand3, QStringLiteral("QRLabel4"), QString(), 175.95, 4.76, Arial(8), kGris);
    QRLabel4->Height = 4.50;
    QRBand3->BeforePrint = [this](TQRBand&) { QRBand3BeforePrint(); };
}
