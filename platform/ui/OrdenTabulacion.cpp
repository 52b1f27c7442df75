#include "OrdenTabulacion.h"

#include <QApplication>
#include <QGroupBox>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace ui {

namespace {

// The controls inside `contenedor` that take the focus, as they read: from top to
// bottom and, on one row, from left to right.
void AnadirDe(QWidget* contenedor, std::vector<QWidget*>& cadena)
{
    struct Lugar
    {
        QPoint punto;
        QWidget* control;
    };
    std::vector<Lugar> dentro;
    for (QWidget* control : contenedor->findChildren<QWidget*>()) {
        // Scroll bars and the like take no focus; a control that hands its focus on
        // (the edit field of a list) is reached through the one it hands it to.
        if (control->focusPolicy() != Qt::NoFocus && !control->focusProxy())
            dentro.push_back({control->mapTo(contenedor, QPoint(0, 0)), control});
    }
    std::stable_sort(dentro.begin(), dentro.end(), [](const Lugar& a, const Lugar& b) {
        return a.punto.y() != b.punto.y() ? a.punto.y() < b.punto.y() : a.punto.x() < b.punto.x();
    });
    for (const Lugar& lugar : dentro)
        cadena.push_back(lugar.control);
}

} // namespace

void OrdenTabulacion(QWidget* ventana, std::initializer_list<QWidget*> orden)
{
    std::vector<QWidget*> cadena{ventana};
    for (QWidget* control : orden) {
        // A control that takes no focus has no place of its own in the chain.
        if (control->focusPolicy() != Qt::NoFocus)
            cadena.push_back(control);
        if (auto* caja = qobject_cast<QScrollArea*>(control)) {
            if (caja->widget())
                AnadirDe(caja->widget(), cadena);
        } else if (qobject_cast<QGroupBox*>(control)) {
            AnadirDe(control, cadena);
        }
    }
    // The chain is a ring through the window. The toolkit leaves a control where it
    // is when only controls that take no focus stand between it and the one it should
    // follow, counting round the ring: so the window takes the focus meanwhile, which
    // also puts the first control right after it.
    const Qt::FocusPolicy propia = ventana->focusPolicy();
    if (propia == Qt::NoFocus)
        ventana->setFocusPolicy(Qt::ClickFocus);
    for (size_t i = 1; i < cadena.size(); ++i)
        QWidget::setTabOrder(cadena[i - 1], cadena[i]);
    ventana->setFocusPolicy(propia);
}

void SeguirFoco(QScrollArea* caja)
{
    // The box itself scrolls only when Tab starts inside it. A control clicked is left
    // where it is: moved from under the pointer, it would miss the click.
    QObject::connect(qApp, &QApplication::focusChanged, caja, [caja](QWidget*, QWidget* ahora) {
        if (ahora && QApplication::mouseButtons() == Qt::NoButton && caja->widget() &&
            caja->widget()->isAncestorOf(ahora))
            caja->ensureWidgetVisible(ahora);
    });
}

} // namespace ui
