#include "DatabaseError.h"

#include <QSqlError>
#include <sqlite3.h>

namespace ado {

QString ReadFailed()
{
    return QStringLiteral("No se ha podido leer la base de datos");
}

QString SaveFailed()
{
    return QStringLiteral("No se ha podido guardar en la base de datos");
}

namespace {

// Why SQLite refused, in words the user can act on.
QString Cause(const QSqlError& error, const QString& text)
{
    bool known = false;
    const int code = error.nativeErrorCode().toInt(&known) & 0xff;
    switch (known ? code : -1) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("la base de datos está en uso por otro programa. Espere a que "
                              "termine o ciérrelo, y vuelva a intentarlo.");
    case SQLITE_READONLY:
        return QStringLiteral("el archivo de la base de datos o su carpeta es de solo lectura.");
    case SQLITE_FULL:
        return QStringLiteral("el disco está lleno.");
    case SQLITE_NOTADB:
        return QStringLiteral("el archivo no es una base de datos.");
    case SQLITE_CORRUPT:
        return QStringLiteral("la base de datos está dañada.");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("la base de datos no admite estos datos: ya hay una fila con la "
                              "misma clave o falta un valor obligatorio.");
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        return QStringLiteral("el archivo no se ha podido leer o escribir: puede que el disco "
                              "esté lleno, que el archivo o su carpeta sean de solo lectura o "
                              "que el archivo ya no esté disponible.");
    default:
        break;
    }
    if (text.startsWith(QLatin1String("no such table"), Qt::CaseInsensitive) ||
        text.startsWith(QLatin1String("no such column"), Qt::CaseInsensitive))
        return QStringLiteral("falta una tabla o una columna: la base de datos está "
                              "dañada o es de otra versión del programa.");
    return QStringLiteral(
        "puede que la base de datos esté en uso por otro programa, que el archivo o su carpeta "
        "sean de solo lectura, que el disco esté lleno, que falte una tabla (la base de datos "
        "estaría dañada o sería de otra versión del programa) o que el archivo no sea una base "
        "de datos.");
}

} // namespace

EDatabaseError DriverError(const QString& what, const QSqlError& error)
{
    // The database's own text; the driver's is only the step that failed.
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    return EDatabaseError(what + QStringLiteral(": ") + Cause(error, text) +
                          QStringLiteral("\nDetalle técnico: ") + text);
}

} // namespace ado
