#pragma once

struct sqlite3;

namespace ado {

// The name under which text ordering as in a Spanish dictionary is registered on
// every connection: accents and case break ties only, "ñ" follows "n".
inline constexpr char kSpanishCollation[] = "ES_DICT";

// Registers the collation on an open SQLite handle; returns the SQLite result code.
int RegisterSpanishCollation(sqlite3* handle);

} // namespace ado
