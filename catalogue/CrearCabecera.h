#pragma once

#include "ui_CrearCabecera.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

// Creates one survey header: a centre's name, address, telephone and logo.
class TF_CrearCabecera : public QWidget, public Ui::TF_CrearCabecera
{
    Q_OBJECT
public:
    explicit TF_CrearCabecera(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the main window, into F_CrearCabecera and shows it in the frame.
    static void Abrir();

    void Mostrar();

public slots:
    void E_CentroExit();
    void B_ImagenClick();
    void B_BorrarClick();
    void B_InsertarClick();
    void B_SalirClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void CambioDeFoco(QWidget* antes, QWidget* ahora);

    QSize m_tamano;
};

extern QPointer<TF_CrearCabecera> F_CrearCabecera;
