#include "OrdenTabulacion.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QPointer>
#include <QRadioButton>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>
#include <tuple>
#include <vector>

namespace ui {

namespace {

// The order of a window, kept by the window itself: the controls its description
// declares or, while it declares none, the toolkit's order of its controls.
class TOrden : public QObject
{
public:
    explicit TOrden(QWidget* ventana);

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

// The exclusive group a radio button belongs to; none for any other control.
const QObject* GrupoDe(const QWidget* control)
{
    const auto* boton = qobject_cast<const QRadioButton*>(control);
    if (!boton)
        return nullptr;
    if (const QButtonGroup* grupo = boton->group())
        return grupo->exclusive() ? grupo : nullptr;
    return boton->autoExclusive() ? boton->parentWidget() : nullptr;
}

bool TomaTab(const QWidget* control)
{
    // The toolkit leaves Tab to the one button of a group that had the focus last; here a
    // group is one stop, on its chosen button, so that any of its buttons may be it.
    const Qt::FocusPolicy necesaria = GrupoDe(control) ? Qt::ClickFocus : Qt::TabFocus;
    return (control->focusPolicy() & necesaria) == necesaria && control->isEnabled();
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

// A stop of the order and the place, in the window's list of controls, of the one it
// belongs to.
struct TParada
{
    QWidget* Control;
    int Entrada;
};

// The controls inside `contenido` that take Tab, as they read: from top to bottom and, on
// one row, from left to right. Looked for at each key, since they may be made, moved,
// shown and hidden at any time. A control that hands its focus on (the edit field of a
// list) is reached through the one it hands it to.
void AnyadirCaja(std::vector<TParada>& paradas, QWidget* contenido, int entrada)
{
    using Lugar = std::tuple<int, int, int>;
    std::vector<std::pair<Lugar, QWidget*>> dentro;
    const QList<QWidget*> controles = contenido->findChildren<QWidget*>();
    for (int n = 0; n < controles.size(); ++n) {
        QWidget* control = controles.at(n);
        if (!TomaTab(control) || control->focusProxy() || !control->isVisibleTo(contenido))
            continue;
        const QPoint punto = control->mapTo(contenido, QPoint(0, 0));
        dentro.push_back({Lugar{punto.y(), punto.x(), n}, control});
    }
    std::sort(dentro.begin(), dentro.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [lugar, control] : dentro)
        paradas.push_back({control, entrada});
}

// Every stop of the window's order as it shows now, a radio group standing once, where its
// first button stands, on its chosen button or, while none is chosen, on that first one.
// `entradas` receives the window's list of controls that the stops refer to.
std::vector<TParada> Paradas(QWidget* ventana, const TOrden& orden, std::vector<QWidget*>& entradas)
{
    std::vector<TParada> todas;
    if (orden.Controles.empty()) {
        for (QWidget* w = ventana->nextInFocusChain(); w && w != ventana;
             w = w->nextInFocusChain()) {
            if (!ventana->isAncestorOf(w))
                continue;
            entradas.push_back(w);
            if (TomaTab(w) && !w->focusProxy() && w->isVisibleTo(ventana))
                todas.push_back({w, int(entradas.size()) - 1});
        }
    } else {
        for (const QPointer<QWidget>& control : orden.Controles) {
            entradas.push_back(control);
            const int entrada = int(entradas.size()) - 1;
            if (!control || !control->isVisibleTo(ventana))
                continue;
            if (EsCaja(control)) {
                if (QWidget* contenido = ContenidoDe(control))
                    AnyadirCaja(todas, contenido, entrada);
            } else if (TomaTab(control)) {
                todas.push_back({control, entrada});
            }
        }
    }
    std::vector<TParada> paradas;
    std::vector<const QObject*> grupos;
    for (const TParada& parada : todas) {
        const QObject* grupo = GrupoDe(parada.Control);
        if (!grupo) {
            paradas.push_back(parada);
            continue;
        }
        if (std::find(grupos.begin(), grupos.end(), grupo) != grupos.end())
            continue;
        grupos.push_back(grupo);
        TParada elegida = parada;
        for (const TParada& otra : todas)
            if (GrupoDe(otra.Control) == grupo &&
                static_cast<const QRadioButton*>(otra.Control)->isChecked())
                elegida.Control = otra.Control;
        paradas.push_back(elegida);
    }
    return paradas;
}

// Where the focus goes from `foco` in the window's order; none when the focus is on a
// control the order leaves out, or nothing in the order takes it.
QWidget* Destino(QWidget* ventana, const TOrden& orden, QWidget* foco, bool adelante)
{
    std::vector<QWidget*> entradas;
    const std::vector<TParada> paradas = Paradas(ventana, orden, entradas);
    if (paradas.empty())
        return nullptr;
    // A control that does not show takes no keys: the keyboard goes back to the start.
    if (foco != ventana && !foco->isVisibleTo(ventana))
        return paradas.front().Control;

    const int total = int(paradas.size());
    const QObject* grupo = GrupoDe(foco);
    for (int k = 0; k < total; ++k)
        if (paradas[size_t(k)].Control == foco ||
            (grupo && GrupoDe(paradas[size_t(k)].Control) == grupo))
            return paradas[size_t(((k + (adelante ? 1 : -1)) % total + total) % total)].Control;

    // Elsewhere: the innermost control of the list that holds it; the window itself comes
    // before them all.
    int aqui = -1;
    if (foco != ventana) {
        for (int i = 0; i < int(entradas.size()); ++i) {
            QWidget* entrada = entradas[size_t(i)];
            if (entrada == foco) {
                aqui = i;
                break;
            }
            if (entrada && entrada->isAncestorOf(foco) &&
                (aqui == -1 || entradas[size_t(aqui)]->isAncestorOf(entrada)))
                aqui = i;
        }
        if (aqui == -1)
            return nullptr;
    }
    // From a box itself, Tab goes on to the first control inside it.
    const bool caja = aqui >= 0 && !orden.Controles.empty() && EsCaja(entradas[size_t(aqui)]);
    if (adelante) {
        for (const TParada& parada : paradas)
            if (parada.Entrada > aqui || (caja && parada.Entrada == aqui))
                return parada.Control;
        return paradas.front().Control;
    }
    for (auto parada = paradas.rbegin(); parada != paradas.rend(); ++parada)
        if (parada->Entrada < aqui)
            return parada->Control;
    return paradas.back().Control;
}

// Where the focus given to a box of the order goes, since the box is no stop: to the first
// control in it or, while none shows there, back to the stop it came from (the list whose
// dropped-down items had it, say), else to the stop before the box. None when the window
// has no stop at all.
QWidget* EnLaCaja(QWidget* ventana, const TOrden& orden, QWidget* caja, QWidget* antes)
{
    std::vector<QWidget*> entradas;
    const std::vector<TParada> paradas = Paradas(ventana, orden, entradas);
    const int entrada = int(std::find(entradas.begin(), entradas.end(), caja) - entradas.begin());
    for (const TParada& parada : paradas)
        if (parada.Entrada == entrada)
            return parada.Control;
    for (QWidget* w = antes; w; w = w->parentWidget())
        for (const TParada& parada : paradas)
            if (parada.Control == w)
                return w;
    return Destino(ventana, orden, caja, false);
}

// Gives `destino` the focus and scrolls it into sight in the scroll box that holds it.
void Enfocar(QWidget* ventana, QWidget* destino, Qt::FocusReason razon)
{
    destino->setFocus(razon);
    for (QWidget* padre = destino->parentWidget(); padre && padre != ventana;
         padre = padre->parentWidget()) {
        if (auto* caja = qobject_cast<QScrollArea*>(padre)) {
            caja->ensureWidgetVisible(destino);
            break;
        }
    }
}

// The focus always ends on a stop of a shown window's order, whatever put it elsewhere: on
// a control that does not show, it goes on to the window's first control that does; on a
// box of the order, into the box as EnLaCaja says.
void VigilarFoco()
{
    static bool vigilado = false;
    if (vigilado || !qApp)
        return;
    vigilado = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* antes, QWidget* ahora) {
        for (QWidget* ventana = ahora ? ahora->parentWidget() : nullptr; ventana;
             ventana = ventana->parentWidget()) {
            const TOrden* orden = OrdenDe(ventana);
            if (!orden)
                continue;
            if (!ventana->isVisible())
                return;
            QWidget* destino = nullptr;
            if (!ahora->isVisibleTo(ventana))
                destino = Destino(ventana, *orden, ahora, true);
            else if (EsCaja(ahora) && std::find(orden->Controles.begin(), orden->Controles.end(),
                                                ahora) != orden->Controles.end())
                destino = EnLaCaja(ventana, *orden, ahora, antes);
            if (destino && destino != ahora)
                Enfocar(ventana, destino, Qt::OtherFocusReason);
            return;
        }
    });
}

TOrden::TOrden(QWidget* ventana) : QObject(ventana)
{
    ventana->installEventFilter(this);
    VigilarFoco();
}

bool TOrden::eventFilter(QObject* objeto, QEvent* evento)
{
    // A window shown with the focus nowhere in it, or on a control that no longer shows,
    // starts on its first control. The frame of the work area gives a child window its
    // focus as it takes it in, before the window itself shows, but after it is polished.
    if ((evento->type() == QEvent::Polish || evento->type() == QEvent::ShowToParent) &&
        objeto == parent()) {
        auto* ventana = static_cast<QWidget*>(objeto);
        QWidget* foco = ventana->focusWidget();
        if (!foco || foco == ventana || !foco->isVisibleTo(ventana))
            if (QWidget* primero = Destino(ventana, *this, ventana, true))
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
    // A click on a scroll box where it holds no control leaves the focus where it is.
    for (QWidget* control : orden)
        if (qobject_cast<QScrollArea*>(control))
            control->setFocusPolicy(Qt::NoFocus);
}

bool Tabular(QWidget* ventana, bool adelante)
{
    // A window going out of sight takes the keyboard with it: the toolkit finds it another
    // place.
    const TOrden* orden = OrdenDe(ventana);
    QWidget* foco = ventana->focusWidget();
    if (!orden || !foco || !ventana->isVisible())
        return false;
    QWidget* destino = Destino(ventana, *orden, foco, adelante);
    if (!destino)
        return false;
    Enfocar(ventana, destino, adelante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace ui
