#pragma once

#include <QSize>
#include <QWidget>

class QCloseEvent;

// What the header and measure windows have in common: destroyed with their owner, shown in the
// frame at their own fixed size, closed by "SALIR", and freed when closed, which
// gives the main window's work commands back.
class TVentanaCabecera : public QWidget
{
    Q_OBJECT
public:
    void Mostrar();

public slots:
    void B_SalirClick();

protected:
    TVentanaCabecera(QObject* owner, QSize tamano);

    void closeEvent(QCloseEvent* event) override;
    // Tab goes through the order the window declares, when it declares one.
    bool focusNextPrevChild(bool next) override;

private:
    void FormClose();

    QSize m_tamano;
};
