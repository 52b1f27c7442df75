#include "Application.h"

#include "FocoVisible.h"
#include "Messages.h"
#include "TextoPlano.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

static void InitAplicacionQrc()
{
    Q_INIT_RESOURCE(aplicacion);
}

namespace ui {

namespace {
// The few texts of Qt's dialogs that its Spanish catalogue lacks (the kinds of file
// in the file dialog's list; the double-sided printing, page list and conflict
// warnings of the print dialog), gets wrong (a paper size named as the one before it)
// or words otherwise than the file and print dialogs users know, and than the rest of
// the program ("fichero" for "archivo"). Asked before Qt's catalogue: a text not listed
// here falls through to it.
class TMissingTranslations : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        static const struct
        {
            const char* context;
            const char* source;
            const char* spanish;
        } texts[] = {
            {"QAbstractFileIconProvider", "Folder", "Carpeta"},
            {"QAbstractFileIconProvider", "File", "Archivo"},
            {"QAbstractFileIconProvider", "Drive", "Unidad"},
            {"QAbstractFileIconProvider", "%1 File", "Archivo %1"},
            {"QFileDialog", "Look in:", "Buscar en:"},
            {"QFileDialog", "File &name:", "&Nombre de archivo:"},
            {"QFileDialog", "Files of type:", "Archivos de tipo:"},
            {"QFileDialog", "All Files (*)", "Todos los archivos (*)"},
            {"QFileDialog", "Show &hidden files", "Mostrar los arc&hivos ocultos"},
            {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
             "%1\nArchivo no encontrado.\nVerifique que el nombre del archivo es correcto."},
            {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
             "El archivo %1 ya existe.\n¿Desea reemplazarlo?"},
            {"QFileSystemModel", "Invalid filename", "Nombre de archivo no válido"},
            // The system's own words, given after the program's in a failure's message.
            {"QIODevice", "No such file or directory", "No existe el archivo o el directorio"},
            {"QIODevice", "Too many open files", "Demasiados archivos abiertos a la vez"},
            {"QPrintDialog", "Print To File ...", "Imprimir a archivo..."},
            {"QPrintDialog", "%1 is a directory.\nPlease choose a different file name.",
             "%1 es un directorio.\nElija un nombre de archivo diferente."},
            {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.",
             "No se puede escribir en el archivo %1.\nElija un nombre de archivo diferente."},
            {"QPrintWidget", "Output &file:", "&Archivo de salida:"},
            {"QPageSize", "Architect D", "Arquitecto D"},
            {"QPrintSettingsOutput", "Print range", "Intervalo de impresión"},
            {"QPrintSettingsOutput", "Pages", "Páginas"},
            {"QPrintSettingsOutput",
             "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
             "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
             "Indique páginas o intervalos separados por comas; un intervalo son dos números "
             "unidos por un guion. Por ejemplo, 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9."},
            {"QPrintSettingsOutput", "Current Page", "Página actual"},
            {"QPrintSettingsOutput", "Page Set:", "Conjunto de páginas:"},
            {"QPrintSettingsOutput", "Collate", "Intercalar"},
            {"QPrintSettingsOutput", "Reverse", "Orden inverso"},
            {"QPrintSettingsOutput", "Double Sided Printing", "Impresión a doble cara"},
            {"QPrintSettingsOutput", "Off", "Desactivada"},
            {"QPrintSettingsOutput", "Long side binding", "Encuadernación por el lado largo"},
            {"QPrintSettingsOutput", "Short side binding", "Encuadernación por el lado corto"},
            {"QPrintDialog", "Right to Left, Top to Bottom", "Derecha a izquierda, arriba a abajo"},
            {"QPrintDialog", "Invalid Pages Definition", "Páginas no válidas"},
            {"QPrintDialog",
             "%1 does not follow the correct syntax. Please use ',' to separate ranges and "
             "pages, '-' to define ranges and make sure ranges do not intersect with each other.",
             "«%1» no sigue la sintaxis correcta. Separe las páginas y los intervalos con «,», "
             "indique cada intervalo con «-» y compruebe que los intervalos no se solapan."},
            {"QPrintDialog", "Duplex Settings Conflicts",
             "Conflictos en la impresión a doble cara"},
            {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
             "Las opciones de impresión a doble cara están en conflicto. ¿Desea corregirlas?"},
            {"QPrintDialog",
             "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one "
             "of those options off.",
             "Las opciones «Páginas por hoja» y «Conjunto de páginas» no pueden usarse a la "
             "vez.\nDesactive una de las dos."},
            {"QPrintPropertiesWidget", "Advanced", "Avanzado"},
            {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
             "Algunas opciones están en conflicto. Corríjalas."},
            {"QPrintPropertiesDialog", "Page Setup Conflicts",
             "Conflictos en la configuración de página"},
            {"QPrintPropertiesDialog",
             "There are conflicts in page setup options. Do you want to fix them?",
             "Las opciones de configuración de página están en conflicto. ¿Desea corregirlas?"},
            {"QPrintPropertiesDialog", "Advanced Option Conflicts",
             "Conflictos en las opciones avanzadas"},
            {"QPrintPropertiesDialog",
             "There are conflicts in some advanced options. Do you want to fix them?",
             "Algunas opciones avanzadas están en conflicto. ¿Desea corregirlas?"},
            {"QCupsJobWidget", "Job Control", "Control de trabajos"},
            {"QCupsJobWidget", "Weekend (Saturday to Sunday)", "Fin de semana (sábado a domingo)"},
        };
        for (const auto& text : texts)
            if (qstrcmp(context, text.context) == 0 && qstrcmp(sourceText, text.source) == 0)
                return QString::fromUtf8(text.spanish);
        return QString();
    }

    bool isEmpty() const override { return false; }
};

QObject*& AppObjectSlot()
{
    static QObject* object = nullptr;
    return object;
}
} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Dimarvolteca"));
    InstallFontSubstitutes();
    InstallSpanish(this);
    InstalarAyudasPlanas(this);
    InstalarFocoVisible(this);
    setWindowIcon(ProgramIcon());
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowMessageBox({QStringLiteral("Dimarvolteca"), QStringLiteral("Error desconocido."),
                        QMessageBox::Critical});
    }
    return true;
}

void ShowException(const std::exception& error)
{
    QString text = QString::fromUtf8(error.what()).trimmed();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    ShowMessageBox({QStringLiteral("Dimarvolteca"), text, QMessageBox::Critical});
}

void RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowMessageBox({QStringLiteral("Dimarvolteca"), QStringLiteral("Error desconocido."),
                        QMessageBox::Critical});
    }
}

void InstallFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Book Antiqua"), QStringLiteral("P052"));
}

bool InstallSpanish(QCoreApplication* application)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    // "qt_es" gathers the Spanish texts of every Qt module: dialogs, buttons, printing.
    auto* translator = new QTranslator(application);
    if (!translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qt"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // The translator installed last is asked first.
    const bool installed = QCoreApplication::installTranslator(translator);
    QCoreApplication::installTranslator(new TMissingTranslations(application));
    return installed;
}

QString ShortDateText(const QDate& date)
{
    // Qt's Spanish short date drops the year's century; the desktop the program was
    // designed for writes it whole, with two-digit days and months.
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(date, QStringLiteral("dd/MM/yyyy"));
}

QIcon ProgramIcon()
{
    static const bool loaded = (InitAplicacionQrc(), true);
    Q_UNUSED(loaded);
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/aplicacion/icono-%1.png").arg(size), QSize(size, size));
    return icon;
}

QObject* ApplicationObject()
{
    if (!AppObjectSlot()) {
        AppObjectSlot() = new QObject;
        AppObjectSlot()->setObjectName(QStringLiteral("Application"));
    }
    return AppObjectSlot();
}

void ReleaseApplicationObject()
{
    delete AppObjectSlot();
    AppObjectSlot() = nullptr;
}

} // namespace ui
