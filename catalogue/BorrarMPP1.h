#pragma once

#include "VentanaCabecera.h"
#include "ui_BorrarMPP1.h"

#include <QPointer>

class TCascadaMedidas;

// Deletes a perception measure created through the program, with its question; the
// user finds it through the lists of interest groups, dimensions, subdimensions and
// measures.
class TF_BorrarMPP1 : public TVentanaCabecera, public Ui::TF_BorrarMPP1
{
    Q_OBJECT
public:
    explicit TF_BorrarMPP1(QObject* owner);

    // Makes the window of the main window's command (which locks the work commands
    // first), owned by the application object, into F_BorrarMPP1 and shows it in the frame.
    static void Abrir();

    // The four lists, their codes and the chosen group, dimension and subdimension.
    TCascadaMedidas* Cascada = nullptr;

public slots:
    void B_BorrarClick();
};

extern QPointer<TF_BorrarMPP1> F_BorrarMPP1;
