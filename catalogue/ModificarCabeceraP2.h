#pragma once

#include "VentanaCabecera.h"
#include "ui_ModificarCabeceraP2.h"

// Second step of a header modification: the chosen header's fields and logo.
class TF_ModificarCabeceraP2 : public TVentanaCabecera, public Ui::TF_ModificarCabeceraP2
{
    Q_OBJECT
public:
    explicit TF_ModificarCabeceraP2(QObject* owner);

    void InsertarCodCab(int codigo);
    // Shows the stored header of CodCabecera; a stored logo that is no bitmap shows
    // its error and leaves the logo box empty.
    void CargarCabecera();

    int CodCabecera = 0;

public slots:
    void B_ImagenClick();
    void B_BorrarClick();
    void B_InsertarClick();

private:
    void FormCreate();
};
