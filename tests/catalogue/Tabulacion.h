#pragma once

#include "shell/MAIN.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>
#include <QTest>

// Presses Tab (Shift+Tab when `atras`) `veces` times and names each control the focus
// lands on: its name, or the caption of a button made at run time, which has none;
// "nada a la vista" when the focus lands nowhere or out of sight. Going back, the
// names come in the order going forward would give.
inline QStringList Tabular(int veces, bool atras = false)
{
    QStringList nombres;
    for (int i = 0; i < veces; ++i) {
        QWidget* antes = QApplication::focusWidget();
        QTest::keyClick(antes ? antes : MainForm.data(), atras ? Qt::Key_Backtab : Qt::Key_Tab,
                        atras ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget* w = QApplication::focusWidget();
        auto* boton = qobject_cast<QAbstractButton*>(w);
        const QString nombre = !w || w->visibleRegion().isEmpty()
                                   ? QStringLiteral("nada a la vista")
                               : boton && w->objectName().isEmpty() ? boton->text()
                                                                    : w->objectName();
        if (atras)
            nombres.prepend(nombre);
        else
            nombres.append(nombre);
    }
    return nombres;
}
