#include "StandardPreview.h"

#include "QRStandardPreview.h"
#include "platform/report/Previewer.h"
#include "platform/ui/Application.h"
#include "platform/ui/Ownership.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

namespace report {

namespace {

const char* const kOpenedProperty = "previewSerial";

class TStandardPreviewer : public TPreviewer
{
public:
    QObject* Open(TQRPrinter& printer, std::function<void()> closed) override
    {
        static qint64 serial = 0;
        auto* window = new TQRStandardPreview;
        window->setProperty(kOpenedProperty, ++serial);
        // Whatever preview is still open goes when the program ends.
        ui::Own(ui::ApplicationObject(), window);
        if (closed) {
            auto once = std::make_shared<std::function<void()>>(std::move(closed));
            auto fire = [once] {
                if (*once) {
                    auto call = std::move(*once);
                    *once = nullptr;
                    call();
                }
            };
            QObject::connect(window, &TQRStandardPreview::Closed, fire);
            QObject::connect(window, &QObject::destroyed, fire);
        }
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect room = screen->availableGeometry();
            window->resize(room.width() * 3 / 4, room.height() * 3 / 4);
            window->move(room.center() - window->rect().center());
        }
        window->ShowPrinter(&printer);
        return window;
    }

    void Show(QObject* window) override
    {
        auto* preview = qobject_cast<TQRStandardPreview*>(window);
        if (preview && !preview->IsClosed() && !preview->isVisible())
            preview->show();
    }

    void Close(QObject* window) override
    {
        if (auto* widget = qobject_cast<QWidget*>(window))
            widget->close();
    }
};

} // namespace

void InstallStandardPreview()
{
    static TStandardPreviewer previewer;
    SetStandardPreviewer(&previewer);
}

QWidget* FindPreviewWindow()
{
    QWidget* latest = nullptr;
    qint64 latestSerial = -1;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        auto* preview = qobject_cast<TQRStandardPreview*>(window);
        if (!preview || preview->IsClosed())
            continue;
        const qint64 serial = window->property(kOpenedProperty).toLongLong();
        if (serial > latestSerial) {
            latest = window;
            latestSerial = serial;
        }
    }
    return latest;
}

void HidePreviewCaptionBar()
{
    QWidget* window = FindPreviewWindow();
    if (!window)
        return;
    window->hide();
    if (!window->windowFlags().testFlag(Qt::FramelessWindowHint))
        window->setWindowFlag(Qt::FramelessWindowHint, true);
    window->showMaximized();
}

} // namespace report
