#pragma once

#include <cstdint>

#include "calculator_form.h"
#include "text.h"

namespace quendal {

// Whether a typed character (Unicode code point) may enter a box in mode.
// Control characters (Backspace, clipboard shortcuts) always pass, so a
// paste is not filtered.
bool acceptsTypedCharacter(InputMode mode, std::uint32_t codePoint);

// The text an integer-entry box is cleaned to when it loses the focus: its
// leading number read in 64 bits, clamped to 32 bits, '0' as the empty text.
Text normalisedIntegerText(const Text& text);

}  // namespace quendal
