#include "Transaccion.h"

#include "BdatosADO.h"

void EnTransaccion(const std::function<void()>& escritura)
{
    ado::TADOConnection* conexion = DM_BdatosADO->Database1;
    conexion->BeginTrans();
    try {
        escritura();
        conexion->CommitTrans();
    } catch (...) {
        conexion->RollbackTrans();
        throw;
    }
}
