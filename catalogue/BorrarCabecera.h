#pragma once

#include "VentanaListaCentros.h"
#include "ui_BorrarCabecera.h"

#include <QPointer>

// Deletes the header of the centre the user chooses.
class TF_BorrarCabecera : public TVentanaListaCentros, public Ui::TF_BorrarCabecera
{
    Q_OBJECT
public:
    explicit TF_BorrarCabecera(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_BorrarCabecera and shows it in the frame.
    static void Abrir();

public slots:
    void B_BorrarClick();
};

extern QPointer<TF_BorrarCabecera> F_BorrarCabecera;
