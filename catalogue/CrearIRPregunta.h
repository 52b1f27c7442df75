#pragma once

#include "ui_CrearIRPregunta.h"

#include <QDialog>
#include <QPointer>

// The survey question of a performance indicator measured by survey, and the scale
// of its answers, written into the indicator's row. Modal; its only answer to the
// window that shows it is whether the user gave up.
class TF_CrearIRPregunta : public QDialog, public Ui::TF_CrearIRPregunta
{
    Q_OBJECT
public:
    // Owned by the window that shows it.
    explicit TF_CrearIRPregunta(QWidget* owner);

    // Shows a new dialog for the indicator `codigo`, loaded with its stored question and
    // captioned "Modificar pregunta" when `modificar`, empty otherwise; true when the
    // user stored a question, false when the dialog was left by "SALIR" or its close
    // box. The dialog is gone once the caller's handler returns to the event loop.
    static bool Preguntar(QWidget* owner, int codigo, bool modificar);

    void InsertarIR(int Codigo);
    void CargarPregunta();

    int CodIR = 0;
    bool Cancelado = false;

    void B_InsertarClick();
    void B_SalirClick();

public slots:
    // Escape and the close box give up as "SALIR" does.
    void reject() override;

private:
    void FormCreate();
};

extern QPointer<TF_CrearIRPregunta> F_CrearIRPregunta;
