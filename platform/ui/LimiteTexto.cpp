#include "LimiteTexto.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QValidator>

namespace ui {

namespace {

// Qt's own default: no limit.
const int kSinLimite = 32767;

// Replaces maxLength: it sees the text a change would leave and, past the limit,
// keeps only the whole characters of what the change put in that still fit.
class TLimiteCaracteres : public QValidator
{
public:
    TLimiteCaracteres(QLineEdit* caja, int maximo)
        : QValidator(caja), m_maximo(maximo), m_anterior(caja->text())
    {
        connect(caja, &QLineEdit::textChanged, this,
                [this](const QString& texto) { m_anterior = texto; });
    }

    int Maximo() const { return m_maximo; }
    void SetMaximo(int maximo) { m_maximo = maximo; }

    State validate(QString& texto, int& cursor) const override
    {
        if (texto.size() <= m_maximo)
            return Acceptable;
        // What the change put in ends at the cursor; what follows the cursor is the
        // end of the text as it was. It starts where the text first differs from what
        // it was, but not inside that end, nor between the halves of a surrogate pair:
        // a pasted emoji may begin with the same UTF-16 unit as the one it goes before
        // or replaces, and a cut there would leave half of each.
        const qsizetype fin = qBound(qsizetype(0), qsizetype(cursor), texto.size());
        const qsizetype conservado = m_anterior.size() - (texto.size() - fin);
        qsizetype inicio = 0;
        while (inicio < fin && inicio < conservado && texto.at(inicio) == m_anterior.at(inicio))
            ++inicio;
        if (inicio > 0 && inicio < texto.size() && texto.at(inicio).isLowSurrogate() &&
            texto.at(inicio - 1).isHighSurrogate())
            --inicio;
        const qsizetype resto = texto.size() - (fin - inicio);
        const QString puesto = CortarTexto(texto.mid(inicio, fin - inicio), m_maximo - resto);
        texto = texto.left(inicio) + puesto + texto.mid(fin);
        cursor = int(inicio + puesto.size());
        return texto.size() <= m_maximo ? Acceptable : Invalid;
    }

private:
    int m_maximo;
    QString m_anterior;
};

TLimiteCaracteres* Limite(const QLineEdit* caja)
{
    return dynamic_cast<TLimiteCaracteres*>(const_cast<QValidator*>(caja->validator()));
}

} // namespace

QString CortarTexto(const QString& texto, qsizetype maximo)
{
    if (texto.size() <= maximo)
        return texto;
    if (maximo <= 0)
        return QString();
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, texto);
    limites.setPosition(maximo);
    const qsizetype corte = limites.isAtBoundary() ? maximo : limites.toPreviousBoundary();
    return texto.left(qMax(qsizetype(0), corte));
}

void LimitarLongitud(QLineEdit* caja, int maximo)
{
    if (TLimiteCaracteres* limite = Limite(caja)) {
        limite->SetMaximo(maximo);
        return;
    }
    caja->setMaxLength(kSinLimite);
    caja->setValidator(new TLimiteCaracteres(caja, maximo));
}

int LongitudMaxima(const QLineEdit* caja)
{
    const TLimiteCaracteres* limite = Limite(caja);
    return limite ? limite->Maximo() : caja->maxLength();
}

void LimitarCajas(QWidget* ventana)
{
    for (QLineEdit* caja : ventana->findChildren<QLineEdit*>())
        if (caja->maxLength() < kSinLimite && !Limite(caja))
            LimitarLongitud(caja, caja->maxLength());
}

} // namespace ui
