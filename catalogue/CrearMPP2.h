#pragma once

#include "VentanaCabecera.h"
#include "ui_CrearMPP2.h"

#include <vector>

// Second step of adding perception measures: a subdimension of the chosen dimension,
// then one measure after another with its question, answer type and key flag.
class TF_CrearMPP2 : public TVentanaCabecera, public Ui::TF_CrearMPP2
{
    Q_OBJECT
public:
    explicit TF_CrearMPP2(QObject* owner);

    // The codes beside the subdimension list, item i with element i.
    std::vector<int> VCodDimension;

    // Fills the subdimension list from the statement step 1 prepared on the shared query.
    void CargarCBDimension();
    void ResetFormulario();

public slots:
    void CB_DimensionSelect();
    void B_InsertarClick();

private:
    void FormCreate();
    void MostrarCampos(bool mostrar);
};
