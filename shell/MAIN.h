#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;

// The program's frame: menus, tool bar and status bar around the area in which
// every work window opens.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    // The lock around a work window: the ten work commands of the menu.
    void InhabilitarMenus();
    void habilitarMenus();

    QMdiArea* ClientArea() const { return m_area; }

    QAction* Nuevo1 = nullptr;
    QAction* FileOpenItem = nullptr;
    QAction* Cabecera1 = nullptr;
    QAction* M_CrearMedida = nullptr;
    QAction* M_ModificarMedida = nullptr;
    QAction* M_BorrarMedida = nullptr;
    QAction* Crear3 = nullptr;
    QAction* M_ModificarIndicador = nullptr;
    QAction* M_BorrarIndicador = nullptr;
    QAction* Obtener1 = nullptr;

private:
    QList<QAction*> WorkCommands() const;

    QMdiArea* m_area = nullptr;
};

extern QPointer<TMainForm> MainForm;
