#pragma once

#include <QString>
#include <QStringList>

namespace ado {

// The colon-marked parameter names of a statement, in order of first appearance,
// ignoring colons inside quoted literals.
QStringList ParameterNames(const QString& sql);

// A statement ready for SQLite: Jet's "DELETE * FROM" becomes "DELETE FROM", every
// ":name" becomes a positional "?", and each ORDER BY term sorts text as a Spanish
// dictionary does. `order` receives, per "?", the index into ParameterNames().
QString TranslateJetSql(const QString& sql, QList<int>* order = nullptr);

} // namespace ado
