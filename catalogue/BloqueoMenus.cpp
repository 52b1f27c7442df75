#include "BloqueoMenus.h"

#include "shell/MAIN.h"

void DesbloquearMenus()
{
    if (MainForm)
        MainForm->habilitarMenus();
}
