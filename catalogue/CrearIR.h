#pragma once

#include "VentanaIR.h"
#include "ui_CrearIR.h"

#include <QPointer>
#include <vector>

// Creates one performance indicator: its definition, key flag and type, and its links
// to the dimensions ticked in any interest group; one measured by survey then takes
// its question in the question dialog.
class TF_CrearIR : public TVentanaIR, public Ui::TF_CrearIR
{
    Q_OBJECT
public:
    explicit TF_CrearIR(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_CrearIR and shows it in the frame.
    static void Abrir();

    // Per listed interest group, its dimensions' boxes: none until the group is first
    // chosen, then one cell per dimension.
    std::vector<std::vector<TCeldaSubcriterio>> ChecksGI;

    void CargarCB_GI();
    void CB_GISelect(int g);
    void B_InsertarClick();

private:
    void FormCreate();
};

extern QPointer<TF_CrearIR> F_CrearIR;
