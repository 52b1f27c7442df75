#pragma once

#include "VentanaCabecera.h"

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

// The header windows that start from the list of centres (modification step 1 and
// deletion): every stored header by centre name, and one action button for the
// centre the user chooses.
class TVentanaListaCentros : public TVentanaCabecera
{
    Q_OBJECT
public:
    // Every stored header by centre name, its code at the same position in VCodCabecera.
    void CargarCB_Centros();

    // The code of each listed header, in list order.
    std::vector<int> VCodCabecera;

public slots:
    // A centre chosen: the action button becomes available.
    void CB_CabeceraSelect(int indice);

protected:
    TVentanaListaCentros(QObject* owner, QSize tamano);

    // Run once the form's controls exist: the look, the list filled, and the action
    // button disabled until a centre is chosen.
    void FormCreate(QLabel* titulo, QComboBox* lista, QPushButton* accion);

    // The code of the chosen centre's header; none until a centre is chosen.
    std::optional<int> CodigoElegido() const;

private:
    QComboBox* m_lista = nullptr;
    QPushButton* m_accion = nullptr;
};
