#include "MAIN.h"

#include "platform/ui/MdiHost.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>

QPointer<TMainForm> MainForm;

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Dimarvolteca"));
    m_area = new QMdiArea(this);
    m_area->setBackground(QColor(0, 0, 128));
    setCentralWidget(m_area);
    ui::SetMdiArea(m_area);

    QMenu* encuesta = menuBar()->addMenu(QStringLiteral("&Encuesta"));
    Nuevo1 = encuesta->addAction(QStringLiteral("&Nueva"));
    FileOpenItem = encuesta->addAction(QStringLiteral("&Abrir"));
    Cabecera1 = encuesta->addMenu(QStringLiteral("&Cabecera"))->menuAction();
    QMenu* medidas = menuBar()->addMenu(QStringLiteral("&Medidas de percepcion"));
    M_CrearMedida = medidas->addAction(QStringLiteral("&Crear"));
    M_ModificarMedida = medidas->addAction(QStringLiteral("&Modificar"));
    M_BorrarMedida = medidas->addAction(QStringLiteral("&Borrar"));
    QMenu* indicadores = menuBar()->addMenu(QStringLiteral("&Indicadores de rendimiento"));
    Crear3 = indicadores->addAction(QStringLiteral("&Crear"));
    M_ModificarIndicador = indicadores->addAction(QStringLiteral("&Modificar"));
    M_BorrarIndicador = indicadores->addAction(QStringLiteral("&Borrar"));
    QMenu* informes = menuBar()->addMenu(QStringLiteral("Informes"));
    Obtener1 = informes->addAction(QStringLiteral("Obtener"));
}

QList<QAction*> TMainForm::WorkCommands() const
{
    return {Nuevo1, FileOpenItem, Cabecera1, M_CrearMedida, M_ModificarMedida, M_BorrarMedida,
            Crear3, M_ModificarIndicador, M_BorrarIndicador, Obtener1};
}

void TMainForm::InhabilitarMenus()
{
    for (QAction* action : WorkCommands())
        action->setEnabled(false);
}

void TMainForm::habilitarMenus()
{
    for (QAction* action : WorkCommands())
        action->setEnabled(true);
}
