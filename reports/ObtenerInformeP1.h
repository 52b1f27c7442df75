#pragma once

#include "ui_ObtenerInformeP1.h"

#include <QPointer>
#include <QWidget>
#include <vector>

// First step of the indicator report: the dimension, chosen from the dimensions of
// every interest group. "SIGUIENTE" opens step 2 for it and closes this window.
class TF_ObtenerInformeP1 : public QWidget, public Ui::TF_ObtenerInformeP1
{
    Q_OBJECT
public:
    explicit TF_ObtenerInformeP1(QObject* owner);

    // Makes the window of the main window's "Informes" > "Obtener" (which locks the
    // work commands first) into F_ObtenerInformeP1 and shows it.
    static void Abrir();

    void CargarCB_Dimension();

public slots:
    void CB_DimensionSelect();
    void B_SiguienteClick();
    void B_SalirClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void FormCreate();

    // Element i is the dimension of item i of CB_Dimension.
    std::vector<int> VCodSubcriterio;
};

extern QPointer<TF_ObtenerInformeP1> F_ObtenerInformeP1;
