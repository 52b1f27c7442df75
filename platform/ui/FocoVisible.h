#pragma once

class QApplication;

namespace ui {

// Check boxes and radio buttons show the keyboard's focus as a dotted frame round their
// caption, in the caption's own colour, so that it shows on the windows' navy and blue
// as on white. The toolkit's style draws it in a faint shade of the selection colour,
// which vanishes on those colours. As the style does, the frame shows once the keyboard
// has moved the focus.
void InstalarFocoVisible(QApplication* aplicacion);

} // namespace ui
