#include "MdiHost.h"

#include "Look.h"
#include "OrdenTabulacion.h"
#include "Ownership.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace ui {

namespace {
QPointer<QMdiArea>& AreaSlot()
{
    static QPointer<QMdiArea> area;
    return area;
}

QMdiSubWindow* SubWindowOf(QWidget* form)
{
    return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
}

// The form keeps its border in its flags, which survive every move in and out of
// the frame.
bool HasSingleBorder(const QWidget* form)
{
    return form->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
}

// Qt lets Enter press a focused button only in dialogs; the work windows are not
// dialogs, but their users expect it everywhere.
void PressButtonsWithEnter(QWidget* form)
{
    for (QPushButton* button : form->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void SizeFrame(QWidget* frame, QSize size, bool single)
{
    if (single) {
        frame->setFixedSize(size);
    } else {
        frame->setMinimumSize(0, 0);
        frame->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        frame->resize(size);
    }
}
} // namespace

void SetMdiArea(QMdiArea* area)
{
    AreaSlot() = area;
}

QMdiArea* MdiArea()
{
    return AreaSlot();
}

void SetUpWorkWindow(QWidget* form, QObject* owner, Border border)
{
    Own(owner, form);
    form->setAttribute(Qt::WA_DeleteOnClose);
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (border == Border::Single)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    form->setWindowFlags(flags);
    form->setFont(FontByHeight(QStringLiteral("MS Sans Serif"), -11));
    // The keyboard goes round in the toolkit's order until the window declares its own.
    OrdenTabulacion(form, {});
}

QWidget* FrameOf(QWidget* form)
{
    QMdiSubWindow* sub = SubWindowOf(form);
    return sub ? static_cast<QWidget*>(sub) : form;
}

QMdiSubWindow* ShowMdiChild(QWidget* form, QSize size)
{
    QMdiArea* area = MdiArea();
    QMdiSubWindow* sub = SubWindowOf(form);
    const QSize own = form->size();
    const bool single = HasSingleBorder(form);
    PressButtonsWithEnter(form);
    if (!area) {
        SizeFrame(form, size.isValid() ? size : own, single);
        form->show();
        CenterForm(form);
        return nullptr;
    }
    if (!sub) {
        const Qt::WindowFlags flags =
            form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
        sub = new QMdiSubWindow(nullptr, Qt::SubWindow | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint | flags);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWidget(form);
        sub->setWindowTitle(form->windowTitle());
        area->addSubWindow(sub);
        // The form may go while its child window is being destroyed: the guard holds
        // no more than an object by then.
        QPointer<QObject> guard(sub);
        QObject::connect(form, &QObject::destroyed, sub, [guard] {
            if (guard)
                guard->deleteLater();
        });
    }
    form->show();
    // A form laid out by absolute positions has no size hint: without a size, the
    // child window wraps the form's own.
    SizeFrame(sub, size.isValid() ? size : own.grownBy(sub->contentsMargins()), single);
    sub->show();
    CenterForm(form);
    sub->raise();
    area->setActiveSubWindow(sub);
    return sub;
}

void HideMdiChild(QWidget* form)
{
    QMdiSubWindow* sub = SubWindowOf(form);
    if (!sub) {
        form->hide();
        return;
    }
    // Out of the frame: the child window lets go of the form and goes away.
    sub->setWidget(nullptr);
    form->setParent(nullptr);
    form->hide();
    QMdiArea* area = sub->mdiArea();
    if (area)
        area->removeSubWindow(sub);
    sub->deleteLater();
}

void CloseForm(QWidget* form)
{
    if (!form)
        return;
    if (QMdiSubWindow* sub = SubWindowOf(form))
        sub->close();
    else
        form->close();
}

void CenterForm(QWidget* form)
{
    QWidget* frame = FrameOf(form);
    QRect bounds;
    if (frame != form && MdiArea()) {
        bounds = MdiArea()->viewport()->rect();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        bounds = screen->availableGeometry();
    }
    if (bounds.isEmpty())
        return;
    const QSize size = frame->frameGeometry().size();
    QPoint topLeft = bounds.center() - QPoint(size.width() / 2, size.height() / 2);
    if (frame != form)
        topLeft = QPoint(qMax(0, topLeft.x()), qMax(0, topLeft.y()));
    frame->move(topLeft);
}

} // namespace ui
