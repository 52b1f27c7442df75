#include "OrdenTabulacion.h"

#include <QEvent>
#include <QGroupBox>
#include <QPointer>
#include <QScrollArea>
#include <QWidget>
#include <tuple>
#include <vector>

namespace ui {

namespace {

// The order declared for a window, kept by the window itself.
class TOrden : public QObject
{
public:
    explicit TOrden(QWidget* ventana) : QObject(ventana) { ventana->installEventFilter(this); }

    std::vector<QPointer<QWidget>> Controles;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};

TOrden* OrdenDe(const QWidget* ventana)
{
    for (QObject* hijo : ventana->children())
        if (auto* orden = dynamic_cast<TOrden*>(hijo))
            return orden;
    return nullptr;
}

bool TomaTab(const QWidget* control)
{
    return (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && control->isEnabled();
}

// The controls inside a scroll box or a group box stand in its place; none other holds any.
bool EsCaja(const QWidget* control)
{
    return qobject_cast<const QScrollArea*>(control) || qobject_cast<const QGroupBox*>(control);
}

QWidget* ContenidoDe(QWidget* caja)
{
    if (auto* desplazable = qobject_cast<QScrollArea*>(caja))
        return desplazable->widget();
    return caja;
}

// The control inside `contenido` that comes right after `desde` as they read (before it,
// going back): from top to bottom and, on one row, from left to right; without `desde`, the
// first one (the last one). One pass over the controls that are there now, with no list
// kept, since they may be thousands and change at every view.
QWidget* EnLaCaja(QWidget* contenido, const QWidget* desde, bool adelante)
{
    using Lugar = std::tuple<int, int, int>;
    const QList<QWidget*> controles = contenido->findChildren<QWidget*>();
    const auto lugarDe = [contenido](const QWidget* control, int n) {
        const QPoint punto = control->mapTo(contenido, QPoint(0, 0));
        return Lugar{punto.y(), punto.x(), n};
    };
    Lugar partida;
    if (desde)
        partida = lugarDe(desde, int(controles.indexOf(const_cast<QWidget*>(desde))));
    QWidget* elegido = nullptr;
    Lugar lugarElegido;
    for (int n = 0; n < controles.size(); ++n) {
        QWidget* control = controles.at(n);
        // A control that hands its focus on (the edit field of a list) is reached through
        // the one it hands it to.
        if (!TomaTab(control) || control->focusProxy() || !control->isVisibleTo(contenido))
            continue;
        const Lugar lugar = lugarDe(control, n);
        if (desde && (adelante ? !(partida < lugar) : !(lugar < partida)))
            continue;
        if (!elegido || (adelante ? lugar < lugarElegido : lugarElegido < lugar)) {
            elegido = control;
            lugarElegido = lugar;
        }
    }
    return elegido;
}

// Where the focus goes from `foco` in the window's order; none when the focus is on a
// control the order leaves out, or nothing in the order takes it.
QWidget* Destino(QWidget* ventana, const std::vector<QPointer<QWidget>>& orden, QWidget* foco,
                 bool adelante)
{
    const int total = int(orden.size());
    // The declared control that the focus is on, or else the innermost one that holds it.
    int aqui = -1;
    for (int i = 0; i < total; ++i) {
        QWidget* control = orden[size_t(i)];
        if (!control)
            continue;
        if (control == foco) {
            aqui = i;
            break;
        }
        if (control->isAncestorOf(foco) &&
            (aqui == -1 || orden[size_t(aqui)]->isAncestorOf(control)))
            aqui = i;
    }
    if (aqui == -1) {
        if (foco != ventana)
            return nullptr;
        // From the window itself, on to the first control or back to the last.
        aqui = adelante ? -1 : total;
    } else if (EsCaja(orden[size_t(aqui)])) {
        // Inside the box, on to its next control; from the box itself, to its first.
        QWidget* contenido = ContenidoDe(orden[size_t(aqui)]);
        const bool dentro = contenido && contenido->isAncestorOf(foco);
        if (contenido && (dentro || adelante))
            if (QWidget* siguiente = EnLaCaja(contenido, dentro ? foco : nullptr, adelante))
                return siguiente;
    }
    for (int paso = 1; paso <= total; ++paso) {
        const int i = ((aqui + (adelante ? paso : -paso)) % total + total) % total;
        QWidget* control = orden[size_t(i)];
        if (!control || !control->isVisibleTo(ventana))
            continue;
        if (EsCaja(control)) {
            QWidget* contenido = ContenidoDe(control);
            if (QWidget* dentro = contenido ? EnLaCaja(contenido, nullptr, adelante) : nullptr)
                return dentro;
        } else if (TomaTab(control)) {
            return control;
        }
    }
    return nullptr;
}

bool TOrden::eventFilter(QObject* objeto, QEvent* evento)
{
    // A window shown with the focus nowhere in it starts on its first control. The frame
    // of the work area gives a child window its focus as it takes it in, before the window
    // itself shows, but after it is polished.
    if ((evento->type() == QEvent::Polish || evento->type() == QEvent::ShowToParent) &&
        objeto == parent()) {
        auto* ventana = static_cast<QWidget*>(objeto);
        QWidget* foco = ventana->focusWidget();
        if (!foco || foco == ventana)
            if (QWidget* primero = Destino(ventana, Controles, ventana, true))
                primero->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

} // namespace

void OrdenTabulacion(QWidget* ventana, std::initializer_list<QWidget*> orden)
{
    TOrden* propio = OrdenDe(ventana);
    if (!propio)
        propio = new TOrden(ventana);
    propio->Controles.assign(orden.begin(), orden.end());
}

bool Tabular(QWidget* ventana, bool adelante)
{
    const TOrden* orden = OrdenDe(ventana);
    QWidget* foco = ventana->focusWidget();
    if (!orden || !foco)
        return false;
    QWidget* destino = Destino(ventana, orden->Controles, foco, adelante);
    if (!destino)
        return false;
    destino->setFocus(adelante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    for (QWidget* padre = destino->parentWidget(); padre && padre != ventana;
         padre = padre->parentWidget()) {
        if (auto* caja = qobject_cast<QScrollArea*>(padre)) {
            caja->ensureWidgetVisible(destino);
            break;
        }
    }
    return true;
}

} // namespace ui
