#include "SpanishCollation.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <sqlite3.h>

namespace ado {

namespace {

int Compare(void* context, int lengthA, const void* a, int lengthB, const void* b)
{
    const auto* collator = static_cast<const QCollator*>(context);
    const QString left = QString::fromUtf8(static_cast<const char*>(a), lengthA);
    const QString right = QString::fromUtf8(static_cast<const char*>(b), lengthB);
    const int order = collator->compare(left, right);
    if (order != 0)
        return order;
    // Equal to the collator (it may ignore some characters): fall back to the code
    // points so that distinct texts keep a stable order.
    return left.compare(right);
}

} // namespace

int RegisterSpanishCollation(sqlite3* handle)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Spanish, QLocale::Spain));
        c.setCaseSensitivity(Qt::CaseSensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return sqlite3_create_collation_v2(handle, kSpanishCollation, SQLITE_UTF8,
                                       const_cast<QCollator*>(&collator), Compare, nullptr);
}

} // namespace ado
