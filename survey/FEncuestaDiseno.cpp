// The questionnaire's page as designed: A4 upright, 10 mm margins, three bands.
// Places are millimetres from each band's top-left corner.

#include "FEncuesta.h"

#include "platform/graphics/GraphicError.h"
#include "platform/graphics/JpegImage.h"
#include "platform/report/QuickRep.h"

#include <QFile>

using report::TQRBand;
using report::TQRFont;
using report::TQRLabel;
using report::TQRShape;
using report::TShapeType;

// The fixed picture is kept in the program's resources, as a JPEG.
static QImage ImagenCabecera()
{
    Q_INIT_RESOURCE(encuesta);
    QFile file(QStringLiteral(":/encuesta/encuesta_cabecera.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    graphics::TJPEGImage jpeg;
    try {
        jpeg.LoadFromStream(file.readAll());
    } catch (const graphics::EInvalidGraphic&) {
        return QImage();
    }
    return jpeg.ToImage();
}

namespace {

const QColor kGris(128, 128, 128);
const QColor kPlata(192, 192, 192);

TQRFont Fuente(const QString& family, double points, bool bold = false)
{
    TQRFont font;
    font.Family = family;
    font.Points = points;
    font.Bold = bold;
    return font;
}

TQRFont Arial(double points)
{
    return Fuente(QStringLiteral("Arial"), points);
}

TQRFont BookAntiqua(double points, bool bold = false)
{
    return Fuente(QStringLiteral("Book Antiqua"), points, bold);
}

// A label as wide as its text.
TQRLabel* Etiqueta(TQRBand* band, const QString& name, const QString& caption, double left,
                   double top, const TQRFont& font, const QColor& color)
{
    auto* label = band->Add<TQRLabel>(name);
    label->Left = left;
    label->Top = top;
    label->AutoSize = true;
    label->Caption = caption;
    label->Font = font;
    label->FontColor = color;
    return label;
}

TQRShape* Forma(TQRBand* band, const QString& name, TShapeType shape, double left, double top,
                double width, double height)
{
    auto* form = band->Add<TQRShape>(name);
    form->Shape = shape;
    form->Left = left;
    form->Top = top;
    form->SetWidth(width);
    form->Height = height;
    return form;
}

// An answer box: 20 pixels wide, framed on all four sides, white and opaque.
TQRLabel* Casilla(TQRBand* band, const QString& name, const QString& caption, double left)
{
    auto* box = band->Add<TQRLabel>(name);
    box->Left = left;
    box->Top = 5.03;
    box->SetWidth(report::PxToMm(20));
    box->Height = 4.76;
    box->Alignment = Qt::AlignHCenter;
    box->Font = BookAntiqua(8);
    box->Caption = caption;
    box->Frame.SetAll(true);
    return box;
}

} // namespace

void TF_Encuesta::CrearInforme()
{
    QR_Encuesta = new report::TQuickRep(this);
    QR_Encuesta->setObjectName(QStringLiteral("QR_Encuesta"));
    m_informe = QR_Encuesta;
    QR_Encuesta->PaperSize = QSizeF(210, 297);
    QR_Encuesta->Orientation = report::TOrientation::Portrait;
    QR_Encuesta->LeftMargin = QR_Encuesta->TopMargin = 10;
    QR_Encuesta->RightMargin = QR_Encuesta->BottomMargin = 10;
    QR_Encuesta->FirstPageHeader = true;
    QR_Encuesta->LastPageFooter = true;
    QR_Encuesta->PrintIfEmpty = true;
    QR_Encuesta->Font = BookAntiqua(10);
    CrearCabecera();
    CrearDetalle();
    CrearPie();
}

void TF_Encuesta::CrearCabecera()
{
    TQRBand* band = PageHeaderBand1 = QR_Encuesta->AddBand(
        report::TBandType::PageHeader, QStringLiteral("PageHeaderBand1"), 57.68);

    QRImage1 = band->Add<report::TQRImage>(QStringLiteral("QRImage1"));
    QRImage1->Left = -4.50;
    QRImage1->Top = 1.85;
    QRImage1->SetWidth(32.28);
    QRImage1->Height = 17.20;
    QRImage1->Picture = ImagenCabecera();

    QRShape1 =
        Forma(band, QStringLiteral("QRShape1"), TShapeType::Rectangle, 28.57, 1.85, 135.73, 16.67);

    const TQRFont datos = Arial(8);
    Etiqueta(band, QStringLiteral("QRLabel1"), QStringLiteral("Centro:"), 29.10, 2.65, datos,
             kGris);
    QRLCentro = Etiqueta(band, QStringLiteral("QRLCentro"), QString(), 42.33, 2.65, datos, kGris);
    Etiqueta(band, QStringLiteral("QRLabel2"), QStringLiteral("Dirección:"), 29.10, 7.94, datos,
             kGris);
    QRLDireccion =
        Etiqueta(band, QStringLiteral("QRLDireccion"), QString(), 42.33, 7.94, datos, kGris);
    Etiqueta(band, QStringLiteral("QRLabel3"), QStringLiteral("Teléfono:"), 29.10, 13.23, datos,
             kGris);
    QRLTelefono =
        Etiqueta(band, QStringLiteral("QRLTelefono"), QString(), 42.33, 13.23, datos, kGris);
    Etiqueta(band, QStringLiteral("QRLabel4"), QStringLiteral("Fecha:"), 138.64, 13.23, datos,
             kGris);
    QRLFecha = Etiqueta(band, QStringLiteral("QRLFecha"), QString(), 148.70, 13.23, datos, kGris);

    QRI_Logo = band->Add<report::TQRImage>(QStringLiteral("QRI_Logo"));
    QRI_Logo->Left = 165.10;
    QRI_Logo->Top = 1.85;
    QRI_Logo->SetWidth(33.34);
    QRI_Logo->Height = 17.20;
    QRI_Logo->Stretch = true;

    const TQRFont encuestado = Arial(10);
    Etiqueta(band, QStringLiteral("QRLabel5"), QStringLiteral("Nombre:"), 22.23, 24.61, encuestado,
             Qt::black);
    QRLNombre =
        Etiqueta(band, QStringLiteral("QRLNombre"), QString(), 37.31, 24.34, encuestado, Qt::black);
    QRShape2 =
        Forma(band, QStringLiteral("QRShape2"), TShapeType::HorLine, 36.78, 28.05, 144.20, 2.91);
    QRLabel6 = Etiqueta(band, QStringLiteral("QRLabel6"), QStringLiteral("Estudios/Profesión:"),
                        5.56, 32.81, encuestado, Qt::black);
    QRLEstudios = Etiqueta(band, QStringLiteral("QRLEstudios"), QString(), 37.31, 32.81, encuestado,
                           Qt::black);
    QRShape3 =
        Forma(band, QStringLiteral("QRShape3"), TShapeType::HorLine, 36.78, 36.25, 144.20, 2.91);

    TQRShape* leyenda =
        Forma(band, QStringLiteral("QRShape4"), TShapeType::Rectangle, 156.63, 39.42, 39.16, 12.96);
    leyenda->PenColor = kGris;
    leyenda->PenStyle = Qt::DotLine;
    const TQRFont escala = BookAntiqua(6, true);
    const QStringList textos{
        QStringLiteral("1- Nada"),          QStringLiteral("2- Poco"),
        QStringLiteral("3- Término medio"), QStringLiteral("4- Bastante"),
        QStringLiteral("5- Totalmente"),    QStringLiteral("NC - No contesta")};
    const double filas[] = {41.01, 44.19, 47.62};
    for (int i = 0; i < textos.size(); ++i)
        Etiqueta(band, QStringLiteral("QRLabel%1").arg(7 + i), textos.at(i),
                 i < 3 ? 158.22 : 177.54, filas[i % 3], escala, Qt::black);

    Etiqueta(band, QStringLiteral("QRLabel14"), QStringLiteral("Dimensión:"), 18.52, 48.95,
             Arial(9), kGris);
    QRLDimension =
        Etiqueta(band, QStringLiteral("QRLDimension"), QString(), 36.51, 48.95, Arial(9), kGris);
    Forma(band, QStringLiteral("QRShape5"), TShapeType::TopAndBottom, -21.96, 53.45, 224.90, 1.06);
}

void TF_Encuesta::CrearDetalle()
{
    TQRBand* band = DetailBand1 =
        QR_Encuesta->AddBand(report::TBandType::Detail, QStringLiteral("DetailBand1"), 10.58);

    QRDBNum = band->Add<report::TQRDBText>(QStringLiteral("QRDBNum"));
    QRDBNum->Left = 0.53;
    QRDBNum->Top = 5.03;
    QRDBNum->SetWidth(5.03);
    QRDBNum->Height = 4.76;
    QRDBNum->Alignment = Qt::AlignHCenter;
    QRDBNum->Font = BookAntiqua(8);
    QRDBNum->Color = kPlata;
    QRDBNum->WordWrap = true;
    QRDBNum->AutoStretch = true;

    QRDBDefinicion = band->Add<report::TQRDBText>(QStringLiteral("QRDBDefinicion"));
    QRDBDefinicion->Left = 6.61;
    QRDBDefinicion->Top = 5.03;
    QRDBDefinicion->SetWidth(150.81);
    QRDBDefinicion->Height = 4.76;
    QRDBDefinicion->Font = BookAntiqua(9);
    QRDBDefinicion->WordWrap = true;
    QRDBDefinicion->AutoStretch = true;
    QRDBDefinicion->OnPrint = [this](report::TQRDBText&, QString&) { QRDBDefinicionPrint(); };

    QRL1 = Casilla(band, QStringLiteral("QRL1"), QStringLiteral("1"), 158.75);
    QRL2 = Casilla(band, QStringLiteral("QRL2"), QStringLiteral("2"), 164.31);
    QRL3 = Casilla(band, QStringLiteral("QRL3"), QStringLiteral("3"), 169.86);
    QRL4 = Casilla(band, QStringLiteral("QRL4"), QStringLiteral("4"), 175.42);
    QRL5 = Casilla(band, QStringLiteral("QRL5"), QStringLiteral("5"), 180.97);
    QRL6 = Casilla(band, QStringLiteral("QRL6"), QStringLiteral("NC"), 186.53);
}

void TF_Encuesta::CrearPie()
{
    PageFooterBand1 = QR_Encuesta->AddBand(report::TBandType::PageFooter,
                                           QStringLiteral("PageFooterBand1"), 12.70);
    QRLabel13 = Etiqueta(PageFooterBand1, QStringLiteral("QRLabel13"), QString(), 173.04, 7.14,
                         BookAntiqua(8), kGris);
    PageFooterBand1->BeforePrint = [this](TQRBand&) { PageFooterBand1BeforePrint(); };
}
