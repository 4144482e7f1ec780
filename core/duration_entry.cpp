#include "duration_entry.h"

#include <limits>

#include "number_text.h"
#include "recalculation.h"

namespace quendal {

namespace {

// The positive form of a negative duration. -2147483648 has none in 32 bits
// (its positive text reads back as itself and would be corrected forever),
// so it stops at the largest value, as the box's own clean-up does.
Text positiveDurationText(std::int32_t negative)
{
    if (negative == std::numeric_limits<std::int32_t>::min()) {
        return integerToText(std::numeric_limits<std::int32_t>::max());
    }
    return realToText(absoluteValue(static_cast<double>(negative)));
}

}  // namespace

void onDurationKeyDown(CalculatorForm& form, std::int32_t keyCode, std::int32_t /*shiftState*/)
{
    if (keyCode == minusKeyCode) {
        // Rewriting the same text moves the caret to the start.
        const std::int32_t length = textLength(form.durationText());
        form.setDurationText(leftBytes(form.durationText(), length));
    }
    if (keyCode == enterKeyCode) {
        recalculate(form);
    }
}

void onDurationTextChanged(CalculatorForm& form)
{
    std::int32_t value = textToInteger(form.durationText());
    if (value < 0) {
        value = textToInteger(form.durationText());
        form.setDurationText(positiveDurationText(value));
        form.setDurationSelectionStart(-1);
    }
    value = textToInteger(form.durationText());
    if (value > 0) {
        value = textToInteger(form.durationText());
        form.setIntervalText(realToText(value - 1.0));
    }
}

}  // namespace quendal
