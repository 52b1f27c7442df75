#include "BloqueoMenus.h"

#include "shell/MAIN.h"

void BloquearMenus()
{
    if (MainForm)
        MainForm->InhabilitarMenus();
}

void DesbloquearMenus()
{
    if (MainForm)
        MainForm->habilitarMenus();
}
