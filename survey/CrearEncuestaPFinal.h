#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;

namespace Ui {
class TF_CrearEncuestaPFinal;
}

// The progress window both "FINALIZAR" handlers show while they fill the scratch
// table and prepare their report. It does no work of its own: its caller advances
// the bar and closes (hides) it; it goes with its owner.
class TF_CrearEncuestaPFinal : public QWidget
{
    Q_OBJECT
public:
    explicit TF_CrearEncuestaPFinal(QWidget* owner);
    ~TF_CrearEncuestaPFinal() override;

    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

    void StepBy(int delta);

private:
    void FormCreate();

    std::unique_ptr<Ui::TF_CrearEncuestaPFinal> ui;
};

// The latest progress window.
extern QPointer<TF_CrearEncuestaPFinal> F_CrearEncuestaPFinal;
