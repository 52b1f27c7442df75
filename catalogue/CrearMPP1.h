#pragma once

#include "VentanaCabecera.h"
#include "ui_CrearMPP1.h"

#include <QPointer>
#include <vector>

// First step of adding perception measures: an interest group and one of its
// dimensions.
class TF_CrearMPP1 : public TVentanaCabecera, public Ui::TF_CrearMPP1
{
    Q_OBJECT
public:
    explicit TF_CrearMPP1(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_CrearMPP1 and shows it in the frame.
    static void Abrir();

    // The codes beside the two radio groups' items, item i with element i.
    std::vector<int> VCodCriterio;
    std::vector<int> VCodSubcriterio;

public slots:
    void RG_CriterioClick();
    void B_SiguienteClick();

private:
    void FormCreate();
};

extern QPointer<TF_CrearMPP1> F_CrearMPP1;
