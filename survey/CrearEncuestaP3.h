#pragma once

#include "data/General.h"
#include "ui_CrearEncuestaP3.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class QCheckBox;
class QLabel;

// Third step of a new questionnaire: the perception measures of the chosen
// dimension, one view per subdimension and one with all of them, ticked one by one
// or in bulk; FINALIZAR writes their questions and previews the questionnaire.
class TF_CrearEncuestaP3 : public QWidget, public Ui::TF_CrearEncuestaP3
{
    Q_OBJECT
public:
    explicit TF_CrearEncuestaP3(QObject* owner);

    // The title of each subdimension in the all view, none until that view is shown.
    std::vector<QPointer<QLabel>> VEtiquetasDimension;
    // Per view (0 = all), whether "Seleccionar solo los clave" / "Seleccionar todos"
    // is in force there.
    std::vector<bool> VSoloClave;
    std::vector<bool> VTodos;
    // Set by a view change just before it unticks the matching box.
    bool DesmarcandoSoloClave = false;
    bool DesmarcandoTodos = false;

    void CargarCBDimension();
    QCheckBox* CreateCheckBox(int left, int top, const QString& caption);
    QLabel* CreateLabel(int left, int top, const QString& caption, int code, int kind);
    void LiberarVectores();
    void EsconderForm();
    void EnsenyarForm();
    void InsertarPregTemp();

    // Another step 3 takes this one's place: it is never shown again and goes as soon
    // as nothing of it is still running.
    void Retirar();

public slots:
    void CB_DimensionSelect();
    void CB_SoloClaveClick();
    void CB_TodosClick();
    void B_AtrasClick();
    void B_AceptarClick();
    void B_SalirClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void FormCreate();
    void AbrirMedidas(int codigoDimension);
    void ColocarMedidas(int s, int& top);
    struct TGrupo;
    TGrupo& Grupo(int s);
    QWidget* Tramo(TGrupo& grupo, size_t t);
    void OcultarVista(int vista, int siguiente);
    void GruposALaVista();
    void AjustarContenido(int bottom);
    int NumVistas() const;
    std::vector<TIndicadorCheck>* Medidas(int s);
    void MarcarSoloClave(int s);
    void DesmarcarClave(int s);
    void MarcarTodas(int s, bool marcar);

    void VistaPreviaCerrada();

    bool m_retirada = false;
    int m_derecha = 0;
    // Each subdimension's check boxes and key markers live in one widget of the scroll
    // box's content, none until the subdimension is first shown, so that a view change
    // moves, shows and hides a few of these rather than every box. Inside it they stand
    // in blocks of a few rows each, which keeps what the windowing library walks per
    // control short however many measures a subdimension has.
    struct TGrupo
    {
        QPointer<QWidget> Caja;
        std::vector<QWidget*> Tramos;
    };
    std::vector<TGrupo> m_grupos;
    // The block that the controls being made go into; none for the content itself.
    QWidget* m_destino = nullptr;
    // A view is being laid out: the groups' places are not final yet.
    bool m_colocando = false;
    // Previews of this window's questionnaires still on screen, and whether the
    // window goes once they are closed.
    int m_vistasAbiertas = 0;
    bool m_liberarTrasVista = false;
};

extern QPointer<TF_CrearEncuestaP3> F_CrearEncuestaP3;
// The codes of the listed subdimensions: entry k-1 for list item k.
extern std::vector<int> VCodDimension;
// The list position of the view shown last; -1 before any.
extern int DimensionAnterior;
// The chosen dimension, handed to the questionnaire.
extern int CodSubcriterio;
