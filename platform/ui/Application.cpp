#include "Application.h"

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
// in the file dialog's list) or words otherwise than the file dialogs users know.
// Asked before Qt's catalogue: a text not listed here falls through to it.
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
