#pragma once

#include <cstdint>
#include <optional>

namespace quendal {

// Days since 1899-12-30 00:00 plus the time of day as a fraction of a day.
// Before 1899-12-30 the fraction is subtracted from the negative day number,
// so such values are not ordered in time: compute through toLinearDays.
using DateValue = double;

inline constexpr DateValue minDateValue = -657434.0;  // 0100-01-01 00:00:00
inline constexpr DateValue maxDateValue = 2958465.0;  // 9999-12-31 00:00:00

struct DateParts {
    std::uint16_t year;
    std::uint16_t month;
    std::uint16_t day;
    std::uint16_t hour;
    std::uint16_t minute;
    std::uint16_t second;

    friend bool operator==(const DateParts& a, const DateParts& b)
    {
        return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
               a.minute == b.minute && a.second == b.second;
    }
};

// A day count that runs in time order on both sides of 1899-12-30.
double toLinearDays(DateValue d);
DateValue fromLinearDays(double x);

DateValue clampDate(DateValue d);

// date plus n days; n = 0 returns date bit for bit, otherwise the input is
// clamped and the result is not.
DateValue addDays(DateValue date, std::int32_t n);

// a minus b in days, not rounded.
double daysBetween(DateValue a, DateValue b);

// Empty for an impossible calendar date or time (years above 9999 included).
std::optional<DateValue> dateFromParts(const DateParts& parts);

// Empty outside minDateValue..maxDateValue; rounds to the nearest second.
std::optional<DateParts> partsFromDate(DateValue d);

// The local date and time of day now, in whole seconds.
DateValue currentDateTime();

}  // namespace quendal
