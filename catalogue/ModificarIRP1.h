#pragma once

#include "VentanaListaIR.h"
#include "ui_ModificarIRP1.h"

#include <QPointer>

// First step of an indicator modification: every performance indicator, those of the
// catalogue and those created through the program, to choose one from.
class TF_ModificarIR : public TVentanaListaIR, public Ui::TF_ModificarIR
{
    Q_OBJECT
public:
    explicit TF_ModificarIR(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_ModificarIR and shows it in the frame.
    static void Abrir();

    void Cargar_CBModificarIR();
    void CB_ModificarIRSelect(int indice);
    void B_SiguienteClick();
};

extern QPointer<TF_ModificarIR> F_ModificarIR;
