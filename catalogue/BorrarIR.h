#pragma once

#include "VentanaListaIR.h"
#include "ui_BorrarIR.h"

#include <QPointer>

// Deletes a performance indicator created through the program, with its links to
// dimensions. Those delivered with the catalogue are never offered.
class TF_BorrarIR : public TVentanaListaIR, public Ui::TF_BorrarIR
{
    Q_OBJECT
public:
    explicit TF_BorrarIR(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_BorrarIR and shows it in the frame.
    static void Abrir();

    void Cargar_CBBorrar();
    void CB_BorrarIRSelect(int indice);
    void B_BorrarClick();
};

extern QPointer<TF_BorrarIR> F_BorrarIR;
