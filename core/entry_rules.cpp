#include "entry_rules.h"

#include <cstdint>

#include "number_text.h"

namespace quendal {

bool acceptsTypedCharacter(InputMode mode, std::uint32_t codePoint)
{
    switch (mode) {
    case InputMode::readOnly:
        return false;
    case InputMode::integerEntry:
        return codePoint < 32 || (codePoint >= '0' && codePoint <= '9') || codePoint == '-';
    case InputMode::unrestricted:
        break;
    }
    return true;
}

Text normalisedIntegerText(const Text& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Saturates instead of overflowing: anything past 32 bits is clamped
    // below anyway.
    constexpr std::int64_t saturation = std::int64_t{1} << 40;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > saturation) {
            magnitude = saturation;
        }
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) {
        value = INT32_MAX;
    }
    if (value < INT32_MIN) {
        value = INT32_MIN;
    }
    if (value == 0) {
        return {};
    }
    return integerToText(static_cast<std::int32_t>(value));
}

}  // namespace quendal
