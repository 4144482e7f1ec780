#pragma once

namespace quendal {

// The look every control of the program relies on: the default GUI font, a
// CJK face at 12 pixels so the Chinese texts fit their rectangles, and an
// entry box that shows no caret while it lacks the focus, selection or not.
void useWindowLook();

}  // namespace quendal
