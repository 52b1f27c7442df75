#pragma once

#include "platform/ado/AdoConnection.h"
#include "platform/ado/AdoQuery.h"
#include "platform/ado/AdoTable.h"

#include <QObject>
#include <QPointer>

namespace graphics {
class TGraphic;
}

// The database module: reads "Dimarvolteca.ini", holds the one connection, the
// shared query every statement runs on and the shared table the reports read.
class TDM_BdatosADO : public QObject
{
    Q_OBJECT
public:
    explicit TDM_BdatosADO(QObject* owner);

    ado::TADOConnection* Database1 = nullptr;
    ado::TADOQuery* Qquery = nullptr;
    ado::TADOTable* Table = nullptr;
    QString RutaBD;
    QString ArchivoBD;
    QString RutaManualCastellano;
    QString RutaManualValenciano;
    QString RutaCatalogo;

    void InicializarQuery(const QString& sql);
    void InsertarParametroEntero(const QString& Nombre, int Valor);
    void InsertarParametroCadena(const QString& Nombre, const QString& Valor);
    void InsertarParametroBooleano(const QString& Nombre, bool Valor);
    void InsertarParametroImagen(const QString& Nombre, const graphics::TGraphic& Grafico);
    void ActivarQSelect();
    void ActivarQInsertUpdate();
    int NumFilas() const;

    // True when the connection failed at creation and the program must end.
    bool TerminacionSolicitada() const { return m_terminar; }

private:
    void DataModuleCreate();

    bool m_terminar = false;
};

extern QPointer<TDM_BdatosADO> DM_BdatosADO;
