#pragma once

#include "VentanaCabecera.h"
#include "ui_ModificarMPP1.h"

#include <QPointer>

class TCascadaMedidas;

// First step of a measure's modification: the user finds it through the lists of
// interest groups, dimensions, subdimensions and measures.
class TF_ModificarMPP1 : public TVentanaCabecera, public Ui::TF_ModificarMPP1
{
    Q_OBJECT
public:
    explicit TF_ModificarMPP1(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_ModificarMPP1 and shows it in the frame.
    static void Abrir();

    // The four lists, their codes and the chosen group, dimension and subdimension.
    TCascadaMedidas* Cascada = nullptr;
    // The chosen measure's text, handed to step 2.
    QString DefinicionSel;

public slots:
    void B_SiguienteClick();
};

extern QPointer<TF_ModificarMPP1> F_ModificarMPP1;
