#pragma once

#include <cstdint>

#include "calculator_form.h"

namespace quendal {

// Windows virtual-key codes the duration box reacts to. The keypad minus is
// reported as the main keyboard's.
inline constexpr std::int32_t enterKeyCode = 13;
inline constexpr std::int32_t minusKeyCode = 189;

// Runs before the box sees the key: the minus key first sends the caret to
// the start (so the sign lands in front and is corrected away), Enter
// computes the missing date.
void onDurationKeyDown(CalculatorForm& form, std::int32_t keyCode, std::int32_t shiftState);

// Keeps the interval at duration - 1 and turns a negative duration positive.
void onDurationTextChanged(CalculatorForm& form);

}  // namespace quendal
