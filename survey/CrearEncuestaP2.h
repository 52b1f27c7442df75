#pragma once

#include "ui_CrearEncuestaP2.h"

#include <QPointer>
#include <QWidget>
#include <vector>

// Second step of a new questionnaire: an interest group and one of its dimensions.
class TF_CrearEncuestaP2 : public QWidget, public Ui::TF_CrearEncuestaP2
{
    Q_OBJECT
public:
    // Owned by the step-1 window that creates it.
    explicit TF_CrearEncuestaP2(QObject* owner);

    // The group and dimension for which step 3 was last built here.
    int CodCriterioAnterior = 0;
    int CodSubcriterioAnterior = 0;

    void EsconderForm();
    void EnsenyarForm();

public slots:
    void RG_CriterioClick();
    void B_SiguienteClick();
    void B_AtrasClick();
    void B_SalirClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void FormCreate();
};

extern QPointer<TF_CrearEncuestaP2> F_CrearEncuestaP2;
// The codes beside the two radio groups' items, item i with element i.
extern std::vector<int> VCodCriterio;
extern std::vector<int> VCodSubcriterio;
