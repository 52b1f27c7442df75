#include "JetSql.h"

#include "SpanishCollation.h"

#include <QRegularExpression>

namespace ado {

namespace {

bool IsIdentStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}
bool IsIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Calls `visit` for every character outside quoted literals; `visit` returns how
// many characters it consumed (0 for "copy this one unchanged").
template <typename Visit> QString Walk(const QString& sql, Visit visit)
{
    QString out;
    out.reserve(sql.size() + 16);
    for (int i = 0; i < sql.size();) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            int j = i + 1;
            while (j < sql.size()) {
                if (sql.at(j) == c) {
                    if (j + 1 < sql.size() && sql.at(j + 1) == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            const int end = qMin(j + 1, int(sql.size()));
            out += sql.mid(i, end - i);
            i = end;
            continue;
        }
        const int used = visit(i, out);
        if (used == 0) {
            out += c;
            ++i;
        } else {
            i += used;
        }
    }
    return out;
}

int ParameterAt(const QString& sql, int i, QString* name)
{
    if (sql.at(i) != QLatin1Char(':') || i + 1 >= sql.size() || !IsIdentStart(sql.at(i + 1)))
        return 0;
    if (i > 0 && sql.at(i - 1) == QLatin1Char(':'))
        return 0;
    int j = i + 1;
    while (j < sql.size() && IsIdentChar(sql.at(j)))
        ++j;
    *name = sql.mid(i + 1, j - i - 1);
    return j - i;
}

int IndexOfName(const QStringList& names, const QString& name)
{
    for (int k = 0; k < names.size(); ++k)
        if (names.at(k).compare(name, Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}

// Splits at commas outside parentheses.
QStringList SplitTopLevel(const QString& list)
{
    QStringList parts;
    int depth = 0;
    int start = 0;
    for (int i = 0; i < list.size(); ++i) {
        const QChar c = list.at(i);
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (c == QLatin1Char(',') && depth == 0) {
            parts << list.mid(start, i - start);
            start = i + 1;
        }
    }
    parts << list.mid(start);
    return parts;
}

QString CollateOrderBy(const QString& sql)
{
    // Only the statement's own, final ORDER BY; the catalogue's statements have no
    // nested ordering and no literals after it.
    static const QRegularExpression orderBy(QStringLiteral("\\border\\s+by\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch last;
    auto it = orderBy.globalMatch(sql);
    while (it.hasNext())
        last = it.next();
    if (!last.hasMatch())
        return sql;
    const QString tail = sql.mid(last.capturedEnd());
    if (tail.contains(QLatin1Char('\'')) || tail.contains(QLatin1Char('"')))
        return sql;
    static const QRegularExpression direction(QStringLiteral("^(.*?)(\\s+(asc|desc))?\\s*$"),
                                              QRegularExpression::CaseInsensitiveOption |
                                                  QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression hasCollate(QStringLiteral("\\bcollate\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    QStringList terms;
    for (const QString& term : SplitTopLevel(tail)) {
        if (term.contains(hasCollate)) {
            terms << term;
            continue;
        }
        const auto m = direction.match(term);
        terms << m.captured(1) + QStringLiteral(" COLLATE ") + QLatin1String(kSpanishCollation) +
                     m.captured(2);
    }
    return sql.left(last.capturedEnd()) + terms.join(QLatin1Char(','));
}

} // namespace

QStringList ParameterNames(const QString& sql)
{
    QStringList names;
    Walk(sql, [&](int i, QString&) {
        QString name;
        const int used = ParameterAt(sql, i, &name);
        if (used > 0 && IndexOfName(names, name) < 0)
            names << name;
        return 0;
    });
    return names;
}

QString TranslateJetSql(const QString& sql, QList<int>* order)
{
    static const QRegularExpression deleteStar(QStringLiteral("^\\s*delete\\s+\\*\\s+from\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString text = sql;
    text.replace(deleteStar, QStringLiteral("DELETE FROM"));

    const QStringList names = ParameterNames(text);
    if (order)
        order->clear();
    text = Walk(text, [&](int i, QString& out) {
        QString name;
        const int used = ParameterAt(text, i, &name);
        if (used > 0) {
            out += QLatin1Char('?');
            if (order)
                order->append(IndexOfName(names, name));
        }
        return used;
    });
    return CollateOrderBy(text);
}

} // namespace ado
