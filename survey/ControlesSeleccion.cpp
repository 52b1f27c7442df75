#include "ControlesSeleccion.h"

#include "platform/ui/Look.h"
#include "platform/ui/TextoPlano.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

bool Tabulable(const QWidget* control, const QWidget* ventana)
{
    return (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && control->isEnabled() &&
           !control->focusProxy() && ventana->isAncestorOf(control) &&
           control->isVisibleTo(ventana);
}

// Inside the scroll box, the scroll box itself left out.
bool Dentro(const QWidget* control, const QScrollArea* caja)
{
    return control != caja && caja->isAncestorOf(control);
}

// The boxes of the view shown, in reading order. Only a Tab key asks for them, so
// nothing is kept up to date while views change.
std::vector<QCheckBox*> CasillasALaVista(QScrollArea* caja)
{
    std::vector<std::pair<std::pair<int, int>, QCheckBox*>> lugares;
    QWidget* contenido = caja->widget();
    if (!contenido)
        return {};
    for (QCheckBox* casilla : contenido->findChildren<QCheckBox*>()) {
        if (!casilla->isVisibleTo(contenido) || !casilla->isEnabled() ||
            (casilla->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
            continue;
        const QPoint lugar = casilla->mapTo(contenido, QPoint());
        lugares.push_back({{lugar.y(), lugar.x()}, casilla});
    }
    std::sort(lugares.begin(), lugares.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QCheckBox*> casillas;
    casillas.reserve(lugares.size());
    for (const auto& lugar : lugares)
        casillas.push_back(lugar.second);
    return casillas;
}

// The window's control that the focus goes to from `desde` in the window's own order,
// leaving out the scroll box's content (but not the scroll box).
QWidget* Vecino(QWidget* ventana, QScrollArea* caja, QWidget* desde, bool adelante)
{
    QWidget* control = desde;
    do {
        control = adelante ? control->nextInFocusChain() : control->previousInFocusChain();
        if (control != desde && !Dentro(control, caja) && Tabulable(control, ventana))
            return control;
    } while (control && control != desde);
    return nullptr;
}

} // namespace

QCheckBox* CrearCasillaSeleccion(QWidget* contenedor, int left, int top, const QString& caption,
                                 int altura)
{
    auto* caja = new QCheckBox(contenedor);
    caja->move(left, top);
    caja->setText(ui::SinAtajos(caption));
    ui::SetTextLook(caja, altura, true, Qt::white);
    const QFontMetrics medida(caja->font());
    caja->resize(medida.horizontalAdvance(caption) + 20, qMax(17, medida.height()));
    caja->show();
    return caja;
}

QLabel* CrearEtiquetaSeleccion(QWidget* contenedor, int left, int top, const QString& caption,
                               int code, const TEstiloEtiqueta& estilo)
{
    auto* etiqueta = new QLabel(contenedor);
    etiqueta->move(left, top);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setText(caption);
    etiqueta->setObjectName(QString::fromLatin1(estilo.Prefijo) + QString::number(code));
    ui::SetTextLook(etiqueta, estilo.Altura, true, estilo.Color, estilo.Subrayada);
    const QFontMetrics medida(etiqueta->font());
    etiqueta->resize(medida.horizontalAdvance(caption) + 20, medida.height());
    etiqueta->show();
    return etiqueta;
}

bool TabularCasillas(QWidget* ventana, QScrollArea* caja, bool adelante)
{
    QWidget* foco = ventana->focusWidget();
    if (!foco)
        return false;
    QWidget* destino = nullptr;
    if (foco == caja || Dentro(foco, caja)) {
        const std::vector<QCheckBox*> casillas = CasillasALaVista(caja);
        const auto esta = std::find(casillas.begin(), casillas.end(), foco);
        if (esta != casillas.end()) {
            if (adelante && esta + 1 != casillas.end())
                destino = *(esta + 1);
            else if (!adelante && esta != casillas.begin())
                destino = *(esta - 1);
        } else if (adelante && !casillas.empty()) {
            destino = casillas.front();
        }
        if (!destino)
            destino = Vecino(ventana, caja, caja, adelante);
    } else {
        destino = Vecino(ventana, caja, foco, adelante);
        if (destino == caja) {
            const std::vector<QCheckBox*> casillas = CasillasALaVista(caja);
            if (!casillas.empty())
                destino = adelante ? casillas.front() : casillas.back();
            else
                destino = Vecino(ventana, caja, caja, adelante);
        }
    }
    if (!destino)
        return false;
    destino->setFocus(adelante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (Dentro(destino, caja))
        caja->ensureWidgetVisible(destino);
    return true;
}
