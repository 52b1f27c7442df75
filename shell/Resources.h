#pragma once

#include <QPixmap>
#include <QString>

namespace shell {

// The pictures and icons stored with the shell's windows; a static library needs
// its resources registered before the first window loads them.
void InitResources();

// A JPEG picture stored with a window, decoded as every JPEG of the program is.
// An unreadable picture gives an empty pixmap: a window without its logo still works.
QPixmap StoredPicture(const QString& name);

} // namespace shell
