#include "VentanaCabecera.h"

#include "BloqueoMenus.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/Ownership.h"

#include <QCloseEvent>

TVentanaCabecera::TVentanaCabecera(QObject* owner, QSize tamano) : m_tamano(tamano)
{
    ui::Own(owner, this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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
