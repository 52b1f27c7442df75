#include "BloqueoMenus.h"

#include "platform/ui/Frame.h"

void DesbloquearMenus()
{
    ui::habilitarMenus();
}
