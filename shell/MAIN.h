#pragma once

#include "platform/ui/Frame.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QAction;
class QMdiArea;
class TEditActions;

namespace Ui {
class TMainForm;
}

// The program's frame: menus, tool bar and status bar around the area in which
// every work window opens.
class TMainForm : public QMainWindow, public ui::TFrame
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The lock around a work window: the ten work commands of the menu.
    void InhabilitarMenus() override;
    void habilitarMenus() override;
    QWidget* FrameWindow() override { return this; }

    QMdiArea* ClientArea() const { return m_area; }

    // A work command: the work commands are locked, then the window is made; when
    // making it fails they are unlocked again, so that an error never leaves every
    // command disabled with no window open.
    void AbrirVentanaTrabajo(const std::function<void()>& crear);

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

public slots:
    void Nuevo1Click();
    void M_CrearEncuestaClick();
    void FileOpen1Execute();
    void Insertar1Click();
    void Modificar1Click();
    void Borrar1Click();
    void M_CrearMedidaClick();
    void M_ModificarMedidaClick();
    void M_BorrarMedidaClick();
    void Crear3Click();
    void M_ModificarIndicadorClick();
    void M_BorrarIndicadorClick();
    void Obtener1Click();
    void HelpAbout1Execute();
    void CastellanoClick();
    void ValencianoClick();
    void CatalogodeIndicadores1Click();
    void FileExit1Execute();
    void ToolButton10Click();

private:
    void FormCreate();
    void DisponerMenus();
    void DisponerBarras();
    void AbrirDocumento(const QString& ruta, const QString& aviso);
    QList<QAction*> WorkCommands() const;

    std::unique_ptr<Ui::TMainForm> m_ui;
    TEditActions* m_edit = nullptr;
    QMdiArea* m_area = nullptr;
};

extern QPointer<TMainForm> MainForm;
