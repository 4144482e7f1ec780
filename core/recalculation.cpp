#include "recalculation.h"

#include <cmath>

#include "number_text.h"

namespace quendal {

namespace {

// A date box refuses what it cannot show on a calendar; a computed date is
// marked bold only when the box really took it.
bool dateBoxAccepts(DateValue value)
{
    return partsFromDate(value).has_value();
}

// The span in days truncated toward zero. Both dates hold whole seconds, but
// their fractions are rounded to the precision of their own magnitude, so
// two dates the same time of day apart can differ by 28.99999999999 days
// where they cross a power of two; rounding the difference to the second
// first keeps such a span from losing a day.
std::int32_t wholeDaysBetween(DateValue end, DateValue start)
{
    constexpr double secondsPerDay = 86400.0;
    return realToInteger(std::round(daysBetween(end, start) * secondsPerDay) / secondsPerDay);
}

std::int32_t negated(std::int32_t n)
{
    return realToInteger(-static_cast<double>(n));
}

}  // namespace

const Text& errorText()
{
    static const Text text = toGbk("出错！");
    return text;
}

void recalculate(CalculatorForm& form)
{
    form.setStartDateBold(false);
    form.setEndDateBold(false);

    // The three rule tests are independent: each reads its own button now.
    if (form.ruleChecked(CalcRule::fromBothDates)) {
        const DateValue start = form.startDate();
        const DateValue end = form.endDate();
        const std::int32_t span = wholeDaysBetween(end, start);
        if (span < 0) {
            form.setDurationText(errorText());
            form.setIntervalText(errorText());
            return;
        }
        form.setIntervalText(integerToText(span));
        form.setDurationText(realToText(span + 1.0));
    }
    if (form.ruleChecked(CalcRule::fromStartAndDuration)) {
        const std::int32_t days = textToInteger(form.intervalText());
        const DateValue end = addDays(form.startDate(), days);
        form.setEndDate(end);
        if (dateBoxAccepts(end)) {
            form.setEndDateBold(true);
        }
    }
    if (form.ruleChecked(CalcRule::fromEndAndDuration)) {
        const std::int32_t days = textToInteger(form.intervalText());
        const DateValue start = addDays(form.endDate(), negated(days));
        form.setStartDate(start);
        if (dateBoxAccepts(start)) {
            form.setStartDateBold(true);
        }
    }
}

void onStartDateChanged(CalculatorForm& form)
{
    recalculate(form);
}

void onEndDateChanged(CalculatorForm& form)
{
    recalculate(form);
}

}  // namespace quendal
