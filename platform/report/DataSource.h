#pragma once

#include <QString>

namespace report {

// The rows a report walks: the detail band prints once per row, in this order.
// The engine knows nothing else of where they come from.
class TQRDataSource
{
public:
    virtual ~TQRDataSource() = default;

    virtual void First() = 0;
    virtual void Next() = 0;
    // A source that is not open has no rows.
    virtual bool Eof() const = 0;
    virtual QString FieldText(const QString& field) const = 0;
};

} // namespace report
