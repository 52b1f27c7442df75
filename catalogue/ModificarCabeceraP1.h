#pragma once

#include "VentanaCabecera.h"
#include "ui_ModificarCabeceraP1.h"

#include <QPointer>
#include <vector>

// First step of a header modification: the user chooses a centre.
class TF_ModificarCabecera : public TVentanaCabecera, public Ui::TF_ModificarCabecera
{
    Q_OBJECT
public:
    explicit TF_ModificarCabecera(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_ModificarCabecera and shows it in the frame.
    static void Abrir();

    void CargarCB_Centros();

    // The code of each listed header, in list order.
    std::vector<int> VCodCabecera;

public slots:
    void CB_CabeceraSelect(int indice);
    void B_SiguienteClick();

private:
    void FormCreate();
};

extern QPointer<TF_ModificarCabecera> F_ModificarCabecera;
