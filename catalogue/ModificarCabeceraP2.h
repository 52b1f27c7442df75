#pragma once

#include "ui_ModificarCabeceraP2.h"

#include <QSize>
#include <QWidget>

// Second step of a header modification: the chosen header's fields and logo.
class TF_ModificarCabeceraP2 : public QWidget, public Ui::TF_ModificarCabeceraP2
{
    Q_OBJECT
public:
    explicit TF_ModificarCabeceraP2(QObject* owner);

    void Mostrar();
    void InsertarCodCab(int codigo);
    // Shows the stored header of CodCabecera; throws when its logo is no bitmap.
    void CargarCabecera();

    int CodCabecera = 0;

public slots:
    void B_ImagenClick();
    void B_BorrarClick();
    void B_InsertarClick();
    void B_SalirClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();

    QSize m_tamano;
};
