#pragma once

#include <array>
#include <cstdint>

#include "calculator_form.h"

namespace quendal {

// The program's only variables besides the controls: the banner's.
struct ProgramState {
    std::int32_t bannerIndex = 0;          // 1..3 the scrolling message; 4 just after the third
    std::array<Text, 3> bannerMessages{};  // GBK, set by onWindowCreated
};

// Runs once after every control exists and before the window is shown.
void onWindowCreated(CalculatorForm& form, ProgramState& state);

// Runs once when the event loop has ended.
void onProgramExit(ProgramState& state);

// Moves the banner two pixels left; a message that has left the window
// restarts at its right edge with the next one.
void onBannerTick(CalculatorForm& form, ProgramState& state);

}  // namespace quendal
