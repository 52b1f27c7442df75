#pragma once

#include "ui_BorrarCabecera.h"

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

// Deletes the header of the centre the user chooses.
class TF_BorrarCabecera : public QWidget, public Ui::TF_BorrarCabecera
{
    Q_OBJECT
public:
    explicit TF_BorrarCabecera(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_BorrarCabecera and shows it in the frame.
    static void Abrir();

    void Mostrar();
    void CargarCB_Centros();

    // The code of each listed header, in list order.
    std::vector<int> VCodCabecera;

public slots:
    void CB_CabeceraSelect(int indice);
    void B_BorrarClick();
    void B_SalirClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();

    QSize m_tamano;
};

extern QPointer<TF_BorrarCabecera> F_BorrarCabecera;
