#pragma once

#include "VentanaCabecera.h"

#include <QCheckBox>
#include <QPointer>
#include <functional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

// One dimension of an interest group in the indicator windows: its box, made once,
// and its code.
struct TCeldaSubcriterio
{
    QPointer<QCheckBox> CheckBox;
    int Codigo = 0;
};

// The same in the modification window, which also remembers whether the dimension
// was linked to the indicator when the window loaded.
struct TCeldaSubcriterioIR : TCeldaSubcriterio
{
    bool Asociado = false;
};

// The controls both indicator windows are built of, as their forms name them.
struct TPanelIR
{
    QGroupBox* GB_Indicador;
    QLabel* L_Def;
    QPlainTextEdit* M_Definicion;
    QCheckBox* ChB_Clave;
    QGroupBox* GB_GI;
    QComboBox* CB_GI;
    QRadioButton* RB_Datos;
    QRadioButton* RB_Encuesta;
    QGroupBox* GB_Dimensiones;
    QScrollArea* SB_Dimensiones;
    QWidget* SB_DimensionesContenido;
    // The save button, whose caption carries the chosen type, and "SALIR".
    QPushButton* B_Guardar;
    QPushButton* B_Salir;
    int AlturaListaGI;
};

// What the creation and modification windows of a performance indicator share: the
// definition, key box and type, the interest groups with the dimension boxes of the
// one shown, which scroll when a group has more than fit, and the save button whose
// caption says the type ("SIGUIENTE" for "Encuesta": the question comes next).
class TVentanaIR : public TVentanaCabecera
{
    Q_OBJECT
public:
    // The code of each listed interest group, in list order.
    std::vector<int> VCodGI;
    // The group whose boxes are shown; -1 while none is.
    int GIAnterior = -1;

    void RB_DatosClick();
    void RB_EncuestaClick();

protected:
    // `textoDatos`: the save button's caption while "Datos" is chosen.
    TVentanaIR(QObject* owner, QSize tamano, const QString& textoDatos);

    // Run once the form's controls exist: the look and the shared handlers.
    void Preparar(const TPanelIR& panel);

    // Every interest group by name into CB_GI and VCodGI, none chosen.
    void CargarGrupos();

    // A dimension box at the place the forms give it within GB_Dimensiones, not ticked.
    QCheckBox* CreateCheckBox(int Left, int Top, int Width, const QString& Caption);

    // Runs `crear`, which makes many dimension boxes at once.
    void CrearCajasEnBloque(const std::function<void()>& crear);

    // Whether the save button says "Datos".
    bool ModoDatos() const;

    // The shown group's boxes make the scrolled area as tall as they need.
    void AjustarArea(int cajas);

    template <typename Celda> static void Ocultar(const std::vector<Celda>& celdas)
    {
        for (const Celda& celda : celdas)
            if (celda.CheckBox)
                celda.CheckBox->hide();
    }

    // The place of the k-th box of a group.
    static int TopCaja(int k) { return 32 + 32 * k; }

    const TPanelIR& Panel() const { return m_panel; }

private:
    TPanelIR m_panel{};
    QString m_textoDatos;
};
