#include "Transaccion.h"

#include "BdatosADO.h"

void EnTransaccion(const std::function<void()>& escritura)
{
    EnTransaccionSi([&] {
        escritura();
        return true;
    });
}

bool EnTransaccionSi(const std::function<bool()>& escritura)
{
    ado::TADOConnection* conexion = DM_BdatosADO->Database1;
    conexion->BeginTrans();
    try {
        if (!escritura()) {
            conexion->RollbackTrans();
            return false;
        }
        conexion->CommitTrans();
        return true;
    } catch (...) {
        conexion->RollbackTrans();
        throw;
    }
}

int SiguienteCodigo(const QString& sqlMaximo)
{
    DM_BdatosADO->InicializarQuery(sqlMaximo);
    DM_BdatosADO->ActivarQSelect();
    DM_BdatosADO->Qquery->First();
    return DM_BdatosADO->Qquery->Fields(0).AsInteger() + 1;
}

bool FilaExiste(const QString& sqlFila, int codigo)
{
    DM_BdatosADO->InicializarQuery(sqlFila);
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("codigo"), codigo);
    DM_BdatosADO->ActivarQSelect();
    return DM_BdatosADO->NumFilas() > 0;
}
