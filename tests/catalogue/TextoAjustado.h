#pragma once

#include <QString>
#include <QTest>

// Rows of the blanks at which a long text wraps in a memo: one space, several, and a
// space beside a tab.
inline void FilasDeBlancosDeAjuste()
{
    QTest::addColumn<QString>("separador");
    QTest::newRow("un espacio") << " ";
    QTest::newRow("tres espacios") << "   ";
    QTest::newRow("espacio y tabulador") << " \t";
    QTest::newRow("tabulador y espacio") << "\t ";
}

// `texto` and 45 words after it, the first 15 one space apart (so that a memo's first
// line wraps at one space), the others `separador` apart: several lines in a memo.
inline QString TextoAjustado(QString texto, const QString& separador)
{
    for (int i = 1; i <= 45; ++i)
        texto += (i <= 15 ? QStringLiteral(" ") : separador) + QStringLiteral("palabra%1").arg(i);
    return texto;
}
