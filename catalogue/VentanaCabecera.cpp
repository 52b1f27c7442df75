#include "VentanaCabecera.h"

#include "BloqueoMenus.h"
#include "platform/ui/MdiHost.h"

#include <QCloseEvent>

TVentanaCabecera::TVentanaCabecera(QObject* owner, QSize tamano) : m_tamano(tamano)
{
    ui::SetUpWorkWindow(this, owner);
}

void TVentanaCabecera::Mostrar()
{
    ui::ShowMdiChild(this, m_tamano);
}

void TVentanaCabecera::B_SalirClick()
{
    ui::CloseForm(this);
}

void TVentanaCabecera::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TVentanaCabecera::FormClose()
{
    DesbloquearMenus();
}
