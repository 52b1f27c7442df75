#pragma once

#include "VentanaListaCentros.h"
#include "ui_ModificarCabeceraP1.h"

#include <QPointer>

// First step of a header modification: the user chooses a centre.
class TF_ModificarCabecera : public TVentanaListaCentros, public Ui::TF_ModificarCabecera
{
    Q_OBJECT
public:
    explicit TF_ModificarCabecera(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_ModificarCabecera and shows it in the frame.
    static void Abrir();

public slots:
    void B_SiguienteClick();
};

extern QPointer<TF_ModificarCabecera> F_ModificarCabecera;
