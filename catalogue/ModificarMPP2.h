#pragma once

#include "VentanaCabecera.h"
#include "ui_ModificarMPP2.h"

#include <QPointer>

// Second step of a measure's modification: its definition, key flag, question and
// answer type, corrected and written back.
class TF_ModificarMPP2 : public TVentanaCabecera, public Ui::TF_ModificarMPP2
{
    Q_OBJECT
public:
    explicit TF_ModificarMPP2(QObject* owner);

    QString DefinicionMedida;
    int CodIndicador = 0;
    int CodPregunta = 0;

    void InsertarDefinicion(const QString& definicion) { DefinicionMedida = definicion; }
    void InsertarCodIndicador(int codigo) { CodIndicador = codigo; }
    void CargarValores();

public slots:
    void B_ModificarClick();
};

extern QPointer<TF_ModificarMPP2> F_ModificarMPP2;
