#include "BdatosADO.h"

#include "General.h"
#include "platform/graphics/Graphic.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/Application.h"

#include <QDir>

QPointer<TDM_BdatosADO> DM_BdatosADO;

TDM_BdatosADO::TDM_BdatosADO(QObject* owner) : QObject(owner)
{
    DataModuleCreate();
}

void TDM_BdatosADO::DataModuleCreate()
{
    // The paths keep their Windows form: the ini's values start with a backslash and
    // are appended to the current directory with no separator of their own.
    const QString dir = QDir::currentPath();
    const TIniFile ini(ado::FileSystemPath(dir + QStringLiteral("\\Dimarvolteca.ini")));
    RutaBD = ini.ReadString(QStringLiteral("Base_de_Datos"), QStringLiteral("rutabd"));
    ArchivoBD = ini.ReadString(QStringLiteral("Base_de_Datos"), QStringLiteral("archivo"));
    RutaBD = dir + RutaBD + QStringLiteral("\\") + ArchivoBD;
    RutaManualCastellano =
        dir + ini.ReadString(QStringLiteral("Manualc"), QStringLiteral("rutamanual"));
    RutaManualValenciano =
        dir + ini.ReadString(QStringLiteral("Manualv"), QStringLiteral("rutamanual"));
    RutaCatalogo = dir + ini.ReadString(QStringLiteral("Catalogo"), QStringLiteral("rutacatalogo"));

    Database1 = new ado::TADOConnection(ui::ApplicationObject());
    Database1->LoginPrompt = false;
    Database1->ConnectionString = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                                  RutaBD + QStringLiteral(";Persist Security Info=False");
    try {
        Database1->Open();
    } catch (const std::exception&) {
        TDM_General::MensajeError(QStringLiteral("Error al conectar a la base de datos"));
        Database1->Close();
        m_terminar = true;
    }
    Database1->KeepConnection = true;

    Qquery = new ado::TADOQuery(ui::ApplicationObject());
    Qquery->SetConnection(Database1);
    Table = new ado::TADOTable(ui::ApplicationObject());
    Table->SetConnection(Database1);
}

void TDM_BdatosADO::InicializarQuery(const QString& sql)
{
    Qquery->Close();
    Qquery->SetSQL(QString());
    Qquery->SetSQL(sql);
}

void TDM_BdatosADO::InsertarParametroEntero(const QString& Nombre, int Valor)
{
    Qquery->SetParam(Nombre, Valor);
}

void TDM_BdatosADO::InsertarParametroCadena(const QString& Nombre, const QString& Valor)
{
    // An empty text is stored as an empty text, never as a null.
    Qquery->SetParam(Nombre, Valor.isNull() ? QString::fromLatin1("", 0) : Valor);
}

void TDM_BdatosADO::InsertarParametroBooleano(const QString& Nombre, bool Valor)
{
    Qquery->SetParam(Nombre, Valor ? 1 : 0);
}

void TDM_BdatosADO::InsertarParametroImagen(const QString& Nombre,
                                            const graphics::TGraphic& Grafico)
{
    Qquery->SetParam(Nombre, Grafico.SaveToStream());
}

void TDM_BdatosADO::ActivarQSelect()
{
    Qquery->Open();
}

void TDM_BdatosADO::ActivarQInsertUpdate()
{
    Qquery->Close();
    Qquery->ExecSQL();
}

int TDM_BdatosADO::NumFilas() const
{
    return Qquery->RecordCount();
}
