#pragma once

#include "VentanaCabecera.h"
#include "ui_BorrarCabecera.h"

#include <QPointer>
#include <vector>

// Deletes the header of the centre the user chooses.
class TF_BorrarCabecera : public TVentanaCabecera, public Ui::TF_BorrarCabecera
{
    Q_OBJECT
public:
    explicit TF_BorrarCabecera(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_BorrarCabecera and shows it in the frame.
    static void Abrir();

    void CargarCB_Centros();

    // The code of each listed header, in list order.
    std::vector<int> VCodCabecera;

public slots:
    void CB_CabeceraSelect(int indice);
    void B_BorrarClick();

private:
    void FormCreate();
};

extern QPointer<TF_BorrarCabecera> F_BorrarCabecera;
