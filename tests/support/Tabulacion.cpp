#include "Tabulacion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QTest>

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

QStringList Tabular(QWidget* ventana, int veces, bool atras)
{
    QStringList nombres;
    for (int i = 0; i < veces; ++i) {
        QWidget* marco = ventana->window();
        if (QApplication::activeWindow() != marco) {
            marco->activateWindow();
            if (!QTest::qWaitForWindowActive(marco))
                return nombres << QStringLiteral("(la ventana no se activa)");
        }
        QWidget* antes = QApplication::focusWidget();
        QTest::keyClick(antes ? antes : ventana, atras ? Qt::Key_Backtab : Qt::Key_Tab,
                        atras ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget* w = QApplication::focusWidget();
        const QString nombre = !w || !ventana->isAncestorOf(w) || w->visibleRegion().isEmpty()
                                   ? QStringLiteral("nada a la vista")
                               : w->objectName().isEmpty() ? Mostrado(w)
                                                           : w->objectName();
        if (atras)
            nombres.prepend(nombre);
        else
            nombres.append(nombre);
    }
    return nombres;
}

} // namespace testing
