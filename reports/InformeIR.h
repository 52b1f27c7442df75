#pragma once

#include "survey/VentanaInforme.h"

#include <QPointer>
#include <memory>

namespace Ui {
class TF_InformeIR;
}

namespace report {
class TQRBand;
class TQRLabel;
class TQRShape;
} // namespace report

// The printable indicator report: under the title, the dimension's name and the heads
// "Objetivo" and "Resultado", one numbered row per item of PregEncTemp with two empty
// columns to fill in by hand, and "Página X de Y" at the foot. The window itself is
// never shown; it holds the report, whose preview the user sees.
class TF_InformeIR : public TVentanaInforme
{
    Q_OBJECT
public:
    // Binds PregEncTemp through the shared table and runs the counting pass.
    explicit TF_InformeIR(QObject* owner);
    ~TF_InformeIR() override;

    report::TQuickRep* QR_InformeIR = nullptr;

    // The dimension's name in the page header.
    void InsertarSubCriterio(int codigo);

    report::TQRBand* QRBand1 = nullptr;
    report::TQRBand* QRBand2 = nullptr;
    report::TQRBand* QRBand3 = nullptr;
    report::TQRLabel* QRLabel1 = nullptr;
    report::TQRLabel* QRLabel12 = nullptr;
    report::TQRLabel* QRLDimension = nullptr;
    report::TQRLabel* QRLabel2 = nullptr;
    report::TQRLabel* QRLabel3 = nullptr;
    report::TQRShape* QRShape3 = nullptr;
    report::TQRDBText* QRDBNum = nullptr;
    report::TQRDBText* QRDBDefinicion = nullptr;
    report::TQRShape* QRShape1 = nullptr;
    report::TQRShape* QRShape2 = nullptr;
    report::TQRShape* QRShape4 = nullptr;
    report::TQRLabel* QRLabel4 = nullptr;

private:
    void FormCreate();
    void QR_InformeIRBeforePrint();
    void QR_InformeIRAfterPreview();
    void QRBand3BeforePrint();
    void QRDBDefinicionPrint();

    // The report's bands and elements, as designed.
    void CrearInforme();
    void CrearCabecera();
    void CrearDetalle();
    void CrearPie();
    void AjustarCabecera();

    int CodSubcriterio = 0;
    std::unique_ptr<Ui::TF_InformeIR> ui;
};

extern QPointer<TF_InformeIR> F_InformeIR;
