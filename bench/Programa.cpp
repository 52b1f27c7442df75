#include "Programa.h"

#include "Medidas.h"
#include "data/BdatosADO.h"
#include "platform/ui/Application.h"
#include "shell/MAIN.h"

namespace bench {

bool AbrirPrograma()
{
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    if (DM_BdatosADO->TerminacionSolicitada())
        return false;
    MainForm = new TMainForm;
    MainForm->showMaximized();
    Esperar();
    return true;
}

} // namespace bench
