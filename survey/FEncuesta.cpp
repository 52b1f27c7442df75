#include "FEncuesta.h"

#include "ui_FEncuesta.h"

#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "platform/graphics/JpegImage.h"
#include "platform/report/Builders.h"
#include "platform/report/QuickRep.h"
#include "platform/ui/Application.h"

using report::TQRBand;
using report::TQRFont;
using report::TQRLabel;
using report::TQRShape;
using report::TShapeType;

QPointer<TF_Encuesta> F_Encuesta;

// The fixed picture is kept in the program's resources, as a JPEG, and decoded once
// for every questionnaire.
static QImage ImagenCabecera()
{
    static const QImage imagen = [] {
        Q_INIT_RESOURCE(encuesta);
        return graphics::ReadJpegOrEmpty(QStringLiteral(":/encuesta/encuesta_cabecera.jpg"));
    }();
    return imagen;
}

namespace {

using report::AddLabel;
using report::AddShape;

const QColor kGris(128, 128, 128);

TQRFont Arial(double points)
{
    return report::MakeFont(QStringLiteral("Arial"), points);
}

TQRFont BookAntiqua(double points, bool bold = false)
{
    return report::MakeFont(QStringLiteral("Book Antiqua"), points, bold);
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

// The label above the second answer line, by dimension; an empty one switches
// that line off. Dimensions without their own keep the label as designed.
struct TEtiquetaEncuestado
{
    int Codigo;
    const char* Texto;
};

const TEtiquetaEncuestado kEtiquetas[] = {
    {1, "Ciclo formativo/Grupo:"},
    {2, "Departamento:"},
    {3, "Actividad que desarrolla:"},
    {5, "Departamento:"},
    {6, "Estudios/Profesión:"},
    {8, "Función:"},
    {9, "Función:"},
    {10, "Función:"},
    {11, ""},
    {12, "Función:"},
};

// The right edge of the respondent label, in pixels of the design.
constexpr double kBordeEtiqueta = 135;

} // namespace

TF_Encuesta::TF_Encuesta(QObject* owner) : TVentanaInforme(owner), ui(new Ui::TF_Encuesta)
{
    ui->setupUi(this);
    CrearInforme();
    QR_Encuesta->BeforePrint = [this](report::TQuickRep&) { QR_EncuestaBeforePrint(); };
    QR_Encuesta->AfterPreview = [this](report::TQuickRep&) { QR_EncuestaAfterPreview(); };
    FormCreate();
}

TF_Encuesta::~TF_Encuesta() = default;

void TF_Encuesta::FormCreate()
{
    if (DM_Encuesta)
        InicializarEtiquetas();
    EnlazarFilas(QRDBNum, QRDBDefinicion);
}

void TF_Encuesta::InicializarEtiquetas()
{
    const TCabecera& cabecera = DM_Encuesta->Cabecera;
    QRLCentro->Caption = cabecera.Centro;
    QRLDireccion->Caption = cabecera.Direccion;
    QRLTelefono->Caption = cabecera.Telefono;
    QRLFecha->Caption = cabecera.Fecha.isNull() ? QString() : ui::ShortDateText(cabecera.Fecha);
    QRLNombre->Caption.clear();
    QRLEstudios->Caption.clear();
    QRLDimension->Caption.clear();
    if (cabecera.Logo && cabecera.Logo->HasImage())
        QRI_Logo->Picture = cabecera.Logo->ToImage();
}

void TF_Encuesta::InsertarSubcriterio(int codigo)
{
    QRLDimension->Caption = NombreDimension(codigo);

    for (const TEtiquetaEncuestado& etiqueta : kEtiquetas) {
        if (etiqueta.Codigo != codigo)
            continue;
        QRLabel6->Caption = QString::fromUtf8(etiqueta.Texto);
        if (QRLabel6->Caption.isEmpty())
            QRShape3->Enabled = false;
    }
    QRLabel6->Left = report::PxToMm(kBordeEtiqueta) - QRLabel6->Width();
}

void TF_Encuesta::QR_EncuestaBeforePrint()
{
    HideCaptionBar();
}

void TF_Encuesta::QR_EncuestaAfterPreview()
{
    VistaPreviaCerrada();
}

void TF_Encuesta::PageFooterBand1BeforePrint()
{
    QRLabel13->Caption = TextoPagina();
}

void TF_Encuesta::QRDBDefinicionPrint()
{
    const int tipo = DM_BdatosADO->Table->Fields(2).AsInteger();
    report::TQRLabel* casillas[] = {QRL1, QRL2, QRL3, QRL4, QRL5, QRL6};
    if (tipo == 0) {
        const char* textos[] = {"1", "2", "3", "4", "5", "NC"};
        for (int i = 0; i < 6; ++i) {
            casillas[i]->Caption = QString::fromLatin1(textos[i]);
            casillas[i]->SetWidth(report::PxToMm(20));
            casillas[i]->Frame.SetAll(true);
            casillas[i]->Transparent = false;
        }
    } else {
        const char* textos[] = {"SI", "NO", "NC"};
        for (int i = 0; i < 3; ++i) {
            casillas[i]->Caption = QString::fromLatin1(textos[i]);
            casillas[i]->SetWidth(report::PxToMm(20));
        }
        for (int i = 3; i < 6; ++i) {
            casillas[i]->Caption.clear();
            casillas[i]->Frame.SetAll(false);
            casillas[i]->Transparent = true;
        }
    }
}

// The page as designed: A4 upright, 10 mm margins, three bands. Places are
// millimetres from each band's top-left corner.

void TF_Encuesta::CrearInforme()
{
    QR_Encuesta = NuevoInforme(QStringLiteral("QR_Encuesta"), BookAntiqua(10));
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

    QRShape1 = AddShape(band, QStringLiteral("QRShape1"), TShapeType::Rectangle, 28.57, 1.85,
                        135.73, 16.67);

    const TQRFont datos = Arial(8);
    AddLabel(band, QStringLiteral("QRLabel1"), QStringLiteral("Centro:"), 29.10, 2.65, datos,
             kGris);
    QRLCentro = AddLabel(band, QStringLiteral("QRLCentro"), QString(), 42.33, 2.65, datos, kGris);
    AddLabel(band, QStringLiteral("QRLabel2"), QStringLiteral("Dirección:"), 29.10, 7.94, datos,
             kGris);
    QRLDireccion =
        AddLabel(band, QStringLiteral("QRLDireccion"), QString(), 42.33, 7.94, datos, kGris);
    AddLabel(band, QStringLiteral("QRLabel3"), QStringLiteral("Teléfono:"), 29.10, 13.23, datos,
             kGris);
    QRLTelefono =
        AddLabel(band, QStringLiteral("QRLTelefono"), QString(), 42.33, 13.23, datos, kGris);
    AddLabel(band, QStringLiteral("QRLabel4"), QStringLiteral("Fecha:"), 138.64, 13.23, datos,
             kGris);
    QRLFecha = AddLabel(band, QStringLiteral("QRLFecha"), QString(), 148.70, 13.23, datos, kGris);

    QRI_Logo = band->Add<report::TQRImage>(QStringLiteral("QRI_Logo"));
    QRI_Logo->Left = 165.10;
    QRI_Logo->Top = 1.85;
    QRI_Logo->SetWidth(33.34);
    QRI_Logo->Height = 17.20;
    QRI_Logo->Stretch = true;

    const TQRFont encuestado = Arial(10);
    AddLabel(band, QStringLiteral("QRLabel5"), QStringLiteral("Nombre:"), 22.23, 24.61, encuestado,
             Qt::black);
    QRLNombre =
        AddLabel(band, QStringLiteral("QRLNombre"), QString(), 37.31, 24.34, encuestado, Qt::black);
    QRShape2 =
        AddShape(band, QStringLiteral("QRShape2"), TShapeType::HorLine, 36.78, 28.05, 144.20, 2.91);
    QRLabel6 = AddLabel(band, QStringLiteral("QRLabel6"), QStringLiteral("Estudios/Profesión:"),
                        5.56, 32.81, encuestado, Qt::black);
    QRLEstudios = AddLabel(band, QStringLiteral("QRLEstudios"), QString(), 37.31, 32.81, encuestado,
                           Qt::black);
    QRShape3 =
        AddShape(band, QStringLiteral("QRShape3"), TShapeType::HorLine, 36.78, 36.25, 144.20, 2.91);

    TQRShape* leyenda = AddShape(band, QStringLiteral("QRShape4"), TShapeType::Rectangle, 156.63,
                                 39.42, 39.16, 12.96);
    leyenda->PenColor = kGris;
    leyenda->PenStyle = Qt::DotLine;
    const TQRFont escala = BookAntiqua(6, true);
    const QStringList textos{
        QStringLiteral("1- Nada"),          QStringLiteral("2- Poco"),
        QStringLiteral("3- Término medio"), QStringLiteral("4- Bastante"),
        QStringLiteral("5- Totalmente"),    QStringLiteral("NC - No contesta")};
    const double filas[] = {41.01, 44.19, 47.62};
    for (int i = 0; i < textos.size(); ++i)
        AddLabel(band, QStringLiteral("QRLabel%1").arg(7 + i), textos.at(i),
                 i < 3 ? 158.22 : 177.54, filas[i % 3], escala, Qt::black);

    AddLabel(band, QStringLiteral("QRLabel14"), QStringLiteral("Dimensión:"), 18.52, 48.95,
             Arial(9), kGris);
    QRLDimension =
        AddLabel(band, QStringLiteral("QRLDimension"), QString(), 36.51, 48.95, Arial(9), kGris);
    AddShape(band, QStringLiteral("QRShape5"), TShapeType::TopAndBottom, -21.96, 53.45, 224.90,
             1.06);
}

void TF_Encuesta::CrearDetalle()
{
    TQRBand* band = DetailBand1 =
        QR_Encuesta->AddBand(report::TBandType::Detail, QStringLiteral("DetailBand1"), 10.58);

    QRDBNum = CrearNumero(band, 0.53, 5.03, 4.76);
    QRDBDefinicion = CrearDefinicion(band, 6.61, 5.03, 150.81);
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
    QRLabel13 = AddLabel(PageFooterBand1, QStringLiteral("QRLabel13"), QString(), 173.04, 7.14,
                         BookAntiqua(8), kGris);
    PageFooterBand1->BeforePrint = [this](TQRBand&) { PageFooterBand1BeforePrint(); };
}
