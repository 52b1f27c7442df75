#include "Ownership.h"

#include <QObject>
#include <QPointer>

namespace ui {

void Own(QObject* owner, QObject* owned)
{
    if (!owner || !owned)
        return;
    QPointer<QObject> guard(owned);
    QObject::connect(owner, &QObject::destroyed, owned, [guard] {
        if (guard)
            delete guard.data();
    });
}

} // namespace ui
