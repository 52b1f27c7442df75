#pragma once

#include "VentanaCabecera.h"
#include "ui_CrearCabecera.h"

#include <QPointer>

// Creates one survey header: a centre's name, address, telephone and logo.
class TF_CrearCabecera : public TVentanaCabecera, public Ui::TF_CrearCabecera
{
    Q_OBJECT
public:
    explicit TF_CrearCabecera(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the main window, into F_CrearCabecera and shows it in the frame.
    static void Abrir();

public slots:
    void E_CentroExit();
    void B_ImagenClick();
    void B_BorrarClick();
    void B_InsertarClick();

private:
    void FormCreate();
    void CambioDeFoco(QWidget* antes, QWidget* ahora);
};

extern QPointer<TF_CrearCabecera> F_CrearCabecera;
