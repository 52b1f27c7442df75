#include "SpanishCollation.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unordered_map>

namespace ado {

namespace {

// The order of one connection. Sorting a result compares every text with many
// others, and decoding both texts and running the collator over them each time cost
// most of a sort: each distinct text is given its collation key once, and two keys
// compare exactly as the collator compares their texts.
class TSpanishOrder
{
public:
    TSpanishOrder() : m_collator(QLocale(QLocale::Spanish, QLocale::Spain))
    {
        m_collator.setCaseSensitivity(Qt::CaseSensitive);
        m_collator.setNumericMode(false);
        m_collator.setIgnorePunctuation(false);
    }

    int Compare(std::string_view a, std::string_view b)
    {
        if (a == b)
            return 0;
        // A few thousand texts are sorted at a time; the keys of older sorts go.
        if (m_keys.size() > kMaxKeys) {
            m_keys.clear();
            m_recent.fill({});
        }
        const int order = Key(a).compare(Key(b));
        if (order != 0)
            return order;
        // Equal to the collator (it may ignore some characters): fall back to the code
        // points so that distinct texts keep a stable order.
        return Decoded(a).compare(Decoded(b));
    }

private:
    static constexpr size_t kMaxKeys = 20000;

    struct TEntry
    {
        std::string text;
        QCollatorSortKey key;
    };

    static QString Decoded(std::string_view text)
    {
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }

    const QCollatorSortKey& Key(std::string_view text)
    {
        // While a result is sorted its texts stay where they are and each is compared
        // many times: the entry last found for a place is checked before the text is
        // looked up by its contents.
        TEntry*& recent = m_recent[(reinterpret_cast<std::uintptr_t>(text.data()) >> 3) %
                                   m_recent.size()];
        if (recent && recent->text == text)
            return recent->key;
        auto found = m_keys.find(text);
        if (found == m_keys.end()) {
            auto entry = std::make_unique<TEntry>(
                TEntry{std::string(text), m_collator.sortKey(Decoded(text))});
            const std::string_view stored = entry->text;
            found = m_keys.emplace(stored, std::move(entry)).first;
        }
        recent = found->second.get();
        return recent->key;
    }

    QCollator m_collator;
    // Keyed by the entry's own copy of the text.
    std::unordered_map<std::string_view, std::unique_ptr<TEntry>> m_keys;
    std::array<TEntry*, 1024> m_recent{};
};

int Compare(void* context, int lengthA, const void* a, int lengthB, const void* b)
{
    return static_cast<TSpanishOrder*>(context)->Compare(
        std::string_view(static_cast<const char*>(a), size_t(lengthA)),
        std::string_view(static_cast<const char*>(b), size_t(lengthB)));
}

void Destroy(void* context)
{
    delete static_cast<TSpanishOrder*>(context);
}

} // namespace

int RegisterSpanishCollation(sqlite3* handle)
{
    auto* order = new TSpanishOrder;
    const int result = sqlite3_create_collation_v2(handle, kSpanishCollation, SQLITE_UTF8, order,
                                                   Compare, Destroy);
    // SQLite frees the order with the connection, but not when it refuses it.
    if (result != SQLITE_OK)
        delete order;
    return result;
}

} // namespace ado
