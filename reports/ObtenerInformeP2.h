#pragma once

#include "data/General.h"
#include "ui_ObtenerInformeP2.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class QCheckBox;
class QLabel;

// Second and last step of the indicator report: on one panel, every subdimension of
// the chosen dimension with its perception measures, then the performance indicators
// linked to the dimension, to tick one by one or in bulk; "FINALIZAR" writes the
// ticked items and previews the report.
class TF_ObtenerInformeP2 : public QWidget, public Ui::TF_ObtenerInformeP2
{
    Q_OBJECT
public:
    explicit TF_ObtenerInformeP2(QObject* owner);

    int CodSubcriterio = 0;
    // The dimension's subdimensions in panel order, their titles (and last, the
    // indicators' title), the measures of each and the linked indicators.
    std::vector<int> VCodDimension;
    std::vector<QPointer<QLabel>> VEtiquetasDimension;
    std::vector<std::vector<TIndicadorCheck>> VIndicadores;
    std::vector<TIndicadorCheck> VIndicadoresIR;

    void InsertarDimension(int codigo);
    // Builds the whole panel, once, before the window shows.
    void CargarPanelIndicadores();
    void Mostrar();
    void MostrarIR(int left, int top);
    QCheckBox* CreateCheckBox(int left, int top, const QString& caption);
    QLabel* CreateLabel(int left, int top, const QString& caption, int code, int kind);
    void InsertarPregTemp();

public slots:
    void CB_SoloClaveClick();
    void CB_TodosClick();
    void B_AceptarClick();
    void B_SalirClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void FormCreate();
    // Every item of the panel: the measures of each subdimension, then the indicators.
    template <typename F> void ParaCadaElemento(F hacer);
    void AjustarContenido(int bottom);

    int m_derecha = 0;
};

extern QPointer<TF_ObtenerInformeP2> F_ObtenerInformeP2;
