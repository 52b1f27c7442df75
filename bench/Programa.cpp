#include "Programa.h"

#include "Medidas.h"
#include "data/BdatosADO.h"
#include "platform/ui/Application.h"
#include "shell/MAIN.h"

namespace bench {

bool AbrirPrograma(bool maximizada)
{
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    if (DM_BdatosADO->TerminacionSolicitada())
        return false;
    MainForm = new TMainForm;
    if (maximizada)
        MainForm->showMaximized();
    else
        MainForm->show();
    Esperar();
    return true;
}

} // namespace bench
