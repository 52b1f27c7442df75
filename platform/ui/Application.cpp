#include "Application.h"

#include "Messages.h"

#include <QFont>

namespace ui {

namespace {
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
