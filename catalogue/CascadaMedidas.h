#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

class QComboBox;
class QPushButton;
class QWidget;

// The controls of the four cascading lists, each on its own panel.
struct TControlesCascada
{
    QWidget* P_Personal;
    QComboBox* CB_Personal;
    QWidget* P_MP;
    QComboBox* CB_MP;
    QWidget* P_Dimension;
    QComboBox* CB_Dimension;
    QWidget* P_Indicador;
    QComboBox* CB_Indicador;
    // The window's action, available only while a measure is chosen.
    QPushButton* Accion;
};

// How a window finds one perception measure: interest group, dimension, subdimension
// and measure, each list on a panel that shows once the list above has a choice.
// Choosing an item, even the one already chosen, reloads the next list from the
// database and empties and hides every list below it.
class TCascadaMedidas : public QObject
{
    Q_OBJECT
public:
    // `sqlIndicador` lists the measures of the subdimension bound as `cod_dim`.
    TCascadaMedidas(QWidget* ventana, const TControlesCascada& controles,
                    const QString& sqlIndicador);

    // The codes beside the four lists, element i with item i.
    std::vector<int> VCodCriterio;
    std::vector<int> VCodSubcriterio;
    std::vector<int> VCodDimension;
    std::vector<int> VCodIndicador;
    // The chosen group, dimension and subdimension, taken as the next list loads.
    int CodCriterioSel = 0;
    int CodSubcriterioSel = 0;
    int CodDimensionSel = 0;

    // Only the group list shows, filled, and the action waits for a measure.
    void Iniciar();

    void CargarCBPersonal();
    void CargarCB_MP();
    void Cargar_CBDimension();
    void Cargar_CBIndicador();

    void CB_PersonalSelect();
    void CB_MPSelect();
    void CB_DimensionSelect();
    void CB_IndicadorSelect();

    // The chosen measure's code and its text as stored; none while no measure is chosen.
    std::optional<int> MedidaElegida() const;
    QString TextoMedidaElegida() const;

    const TControlesCascada& Controles() const { return c; }

private:
    // A choice in list `nivel` (0 to 3, top to bottom).
    void Elegir(int nivel);

    TControlesCascada c;
    QString m_sqlIndicador;
};
