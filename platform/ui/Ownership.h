#pragma once

class QObject;
class QWidget;

namespace ui {

// `owned` is destroyed with `owner`, whatever its Qt parent is. Windows need this:
// a window's Qt parent is its frame, while its owner decides how long it lives.
void Own(QObject* owner, QObject* owned);

} // namespace ui
