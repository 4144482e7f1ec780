#pragma once

#include <cstdint>

#include "date_value.h"
#include "text.h"

namespace quendal {

// The active rule is held only as the check marks of the three rule buttons.
enum class CalcRule : std::int32_t {
    fromBothDates = 1,         // 已知开、竣工日期
    fromStartAndDuration = 2,  // 已知开工日期及工期天数
    fromEndAndDuration = 3,    // 已知竣工日期及工期天数
};

enum class InputMode : std::int32_t {
    unrestricted = 0,
    readOnly = 1,
    integerEntry = 7,
};

// 0x00BBGGRR, or systemDefaultColour for the platform's dialog face colour.
using Colour = std::uint32_t;
inline constexpr Colour systemDefaultColour = 0xFF000000;
inline constexpr Colour whiteColour = 0x00FFFFFF;

// The calculator's view of the window's controls. Every read asks the
// control, every write changes it at once. Implementations must raise the
// duration box's text-changed event (onDurationTextChanged) inside every
// setDurationText, even for the same text, and raise nothing for any other
// write.
class CalculatorForm {
public:
    virtual ~CalculatorForm() = default;

    virtual DateValue startDate() const = 0;
    virtual void setStartDate(DateValue value) = 0;
    virtual DateValue endDate() const = 0;
    virtual void setEndDate(DateValue value) = 0;
    virtual void setStartDateBold(bool bold) = 0;
    virtual void setEndDateBold(bool bold) = 0;

    virtual Text durationText() const = 0;
    virtual void setDurationText(const Text& text) = 0;
    virtual Text intervalText() const = 0;
    virtual void setIntervalText(const Text& text) = 0;

    virtual void setDurationInputMode(InputMode mode) = 0;
    virtual void setDurationBackgroundColour(Colour colour) = 0;
    // -1 puts the caret at the end of the text.
    virtual void setDurationSelectionStart(std::int32_t start) = 0;
    // -1 selects the whole text.
    virtual void setDurationSelectionLength(std::int32_t length) = 0;
    // Gives the duration box the keyboard focus; the control losing it
    // finishes its focus-loss handling first.
    virtual void setFocus() = 0;

    virtual bool ruleChecked(CalcRule rule) const = 0;
    virtual void setRuleChecked(CalcRule rule, bool checked) = 0;

    virtual void setBannerCaption(const Text& caption) = 0;
    virtual std::int32_t bannerLeft() const = 0;
    virtual void setBannerLeft(std::int32_t left) = 0;
    virtual std::int32_t bannerWidth() const = 0;
    virtual void setBannerWidth(std::int32_t width) = 0;
    virtual std::int32_t windowWidth() const = 0;
};

// Geometry written at run time is held to these limits by the window.
inline constexpr std::int32_t coordinateLimit = 32627;

inline std::int32_t clampPosition(std::int32_t value)
{
    return value < -coordinateLimit ? -coordinateLimit : (value > coordinateLimit ? coordinateLimit : value);
}

inline std::int32_t clampExtent(std::int32_t value)
{
    return value < 0 ? 0 : (value > coordinateLimit ? coordinateLimit : value);
}

}  // namespace quendal
