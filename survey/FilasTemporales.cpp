#include "FilasTemporales.h"

#include "data/BdatosADO.h"
#include "data/Transaccion.h"

int FilasPregEncTemp()
{
    DM_BdatosADO->InicializarQuery(QStringLiteral("SELECT count(*) FROM PregEncTemp"));
    DM_BdatosADO->ActivarQSelect();
    DM_BdatosADO->Qquery->First();
    return DM_BdatosADO->Qquery->Eof() ? 0 : DM_BdatosADO->Qquery->Fields(0).AsInteger();
}

void VaciarPregEncTemp()
{
    DM_BdatosADO->InicializarQuery(QStringLiteral("DELETE * FROM PregEncTemp"));
    DM_BdatosADO->ActivarQInsertUpdate();
}

void TAltaFilas::Escribir(const std::function<void(TAltaFilas&)>& escribir)
{
    EnTransaccion([&] {
        TAltaFilas filas;
        escribir(filas);
    });
}

void TAltaFilas::Anyadir(const QString& definicion, int tipo)
{
    DM_BdatosADO->InicializarQuery(QStringLiteral(
        "INSERT INTO PregEncTemp(posicion,definicion,tipo) VALUES(:pos,:def,:tipo)"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("pos"), m_escritas + 1);
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("def"), definicion);
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("tipo"), tipo);
    DM_BdatosADO->ActivarQInsertUpdate();
    ++m_escritas;
}

void TAltaFilas::Anyadir(const QString& definicion)
{
    DM_BdatosADO->InicializarQuery(
        QStringLiteral("INSERT INTO PregEncTemp(posicion,definicion) VALUES(:pos,:def)"));
    DM_BdatosADO->InsertarParametroEntero(QStringLiteral("pos"), m_escritas + 1);
    DM_BdatosADO->InsertarParametroCadena(QStringLiteral("def"), definicion);
    DM_BdatosADO->ActivarQInsertUpdate();
    ++m_escritas;
}
