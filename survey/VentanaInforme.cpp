#include "VentanaInforme.h"

#include "FilasTemporales.h"
#include "data/BdatosADO.h"
#include "platform/ado/DatabaseError.h"
#include "platform/report/Builders.h"
#include "platform/report/QuickRep.h"
#include "platform/report/ado/AdoDataSource.h"
#include "platform/report/preview/StandardPreview.h"
#include "platform/ui/Ownership.h"

namespace {

TDM_BdatosADO& BaseDatos()
{
    if (!DM_BdatosADO)
        throw ado::EDatabaseError(QStringLiteral("No hay conexión con la base de datos."));
    return *DM_BdatosADO;
}

} // namespace

TVentanaInforme::TVentanaInforme(QObject* owner) : QWidget(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui::Own(owner, this);
    report::InstallStandardPreview();
}

TVentanaInforme::~TVentanaInforme()
{
    // Freed while its preview is still open: the preview goes with the report, and
    // its rows must not stay behind for the next report.
    if (m_informe && m_informe->PreviewOpen() && DM_BdatosADO) {
        try {
            VaciarPregEncTemp();
            DM_BdatosADO->Table->Close();
        } catch (const std::exception&) {
        }
    }
}

report::TQuickRep* TVentanaInforme::Informe() const
{
    return m_informe;
}

report::TQuickRep* TVentanaInforme::NuevoInforme(const QString& nombre,
                                                 const report::TQRFont& fuente)
{
    auto* informe = new report::TQuickRep(this);
    informe->setObjectName(nombre);
    m_informe = informe;
    informe->PaperSize = QSizeF(210, 297);
    informe->Orientation = report::TOrientation::Portrait;
    informe->LeftMargin = informe->TopMargin = 10;
    informe->RightMargin = informe->BottomMargin = 10;
    informe->FirstPageHeader = true;
    informe->LastPageFooter = true;
    informe->PrintIfEmpty = true;
    informe->Font = fuente;
    return informe;
}

report::TQRDBText* TVentanaInforme::CrearNumero(report::TQRBand* band, double left, double top,
                                                double height)
{
    report::TQRDBText* numero =
        report::AddWrappedText(band, QStringLiteral("QRDBNum"), left, top, 5.03, height,
                               report::MakeFont(QStringLiteral("Book Antiqua"), 8));
    numero->Alignment = Qt::AlignHCenter;
    numero->Color = QColor(192, 192, 192);
    // However many digits a number has, it stays on one line in its cell, and its
    // row as high as any other.
    numero->WordWrap = false;
    numero->AutoStretch = false;
    numero->ShrinkToFit = true;
    return numero;
}

report::TQRDBText* TVentanaInforme::CrearDefinicion(report::TQRBand* band, double left, double top,
                                                    double width)
{
    return report::AddWrappedText(band, QStringLiteral("QRDBDefinicion"), left, top, width, 4.76,
                                  report::MakeFont(QStringLiteral("Book Antiqua"), 9));
}

void TVentanaInforme::EnlazarFilas(report::TQRDBText* numero, report::TQRDBText* definicion)
{
    TDM_BdatosADO& db = BaseDatos();
    db.Table->TableName = QStringLiteral("PregEncTemp");
    db.Table->Open();
    m_filas = std::make_shared<report::TADODataSource>(*db.Table);
    m_informe->DataSet = m_filas;
    definicion->DataSet = m_filas;
    definicion->DataField = QStringLiteral("definicion");
    numero->DataSet = m_filas;
    numero->DataField = QStringLiteral("posicion");
    // Nothing writes the rows until the preview closes, and what changes after the
    // counting pass (the dimension's name, the page total) lies in the page header
    // and footer: the preview lays out only those again.
    m_informe->KeepDetail = true;
    ContarPaginas();
}

void TVentanaInforme::ContarPaginas()
{
    m_informe->Prepare();
    TotalPaginas = m_informe->QRPrinter()->PageCount();
}

QString TVentanaInforme::TextoPagina() const
{
    return QStringLiteral("Página %1 de %2").arg(m_informe->PageNumber()).arg(TotalPaginas);
}

QString TVentanaInforme::NombreDimension(int codigo)
{
    TDM_BdatosADO& db = BaseDatos();
    db.InicializarQuery(QStringLiteral("SELECT definicion FROM Subcriterio WHERE codigo=:codigo"));
    db.InsertarParametroEntero(QStringLiteral("codigo"), codigo);
    db.ActivarQSelect();
    db.Qquery->First();
    return db.Qquery->Eof() ? QString()
                            : db.Qquery->FieldByName(QStringLiteral("definicion")).AsString();
}

void TVentanaInforme::HideCaptionBar()
{
    report::HidePreviewCaptionBar();
}

void TVentanaInforme::VistaPreviaCerrada()
{
    BaseDatos();
    VaciarPregEncTemp();
    DM_BdatosADO->Table->Close();
    close();
}
