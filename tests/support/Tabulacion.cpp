#include "Tabulacion.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <algorithm>

namespace testing {

QString Mostrado(const QWidget* control)
{
    if (const auto* etiqueta = qobject_cast<const QLabel*>(control)) {
        const bool rico =
            etiqueta->textFormat() == Qt::RichText ||
            (etiqueta->textFormat() == Qt::AutoText && Qt::mightBeRichText(etiqueta->text()));
        return (rico ? QStringLiteral("{rico}") : QString()) + etiqueta->text();
    }
    const auto* boton = qobject_cast<const QAbstractButton*>(control);
    if (!boton)
        return QString();
    QString texto = boton->text();
    const bool atajo = !QKeySequence::mnemonic(texto).isEmpty();
    // "&&" shows one '&'; a lone '&' shows nothing and underlines what follows.
    texto.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    texto.remove(QLatin1Char('&'));
    texto.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return (atajo ? QStringLiteral("{atajo}") : QString()) + texto;
}

namespace {

// Makes the top-level window of `ventana` the active one; false when it does not become so.
bool Activa(QWidget* ventana)
{
    QWidget* marco = ventana->window();
    if (QApplication::activeWindow() == marco)
        return true;
    marco->activateWindow();
    // A modal dialog of the offscreen platform is not given the keyboard by itself.
    if (QApplication::activeWindow() != marco)
        QApplication::setActiveWindow(marco);
    return QTest::qWaitForWindowActive(marco) && QApplication::activeWindow() == marco;
}

// Shown and not wholly outside any box it lies in, a scroll box's view among them.
bool SeVe(const QWidget* control)
{
    if (!control->isVisible())
        return false;
    QRect dentro = control->rect();
    for (const QWidget* w = control; !w->isWindow(); w = w->parentWidget())
        dentro = dentro.translated(w->pos()) & w->parentWidget()->rect();
    return !dentro.isEmpty();
}

QString Nombre(const QWidget* ventana, const QWidget* w)
{
    return !w || !ventana->isAncestorOf(w) || !SeVe(w) ? QStringLiteral("nada a la vista")
           : w->objectName().isEmpty()                 ? Mostrado(w)
                                                       : w->objectName();
}

// The key pressed where the focus is; the control it lands on.
QWidget* Pulsar(QWidget* ventana, Qt::Key tecla, Qt::KeyboardModifiers modificadores = {})
{
    QWidget* antes = QApplication::focusWidget();
    QTest::keyClick(antes ? antes : ventana, tecla, modificadores);
    return QApplication::focusWidget();
}

// The buttons of an exclusive group, in their order, shown and enabled.
QList<QAbstractButton*> Botones(QObject* grupo)
{
    QList<QAbstractButton*> todos;
    if (auto* botones = qobject_cast<QButtonGroup*>(grupo))
        todos = botones->buttons();
    else if (grupo)
        for (auto* hermano : grupo->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (hermano->autoExclusive() && !hermano->group())
                todos << hermano;
    todos.removeIf([](const QAbstractButton* b) { return !b->isVisible() || !b->isEnabled(); });
    return todos;
}

// The exclusive group a radio button belongs to; none for a button of no such group.
QObject* GrupoDe(const QWidget* control)
{
    const auto* boton = qobject_cast<const QRadioButton*>(control);
    if (!boton)
        return nullptr;
    if (boton->group())
        return boton->group()->exclusive() ? boton->group() : nullptr;
    return boton->autoExclusive() ? boton->parentWidget() : nullptr;
}

QAbstractButton* Elegido(const QList<QAbstractButton*>& botones)
{
    for (QAbstractButton* b : botones)
        if (b->isChecked())
            return b;
    return nullptr;
}

// Each group of the round with the text of its chosen button.
using Elecciones = QList<QPair<QPointer<QObject>, QString>>;

// Gives every group its choice back, in the order of the round: a choice may empty the
// groups that follow it.
void Devolver(const Elecciones& elecciones)
{
    for (const auto& [grupo, texto] : elecciones) {
        const QList<QAbstractButton*> botones = Botones(grupo);
        if (QAbstractButton* elegido = Elegido(botones); elegido && elegido->text() == texto)
            continue;
        for (QAbstractButton* b : botones)
            if (b->text() == texto)
                b->click();
    }
}

// An arrow moves the choice of the group of `boton`, the chosen one, to a neighbour and the
// opposite arrow moves it back.
bool FlechasMueven(QWidget* ventana, QAbstractButton* boton)
{
    const QString texto = boton->text();
    const QPointer<QObject> grupo = GrupoDe(boton);
    const std::pair<Qt::Key, Qt::Key> pares[] = {{Qt::Key_Down, Qt::Key_Up},
                                                 {Qt::Key_Right, Qt::Key_Left},
                                                 {Qt::Key_Up, Qt::Key_Down},
                                                 {Qt::Key_Left, Qt::Key_Right}};
    for (const auto& [ida, vuelta] : pares) {
        boton->setFocus(Qt::TabFocusReason);
        auto* otro = qobject_cast<QAbstractButton*>(Pulsar(ventana, ida));
        if (!grupo || !otro || otro == boton || !otro->isChecked() || GrupoDe(otro) != grupo)
            continue;
        auto* deVuelta = qobject_cast<QAbstractButton*>(Pulsar(ventana, vuelta));
        return deVuelta && deVuelta->isChecked() && deVuelta->text() == texto;
    }
    return false;
}

} // namespace

QStringList Tabular(QWidget* ventana, int veces, bool atras)
{
    QStringList nombres;
    for (int i = 0; i < veces; ++i) {
        if (!Activa(ventana))
            return nombres << QStringLiteral("(la ventana no se activa)");
        const QString nombre =
            Nombre(ventana, Pulsar(ventana, atras ? Qt::Key_Backtab : Qt::Key_Tab,
                                   atras ? Qt::ShiftModifier : Qt::NoModifier));
        if (atras)
            nombres.prepend(nombre);
        else
            nombres.append(nombre);
    }
    return nombres;
}

bool ElegirEn(QComboBox* lista, int indice, Eleccion como)
{
    if (!Activa(lista))
        return false;
    QAbstractItemView* vista = lista->view();
    if (como == Eleccion::Raton) {
        // The press that drops the list down gives it the focus first.
        lista->setFocus(Qt::MouseFocusReason);
        lista->showPopup();
        if (!QTest::qWaitFor([vista] { return vista->isVisible(); }, 2000))
            return false;
        const QRect item = vista->visualRect(vista->model()->index(indice, 0));
        QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, item.center());
    } else {
        lista->setFocus(Qt::TabFocusReason);
        QWidget* teclado = lista;
        int actual = lista->currentIndex();
        if (como == Eleccion::Teclas) {
            QTest::keyClick(lista, Qt::Key_Down, Qt::AltModifier);
            if (!QTest::qWaitFor([vista] { return vista->isVisible(); }, 2000))
                return false;
            teclado = vista;
            actual = vista->currentIndex().row();
        }
        // One press per item on the way, no more.
        for (int n = 0; n < lista->count() && actual != indice; ++n) {
            QTest::keyClick(teclado, actual < indice ? Qt::Key_Down : Qt::Key_Up);
            actual = como == Eleccion::Teclas ? vista->currentIndex().row() : lista->currentIndex();
        }
        if (como == Eleccion::Teclas)
            QTest::keyClick(vista, Qt::Key_Return);
    }
    return QTest::qWaitFor([vista] { return !vista->isVisible(); }, 2000) &&
           lista->currentIndex() == indice;
}

QString Vuelta(QWidget* ventana)
{
    if (!Activa(ventana))
        return QStringLiteral("(la ventana no se activa)");
    QStringList faltas;
    QWidget* inicio = QApplication::focusWidget();
    if (inicio && ventana->isAncestorOf(inicio) && !SeVe(inicio))
        faltas << QStringLiteral("el foco está en %1, que no se ve").arg(inicio->objectName());

    // A round longer than this does not come back.
    const int kMaximo = 60;
    QList<QPointer<QWidget>> paradas;
    QStringList nombres;
    for (QWidget* w = Pulsar(ventana, Qt::Key_Tab); !paradas.contains(w);
         w = Pulsar(ventana, Qt::Key_Tab)) {
        paradas << w;
        nombres << Nombre(ventana, w);
        if (paradas.size() == kMaximo)
            break;
    }
    if (paradas.isEmpty() || paradas.first() != QApplication::focusWidget())
        faltas << QStringLiteral("Tab no vuelve al principio");
    else if (inicio && ventana->isAncestorOf(inicio) && !paradas.contains(inicio) &&
             !(GrupoDe(inicio) && std::any_of(paradas.cbegin(), paradas.cend(), [&](QWidget* w) {
                   return GrupoDe(w) == GrupoDe(inicio); // a radio group is one stop
               })))
        faltas << QStringLiteral("el foco está en %1, que no es parada").arg(inicio->objectName());
    const QStringList atras = Tabular(ventana, int(paradas.size()), true);
    if (atras != nombres)
        faltas << QStringLiteral("Mayús+Tab: ") + atras.join(QStringLiteral(", "));

    Elecciones elecciones;
    QSet<QObject*> vistos;
    for (const QPointer<QWidget>& parada : std::as_const(paradas)) {
        QObject* grupo = GrupoDe(parada);
        if (!grupo)
            continue;
        const QList<QAbstractButton*> botones = Botones(grupo);
        const QString nombre = Nombre(ventana, parada);
        if (vistos.contains(grupo))
            faltas << QStringLiteral("%1: su grupo ya tuvo parada").arg(nombre);
        vistos.insert(grupo);
        QAbstractButton* elegido = Elegido(botones);
        if (parada != (elegido ? elegido : botones.value(0)))
            faltas << nombre + (elegido ? QStringLiteral(": no es la opción elegida")
                                        : QStringLiteral(": no es la primera opción"));
        if (elegido && botones.size() > 1)
            elecciones << qMakePair(QPointer<QObject>(grupo), elegido->text());
    }
    // A choice may make the buttons of the groups after it anew: each is found again.
    for (const auto& [grupo, texto] : std::as_const(elecciones)) {
        QAbstractButton* elegido = Elegido(Botones(grupo));
        if (!elegido || elegido->text() != texto || !FlechasMueven(ventana, elegido))
            faltas << texto + QStringLiteral(": las flechas no mueven la elección");
        Devolver(elecciones);
    }

    QString vuelta = nombres.join(QStringLiteral(", "));
    for (const QString& falta : std::as_const(faltas))
        vuelta += QStringLiteral(" ¡%1!").arg(falta);
    return vuelta;
}

} // namespace testing
