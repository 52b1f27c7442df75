#include "VentanaCabecera.h"

#include "BloqueoMenus.h"
#include "platform/ui/MdiHost.h"
#include "platform/ui/OrdenTabulacion.h"

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

bool TVentanaCabecera::focusNextPrevChild(bool next)
{
    return ui::Tabular(this, next) || QWidget::focusNextPrevChild(next);
}

void TVentanaCabecera::FormClose()
{
    DesbloquearMenus();
}
