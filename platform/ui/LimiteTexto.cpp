#include "LimiteTexto.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMetaMethod>
#include <QPointer>
#include <QTextBoundaryFinder>
#include <QValidator>
#include <functional>
#include <optional>

namespace ui {

namespace {

// Qt's own default: no limit.
const int kSinLimite = 32767;

// A change to the box's text: what it replaced, [inicio, fin) of the text before it,
// and what it put there.
struct TCambio
{
    qsizetype inicio;
    qsizetype fin;
    QString puesto;
};

// Replaces maxLength: it sees the text a change would leave and, past the limit, keeps
// only the whole characters of what the change put in that still fit.
//
// A validator that rewrites the text makes the box forget its undo steps, so a user's
// edit that passes the limit is refused instead, which the box undoes by itself, and
// what fits of it is then put in as an edit of its own. The box's events that edit
// (keys, input methods, drops, the middle button's paste, the context menu's paste) go
// through this object for that. A text the program sets is cut in place.
class TLimiteCaracteres : public QValidator
{
public:
    TLimiteCaracteres(QLineEdit* caja, int maximo)
        : QValidator(caja), m_caja(caja), m_maximo(maximo), m_anterior(caja->text())
    {
        connect(caja, &QLineEdit::textChanged, this,
                [this](const QString& texto) { m_anterior = texto; });
        caja->installEventFilter(this);
    }

    int Maximo() const { return m_maximo; }
    void SetMaximo(int maximo) { m_maximo = maximo; }

    // Runs what changes the text without a limit: a stored text, or an undo, which
    // only brings back a text the box held.
    void Libre(const std::function<void()>& cambio)
    {
        m_libre = true;
        cambio();
        m_libre = false;
    }

    State validate(QString& texto, int& cursor) const override
    {
        // A text longer than the limit, stored by another program, may shrink but
        // never grow again.
        const qsizetype tope = qMax(qsizetype(m_maximo), m_anterior.size());
        if (m_libre || texto.size() <= tope)
            return Acceptable;
        const TCambio cambio = Cortado(texto, cursor, tope);
        if (m_editando) {
            m_cortado = cambio;
            return Invalid;
        }
        texto = m_anterior.left(cambio.inicio) + cambio.puesto + m_anterior.mid(cambio.fin);
        cursor = int(cambio.inicio + cambio.puesto.size());
        return Acceptable;
    }

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (objeto != m_caja || m_editando || m_libre)
            return false;
        QObject* caja = m_caja;
        switch (evento->type()) {
        case QEvent::KeyPress: {
            // Only keys that put text in: Tab, Enter and the arrows take their usual way.
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            if (tecla->matches(QKeySequence::Undo) || tecla->matches(QKeySequence::Redo)) {
                Libre([&] { caja->event(evento); });
                return true;
            }
            if (!tecla->matches(QKeySequence::Paste) &&
                (tecla->text().isEmpty() || !tecla->text().at(0).isPrint()))
                return false;
            break;
        }
        case QEvent::InputMethod:
        case QEvent::Drop:
        case QEvent::MouseButtonRelease:
            break;
        case QEvent::ContextMenu:
            if (m_caja->contextMenuPolicy() != Qt::DefaultContextMenu)
                return false;
            Menu(static_cast<QContextMenuEvent*>(evento)->globalPos());
            return true;
        default:
            return false;
        }
        // The event goes on to the box's parents when the box leaves it, as it would
        // without this object.
        Editar([&] { caja->event(evento); });
        return true;
    }

private:
    // The box's own menu, its paste limited, its undo and redo free. Its actions are
    // known by the box's slots they call, by name or by pointer as Qt's version
    // connects them.
    void Menu(const QPoint& donde)
    {
        QMenu* menu = m_caja->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const struct
        {
            const char* ranura;
            void (QLineEdit::*accion)();
            bool libre;
        } propias[] = {{"paste()", &QLineEdit::paste, false},
                       {"undo()", &QLineEdit::undo, true},
                       {"redo()", &QLineEdit::redo, true}};
        const QMetaObject& caja = QLineEdit::staticMetaObject;
        for (QAction* accion : menu->actions())
            for (const auto& p : propias) {
                const QMetaMethod ranura = caja.method(caja.indexOfSlot(p.ranura));
                if (QObject::disconnect(accion, &QAction::triggered, m_caja, p.accion) ||
                    QObject::disconnect(accion, QMetaMethod::fromSignal(&QAction::triggered),
                                        m_caja, ranura))
                    connect(accion, &QAction::triggered, this, [this, ranura, libre = p.libre] {
                        const auto cambio = [this, &ranura] { ranura.invoke(m_caja); };
                        libre ? Libre(cambio) : Editar(cambio);
                    });
            }
        menu->popup(donde);
    }

    // Runs a user's edit; when the limit refused it, puts in what fits of it.
    void Editar(const std::function<void()>& edicion)
    {
        m_editando = true;
        m_inicio = m_caja->hasSelectedText() ? m_caja->selectionStart() : m_caja->cursorPosition();
        m_cortado.reset();
        const QPointer<QObject> vivo(this);
        edicion();
        if (!vivo)
            return;
        m_editando = false;
        const std::optional<TCambio> cambio = std::exchange(m_cortado, std::nullopt);
        // The box has undone the refused edit by itself; when nothing of it fits and it
        // replaced nothing, that is all, as with maxLength.
        if (!cambio || m_caja->text() != m_anterior ||
            (cambio->puesto.isEmpty() && cambio->fin == cambio->inicio))
            return;
        if (cambio->fin > cambio->inicio)
            m_caja->setSelection(int(cambio->inicio), int(cambio->fin - cambio->inicio));
        else if (m_caja->cursorPosition() != cambio->inicio)
            m_caja->setCursorPosition(int(cambio->inicio));
        m_caja->insert(cambio->puesto);
    }

    // What a change that leaves `texto`, its cursor after what it put in, keeps within
    // `tope`: whole characters of `texto`, so that what it put in never splits one it
    // joins, such as an emoji sequence that it finishes or replaces.
    TCambio Cortado(const QString& texto, int cursor, qsizetype tope) const
    {
        // What follows the cursor is the end of the text as it was.
        qsizetype fin = qBound(qsizetype(0), qsizetype(cursor), texto.size());
        if (texto.size() - fin > m_anterior.size() ||
            QStringView(texto).mid(fin) != QStringView(m_anterior).right(texto.size() - fin)) {
            fin = texto.size();
            while (fin > 0 && texto.size() - fin < m_anterior.size() &&
                   texto.at(fin - 1) == m_anterior.at(m_anterior.size() - (texto.size() - fin) - 1))
                --fin;
        }
        const qsizetype hasta = m_anterior.size() - (texto.size() - fin);
        // It starts where the selection or the cursor stood before it; else where the
        // text first differs, but not between the halves of a surrogate pair.
        qsizetype inicio = m_inicio;
        if (inicio > fin || inicio > hasta ||
            QStringView(texto).left(inicio) != QStringView(m_anterior).left(inicio)) {
            inicio = 0;
            while (inicio < fin && inicio < hasta && texto.at(inicio) == m_anterior.at(inicio))
                ++inicio;
            if (inicio > 0 && inicio < texto.size() && texto.at(inicio).isLowSurrogate() &&
                texto.at(inicio - 1).isHighSurrogate())
                --inicio;
        }
        const qsizetype cabe = tope - (m_anterior.size() - (hasta - inicio));
        const qsizetype corte = qMax(inicio, CortarTexto(texto, inicio + cabe).size());
        return {inicio, hasta, texto.mid(inicio, corte - inicio)};
    }

    QLineEdit* m_caja;
    int m_maximo;
    QString m_anterior;
    qsizetype m_inicio = 0;
    bool m_editando = false;
    bool m_libre = false;
    mutable std::optional<TCambio> m_cortado;
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

void LimitarCajas(QWidget* ventana)
{
    for (QLineEdit* caja : ventana->findChildren<QLineEdit*>())
        if (caja->maxLength() < kSinLimite && !Limite(caja))
            LimitarLongitud(caja, caja->maxLength());
}

void MostrarTextoGuardado(QLineEdit* caja, const QString& texto)
{
    if (TLimiteCaracteres* limite = Limite(caja))
        limite->Libre([&] { caja->setText(texto); });
    else
        caja->setText(texto);
}

} // namespace ui
