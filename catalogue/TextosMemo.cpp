#include "TextosMemo.h"

#include "platform/ui/Look.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The text's own lines, each put back together from the lines the memo wrapped it into.
QStringList LineasDelTexto(const QList<LineaMemo>& lineas)
{
    QStringList texto;
    for (const LineaMemo& linea : lineas) {
        if (linea.continua && !texto.isEmpty())
            texto.last() += linea.texto;
        else
            texto << linea.texto;
    }
    return texto;
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

QList<LineaMemo> LineasMemo(const QPlainTextEdit* memo)
{
    QList<LineaMemo> lineas;
    auto* disposicion = qobject_cast<QPlainTextDocumentLayout*>(memo->document()->documentLayout());
    for (QTextBlock bloque = memo->document()->begin(); bloque.isValid(); bloque = bloque.next()) {
        if (disposicion)
            disposicion->ensureBlockLayout(bloque);
        const QTextLayout* layout = bloque.layout();
        const QString parrafo = bloque.text();
        if (!layout || layout->lineCount() == 0) {
            // A memo never laid out (never shown) shows each line of its text unwrapped.
            for (const QString& linea : parrafo.split(QChar::LineSeparator))
                lineas << LineaMemo{linea, false};
            continue;
        }
        bool continua = false;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine linea = layout->lineAt(i);
            QString texto = parrafo.mid(linea.textStart(), linea.textLength());
            // A soft line break (Shift+Enter) ends its line like any other line break.
            const bool salto = texto.endsWith(QChar::LineSeparator);
            if (salto)
                texto.chop(1);
            lineas << LineaMemo{texto, continua};
            continua = !salto;
        }
    }
    return lineas;
}

bool EnBlanco(const QString& texto)
{
    return Recortar(texto).isEmpty();
}

QString UnirLineas(const QList<LineaMemo>& lineasMemo)
{
    const QStringList lineas = LineasDelTexto(lineasMemo);
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

QString UnirLineasRecortandoPrimera(const QList<LineaMemo>& lineasMemo)
{
    const QStringList lineas = LineasDelTexto(lineasMemo);
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
