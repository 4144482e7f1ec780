#include "date_value.h"

#include <cmath>
#include <ctime>

namespace quendal {

namespace {

constexpr double secondAsDays = 1.1574074074074073e-05;     // 1 / 86400
constexpr double halfSecondAsDays = 5.787037037037037e-06;  // 0.5 / 86400
constexpr std::int64_t secondsPerDay = 86400;

// Days between 0000-03-01 (proleptic Gregorian) and 1899-12-30.
constexpr std::int64_t epochShift = 693899;

bool isLeapYear(std::int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::int64_t daysInMonth(std::int64_t year, std::int64_t month)
{
    static constexpr std::int64_t lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

// Day number (0 = 1899-12-30) to the proleptic Gregorian date, counting in
// 400-year eras that start on 0000-03-01 so that leap days fall at the end.
DateParts civilFromDayNumber(std::int64_t dayNumber)
{
    const std::int64_t z = dayNumber + epochShift;   // >= 0 in range
    const std::int64_t era = z / 146097;             // [0, 25]
    const std::int64_t dayOfEra = z - era * 146097;  // [0, 146096]
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
    const std::int64_t dayOfYear =
        dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);     // [0, 365]
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;            // [0, 11], 0 = March
    const std::int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;  // [1, 31]
    const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return DateParts{static_cast<std::uint16_t>(year),
                     static_cast<std::uint16_t>(month),
                     static_cast<std::uint16_t>(day),
                     0,
                     0,
                     0};
}

}  // namespace

double toLinearDays(DateValue d)
{
    if (d >= 0) {
        return d;
    }
    const double c = std::ceil(d);
    return c - (d - c);
}

DateValue fromLinearDays(double x)
{
    if (x >= 0) {
        return x;
    }
    const double f = std::floor(x);
    return f + (f - x);
}

DateValue clampDate(DateValue d)
{
    if (d > maxDateValue) {
        return maxDateValue;
    }
    if (d < minDateValue) {
        return minDateValue;
    }
    return d;
}

DateValue addDays(DateValue date, std::int32_t n)
{
    if (n == 0) {
        return date;
    }
    return fromLinearDays(toLinearDays(clampDate(date)) + n);
}

double daysBetween(DateValue a, DateValue b)
{
    if (a == b) {
        return 0.0;
    }
    return toLinearDays(clampDate(a)) - toLinearDays(clampDate(b));
}

std::optional<DateValue> dateFromParts(const DateParts& parts)
{
    const std::int64_t year = parts.year;
    const std::int64_t month = parts.month;
    const std::int64_t day = parts.day;
    if (year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) ||
        parts.hour > 23 || parts.minute > 59 || parts.second > 59) {
        return std::nullopt;
    }
    static constexpr std::int64_t daysBeforeMonth[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    // Leap days up to and including this year, less this year's own one
    // while its February 29 is still ahead.
    const std::int64_t dayNumber = year * 365 + year / 4 - year / 100 + year / 400 +
                                   daysBeforeMonth[month - 1] + day -
                                   (isLeapYear(year) && month <= 2 ? 1 : 0) - 693959;
    const double fraction =
        static_cast<double>(parts.hour * 3600 + parts.minute * 60 + parts.second) * secondAsDays;
    const double whole = static_cast<double>(dayNumber);
    return dayNumber >= 0 ? whole + fraction : whole - fraction;
}

std::optional<DateParts> partsFromDate(DateValue d)
{
    if (!(d >= minDateValue && d <= maxDateValue)) {  // NaN fails too
        return std::nullopt;
    }
    const double rounded = d > 0 ? d + halfSecondAsDays : d - halfSecondAsDays;
    std::int64_t dayNumber = static_cast<std::int64_t>(std::trunc(rounded));
    const double magnitude = std::fabs(rounded);
    std::int64_t seconds = static_cast<std::int64_t>((magnitude - std::floor(magnitude)) * secondsPerDay);
    // A fraction a hair below 1 can round up to a whole day: that moment is
    // midnight of the next calendar day.
    if (seconds >= secondsPerDay) {
        seconds = 0;
        ++dayNumber;
    }
    // Before 1899-12-30, rounding a moment just before midnight away from
    // zero crosses into the next larger day number, which lies two days
    // back; the moment is midnight of the following calendar day.
    const auto unrounded = static_cast<std::int64_t>(std::trunc(d));
    if (d < 0 && dayNumber != unrounded) {
        dayNumber = unrounded + 1;
        seconds = 0;
    }
    DateParts parts = civilFromDayNumber(dayNumber);
    parts.hour = static_cast<std::uint16_t>(seconds / 3600);
    parts.minute = static_cast<std::uint16_t>(seconds / 60 % 60);
    parts.second = static_cast<std::uint16_t>(seconds % 60);
    return parts;
}

DateValue currentDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const DateParts parts{static_cast<std::uint16_t>(local.tm_year + 1900),
                          static_cast<std::uint16_t>(local.tm_mon + 1),
                          static_cast<std::uint16_t>(local.tm_mday),
                          static_cast<std::uint16_t>(local.tm_hour), static_cast<std::uint16_t>(local.tm_min),
                          // a leap second reads as the last ordinary one
                          static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec)};
    return dateFromParts(parts).value_or(0.0);
}

}  // namespace quendal
