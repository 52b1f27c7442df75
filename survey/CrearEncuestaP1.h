#pragma once

#include "platform/graphics/Picture.h"
#include "ui_CrearEncuestaP1.h"

#include <QPointer>
#include <QWidget>
#include <vector>

// First step of a new questionnaire: the centre's header and, optionally, a date.
class TF_CrearEncuestaP1 : public QWidget, public Ui::TF_CrearEncuestaP1
{
    Q_OBJECT
public:
    explicit TF_CrearEncuestaP1(QObject* owner);

    // Makes the window of the main window's "Nueva" (which locks the work commands
    // first) into F_CrearEncuestaP1, fills its list of headers and shows it.
    static void Abrir();

    std::vector<int> VCodCabecera;
    // False while the list of headers is shown, true once the chosen header is.
    bool CabeceraMostrada = false;
    // The picture shown in I_Logo.
    graphics::TPicture LogoCabecera;

    void CargarCB_Cabecera();
    void EsconderForm();
    void EnsenyarForm();
    void InhabilitarControlesCabecera();

public slots:
    void CB_CabeceraSelect();
    void B_SiguienteClick();
    void B_AtrasClick();
    void B_SalirClick();
    void MonthCalendar1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void MostrarCabecera();
    void PasarAlPaso2();
    void PintarLogo();
};

extern QPointer<TF_CrearEncuestaP1> F_CrearEncuestaP1;
