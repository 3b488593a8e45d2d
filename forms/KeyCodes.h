// Key codes and shift states as the forms' KeyDown handlers receive them.
#pragma once

#include <Qt>

namespace forms {

// The Windows virtual key code of a Qt key (13 for both Enter keys, 27 for
// Esc, 65..90 for letters, 112.. for F1..); 0 for keys without one.
int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// 1 Shift, 2 Ctrl, 4 Alt, added up.
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace forms
