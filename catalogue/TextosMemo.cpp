#include "TextosMemo.h"

#include "platform/ui/Look.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// A soft line break (Shift+Enter) counts as a line break like any other.
QString SinSaltosSuaves(QString linea)
{
    linea.remove(QChar::LineSeparator);
    return linea;
}

// The blanks where a paragraph wraps mostly hang at the end of the upper line, but
// around a tab they may start the lower one or fill lines of their own. Both joins put
// one space between two lines, so the last space of those blanks belongs to neither
// line, the blanks before it end the upper line and those after it (tabs) start the
// lower one: an unchanged text then joins back as it stood. Where the blanks hold no
// space, or a word wider than the memo breaks with no blank at all, the join's space
// is new. `lineas` are the displayed lines of one paragraph, soft line breaks included.
void RepartirBlancosDeAjuste(QStringList& lineas)
{
    for (int i = 0; i + 1 < lineas.size(); ++i) {
        QString& arriba = lineas[i];
        if (arriba.endsWith(QChar::LineSeparator))
            continue; // a line break of its own, not a wrap
        int fin = int(arriba.size());
        while (fin > 0 && arriba.at(fin - 1).unicode() <= 32)
            --fin;
        QString blancos = arriba.mid(fin);
        arriba.truncate(fin);
        int j = i + 1;
        for (; j < lineas.size(); ++j) {
            QString& abajo = lineas[j];
            int inicio = 0;
            while (inicio < abajo.size() && abajo.at(inicio).unicode() <= 32)
                ++inicio;
            blancos += abajo.left(inicio);
            abajo.remove(0, inicio);
            if (!abajo.isEmpty())
                break;
        }
        const int espacio = int(blancos.lastIndexOf(QLatin1Char(' ')));
        // Blanks that end the paragraph or a line of its own stay where they stood.
        const bool conTexto = j < lineas.size() && !lineas[j].startsWith(QChar::LineSeparator);
        if (conTexto && espacio >= 0) {
            arriba += blancos.left(espacio);
            lineas[j].prepend(blancos.mid(espacio + 1));
        } else {
            arriba += blancos;
        }
        i = j - 1;
    }
}

} // namespace

void PrepararMemo(QPlainTextEdit* memo)
{
    memo->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -13, true));
    QPalette colores = memo->palette();
    colores.setColor(QPalette::Text, Qt::black);
    memo->setPalette(colores);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    memo->setTabChangesFocus(true);
}

QString TextoMemo(const QPlainTextEdit* memo)
{
    // The raw text keeps every character as typed (no-break spaces included); only
    // its paragraph and line separators become the stored line break.
    QString texto = memo->document()->toRawText();
    texto.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    texto.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return texto;
}

QStringList LineasMemo(const QPlainTextEdit* memo)
{
    QStringList lineas;
    auto* disposicion = qobject_cast<QPlainTextDocumentLayout*>(memo->document()->documentLayout());
    for (QTextBlock bloque = memo->document()->begin(); bloque.isValid(); bloque = bloque.next()) {
        if (disposicion)
            disposicion->ensureBlockLayout(bloque);
        const QTextLayout* layout = bloque.layout();
        const QString parrafo = bloque.text();
        if (!layout || layout->lineCount() == 0) {
            // A memo never laid out (never shown) shows each paragraph unwrapped.
            lineas << SinSaltosSuaves(parrafo);
            continue;
        }
        QStringList partes;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine linea = layout->lineAt(i);
            partes << parrafo.mid(linea.textStart(), linea.textLength());
        }
        RepartirBlancosDeAjuste(partes);
        for (const QString& parte : partes)
            lineas << SinSaltosSuaves(parte);
    }
    return lineas;
}

bool EnBlanco(const QString& texto)
{
    return Recortar(texto).isEmpty();
}

QString UnirLineas(const QStringList& lineas)
{
    QString texto;
    for (int i = 0; i < lineas.size(); ++i) {
        if (EnBlanco(lineas.at(i)))
            continue;
        if (i == 0)
            texto = lineas.at(i);
        else
            texto += QLatin1Char(' ') + lineas.at(i);
    }
    return texto;
}

QString UnirLineasRecortandoPrimera(const QStringList& lineas)
{
    QString texto;
    for (int i = 0; i < lineas.size(); ++i) {
        const QString& linea = lineas.at(i);
        if (EnBlanco(linea))
            continue;
        if (i == 0)
            texto = Recortar(linea);
        else if (linea.startsWith(QLatin1Char(' ')))
            texto += linea;
        else
            texto += QLatin1Char(' ') + linea;
    }
    return texto;
}

void CargarTextoMemo(QPlainTextEdit* memo, const QString& texto, bool quitarFinalesEnBlanco)
{
    QString normal = texto;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (quitarFinalesEnBlanco) {
        QStringList lineas = normal.split(QLatin1Char('\n'));
        while (!lineas.isEmpty() && EnBlanco(lineas.last()))
            lineas.removeLast();
        normal = lineas.join(QLatin1Char('\n'));
    }
    memo->setPlainText(normal);
}
