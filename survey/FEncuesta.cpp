#include "FEncuesta.h"

#include "ui_FEncuesta.h"

#include "data/BdatosADO.h"
#include "data/Encuestas.h"
#include "platform/ado/DatabaseError.h"
#include "platform/report/QuickRep.h"
#include "platform/report/ado/AdoDataSource.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Ownership.h"

#include <QLocale>

QPointer<TF_Encuesta> F_Encuesta;

namespace {

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

TDM_BdatosADO& BaseDatos()
{
    if (!DM_BdatosADO)
        throw ado::EDatabaseError(QStringLiteral("No hay conexión con la base de datos."));
    return *DM_BdatosADO;
}

} // namespace

TF_Encuesta::TF_Encuesta(QObject* owner) : QWidget(nullptr), ui(new Ui::TF_Encuesta)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui::Own(owner, this);
    report::InstallStandardPreview();
    CrearInforme();
    QR_Encuesta->BeforePrint = [this](report::TQuickRep&) { QR_EncuestaBeforePrint(); };
    QR_Encuesta->AfterPreview = [this](report::TQuickRep&) { QR_EncuestaAfterPreview(); };
    FormCreate();
}

TF_Encuesta::~TF_Encuesta()
{
    // Freed with its owner while its preview is still open: the preview goes with
    // the report, and the questions must not stay behind for the next questionnaire.
    if (m_informe && m_informe->PreviewOpen() && DM_BdatosADO) {
        try {
            DM_BdatosADO->InicializarQuery(QStringLiteral("DELETE * FROM PregEncTemp"));
            DM_BdatosADO->ActivarQInsertUpdate();
            DM_BdatosADO->Table->Close();
        } catch (const std::exception&) {
        }
    }
}

void TF_Encuesta::FormCreate()
{
    if (DM_Encuesta)
        InicializarEtiquetas();
    TDM_BdatosADO& db = BaseDatos();
    db.Table->TableName = QStringLiteral("PregEncTemp");
    db.Table->Open();
    m_filas = std::make_shared<report::TADODataSource>(*db.Table);
    QR_Encuesta->DataSet = m_filas;
    QRDBDefinicion->DataSet = m_filas;
    QRDBDefinicion->DataField = QStringLiteral("definicion");
    QRDBNum->DataSet = m_filas;
    QRDBNum->DataField = QStringLiteral("posicion");
    QR_Encuesta->Prepare();
    TotalPaginas = QR_Encuesta->QRPrinter()->PageCount();
}

void TF_Encuesta::InicializarEtiquetas()
{
    const TCabecera& cabecera = DM_Encuesta->Cabecera;
    QRLCentro->Caption = cabecera.Centro;
    QRLDireccion->Caption = cabecera.Direccion;
    QRLTelefono->Caption = cabecera.Telefono;
    QRLFecha->Caption = cabecera.Fecha.isNull()
                            ? QString()
                            : QLocale().toString(cabecera.Fecha, QLocale::ShortFormat);
    QRLNombre->Caption.clear();
    QRLEstudios->Caption.clear();
    QRLDimension->Caption.clear();
    if (cabecera.Logo && cabecera.Logo->HasImage())
        QRI_Logo->Picture = cabecera.Logo->ToImage();
}

void TF_Encuesta::InsertarSubcriterio(int codigo)
{
    TDM_BdatosADO& db = BaseDatos();
    db.InicializarQuery(QStringLiteral("SELECT definicion FROM Subcriterio WHERE codigo=:codigo"));
    db.InsertarParametroEntero(QStringLiteral("codigo"), codigo);
    db.ActivarQSelect();
    db.Qquery->First();
    QRLDimension->Caption = db.Qquery->Eof()
                                ? QString()
                                : db.Qquery->FieldByName(QStringLiteral("definicion")).AsString();

    for (const TEtiquetaEncuestado& etiqueta : kEtiquetas) {
        if (etiqueta.Codigo != codigo)
            continue;
        QRLabel6->Caption = QString::fromUtf8(etiqueta.Texto);
        if (QRLabel6->Caption.isEmpty())
            QRShape3->Enabled = false;
    }
    QRLabel6->Left = report::PxToMm(kBordeEtiqueta) - QRLabel6->Width();
}

void TF_Encuesta::HideCaptionBar()
{
    report::HidePreviewCaptionBar();
}

void TF_Encuesta::QR_EncuestaBeforePrint()
{
    HideCaptionBar();
}

void TF_Encuesta::QR_EncuestaAfterPreview()
{
    TDM_BdatosADO& db = BaseDatos();
    db.InicializarQuery(QStringLiteral("DELETE * FROM PregEncTemp"));
    db.ActivarQInsertUpdate();
    db.Table->Close();
    close();
}

void TF_Encuesta::PageFooterBand1BeforePrint()
{
    QRLabel13->Caption =
        QStringLiteral("Página %1 de %2").arg(QR_Encuesta->PageNumber()).arg(TotalPaginas);
}

void TF_Encuesta::QRDBDefinicionPrint()
{
    const int tipo = BaseDatos().Table->Fields(2).AsInteger();
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
