#include "data/BdatosADO.h"
#include "platform/ui/Application.h"

#include <cstdio>

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    DM_BdatosADO = new TDM_BdatosADO(ui::ApplicationObject());
    if (DM_BdatosADO->TerminacionSolicitada()) {
        ui::ReleaseApplicationObject();
        return 1;
    }
    std::printf("Base de datos abierta: %s\n", qPrintable(DM_BdatosADO->RutaBD));
    ui::ReleaseApplicationObject();
    return 0;
}
