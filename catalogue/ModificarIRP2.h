#pragma once

#include "VentanaIR.h"
#include "ui_ModificarIRP2.h"

#include <QPointer>
#include <vector>

// Second step of an indicator modification: the chosen indicator's definition, key
// flag and type, and one box per dimension of every interest group, ticked where the
// indicator is linked. Saving rewrites the indicator and changes only the links whose
// ticks changed.
class TF_ModificarIRP2 : public TVentanaIR, public Ui::TF_ModificarIRP2
{
    Q_OBJECT
public:
    explicit TF_ModificarIRP2(QObject* owner);

    // Loading, in this order.
    void insertar_codirendimientosel(int codigo);
    // False when the indicator is no longer stored.
    bool CargarDefinicion();
    void CargarCB_GI();
    // Every group's dimension boxes, hidden, ticked where the indicator is linked.
    void InicializarMatriz();

    int CodIRSel = 0;
    int EstadoIR = 0;
    // Per listed interest group, a cell per dimension, every box made while loading.
    std::vector<std::vector<TCeldaSubcriterioIR>> MatrizChecks;
    // The dimensions linked to the indicator when the window loaded, in row order.
    std::vector<int> SubcriteriosIR;

    void CB_GISelect(int i);
    void B_ModificarClick();

private:
    void ActualizarVinculos();
};

extern QPointer<TF_ModificarIRP2> F_ModificarIRP2;
