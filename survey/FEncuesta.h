#pragma once

#include "VentanaInforme.h"

#include <QPointer>
#include <memory>

namespace Ui {
class TF_Encuesta;
}

namespace report {
class TQRBand;
class TQRImage;
class TQRLabel;
class TQRShape;
} // namespace report

// The printable questionnaire: the centre's header, the respondent lines and the
// answer legend, one numbered row per question of PregEncTemp with its answer
// boxes, and "Página X de Y" at the foot. The window itself is never shown; it
// holds the report, whose preview the user sees.
class TF_Encuesta : public TVentanaInforme
{
    Q_OBJECT
public:
    // Fills the header from the latest survey header, binds PregEncTemp through
    // the shared table and runs the counting pass.
    explicit TF_Encuesta(QObject* owner);
    ~TF_Encuesta() override;

    report::TQuickRep* QR_Encuesta = nullptr;

    // The dimension's name and the respondent label that goes with it.
    void InsertarSubcriterio(int codigo);

    report::TQRBand* PageHeaderBand1 = nullptr;
    report::TQRBand* DetailBand1 = nullptr;
    report::TQRBand* PageFooterBand1 = nullptr;
    report::TQRImage* QRImage1 = nullptr;
    report::TQRShape* QRShape1 = nullptr;
    report::TQRLabel* QRLCentro = nullptr;
    report::TQRLabel* QRLDireccion = nullptr;
    report::TQRLabel* QRLTelefono = nullptr;
    report::TQRLabel* QRLFecha = nullptr;
    report::TQRImage* QRI_Logo = nullptr;
    report::TQRLabel* QRLNombre = nullptr;
    report::TQRShape* QRShape2 = nullptr;
    report::TQRLabel* QRLabel6 = nullptr;
    report::TQRLabel* QRLEstudios = nullptr;
    report::TQRShape* QRShape3 = nullptr;
    report::TQRLabel* QRLDimension = nullptr;
    report::TQRDBText* QRDBNum = nullptr;
    report::TQRDBText* QRDBDefinicion = nullptr;
    report::TQRLabel* QRL1 = nullptr;
    report::TQRLabel* QRL2 = nullptr;
    report::TQRLabel* QRL3 = nullptr;
    report::TQRLabel* QRL4 = nullptr;
    report::TQRLabel* QRL5 = nullptr;
    report::TQRLabel* QRL6 = nullptr;
    report::TQRLabel* QRLabel13 = nullptr;

private:
    void FormCreate();
    void InicializarEtiquetas();
    void QR_EncuestaBeforePrint();
    void QR_EncuestaAfterPreview();
    void PageFooterBand1BeforePrint();
    void QRDBDefinicionPrint();

    // The report's bands and elements, as designed.
    void CrearInforme();
    void CrearCabecera();
    void CrearDetalle();
    void CrearPie();

    std::unique_ptr<Ui::TF_Encuesta> ui;
};

extern QPointer<TF_Encuesta> F_Encuesta;
