#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace quendal {

// The Windows virtual-key code of a key, taken from the layout-independent
// Qt key (never from the text or the native code, which differ between X
// servers). Keypad keys report like their main-keyboard twins, and a shifted
// symbol reports the key it sits on.
std::int32_t windowsKeyCode(int qtKey);

// 1 Ctrl + 2 Shift + 4 Alt; a modifier key pressed alone does not count
// itself.
std::int32_t shiftStateOf(const QKeyEvent& event);

// 1 Ctrl + 2 Shift + 4 Alt of the modifiers held, for a mouse press.
std::int32_t shiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace quendal
