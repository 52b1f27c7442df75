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

// `texto` and a chain of hyphenated words, and a question that holds a web address,
// each wider than a memo: lines that wrap with no blank to wrap at.
inline QString DefinicionConGuiones(QString texto)
{
    for (int i = 1; i <= 30; ++i)
        texto += QStringLiteral("-socio%1-laboral").arg(i);
    return texto + QStringLiteral(" del alumnado en 2023-2024");
}
inline QString PreguntaConDireccion()
{
    return QStringLiteral("¿Ha consultado https://www.ejemplo.es/") +
           QStringLiteral("calidad/encuestas/").repeated(12) +
           QStringLiteral("alumnos%2Fas?curso=2023-2024 antes de responder?");
}
