// Day arithmetic and calendar conversion on arbitrary reals and fields.
//
// Input: two reals a and b (bytes 0-15), six raw 16-bit fields (16-27), a
// day count n (28-31) and a position inside the valid range (32-39). Short
// inputs read as zeros.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>

#include "date_value.h"
#include "fuzz_input.h"

namespace {

using quendal::DateParts;
using quendal::DateValue;

// Half a second, as a day fraction, and what double rounding may add to it
// for values in the millions.
constexpr double halfSecond = 0.5 / 86400.0;
constexpr double roundingSlack = 1e-8;

using quendal::fuzzing::check;
using quendal::fuzzing::load;

bool isLeap(std::int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

bool validFields(const DateParts& p)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (p.year > 9999 || p.month < 1 || p.month > 12 || p.hour > 23 || p.minute > 59 || p.second > 59) {
        return false;
    }
    const int length = p.month == 2 && isLeap(p.year) ? 29 : lengths[p.month - 1];
    return p.day >= 1 && p.day <= length;
}

// Day number of a proleptic Gregorian date, 0 = 1899-12-30, counted with a
// March-based year rather than the month table the library uses.
std::int64_t dayNumber(const DateParts& p)
{
    const std::int64_t y = p.year - (p.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t m = p.month;
    const std::int64_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + p.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 693899;  // 693899: 0000-03-01 to 1899-12-30
}

std::int64_t secondOfDay(const DateParts& p)
{
    return p.hour * 3600 + p.minute * 60 + p.second;
}

bool sameBits(double x, double y)
{
    return std::memcmp(&x, &y, sizeof x) == 0;
}

void checkReal(DateValue d)
{
    // Any real may be carried around; adding 0 days leaves it alone.
    check(sameBits(quendal::addDays(d, 0), d), "addDays(d, 0) is not d bit for bit");
    if (!std::isnan(d)) {
        check(sameBits(quendal::daysBetween(d, d), 0.0), "daysBetween(d, d) is not 0.0");
    }

    const std::optional<DateParts> parts = quendal::partsFromDate(d);
    const bool inRange = d >= quendal::minDateValue && d <= quendal::maxDateValue;
    check(parts.has_value() == inRange, "partsFromDate fails inside the range or not outside");
    if (!parts) {
        return;
    }
    const std::optional<DateValue> back = quendal::dateFromParts(*parts);
    check(back.has_value(), "partsFromDate gave fields dateFromParts refuses");
    // Rounding to the nearest second moves a moment by at most half a second,
    // even where that carries it into the next calendar day.
    const double moved = quendal::toLinearDays(*back) - quendal::toLinearDays(d);
    check(std::fabs(moved) <= halfSecond + roundingSlack,
          "partsFromDate is more than half a second away from d");
}

void checkFields(const DateParts& raw)
{
    const std::optional<DateValue> value = quendal::dateFromParts(raw);
    check(value.has_value() == validFields(raw), "dateFromParts fails for valid fields or not for invalid");
    if (!value) {
        return;
    }
    const double linear =
        static_cast<double>(dayNumber(raw)) + static_cast<double>(secondOfDay(raw)) / 86400.0;
    check(std::fabs(quendal::toLinearDays(*value) - linear) <= roundingSlack,
          "dateFromParts is not that day and time");
    if (*value >= quendal::minDateValue && *value <= quendal::maxDateValue) {
        check(quendal::partsFromDate(*value) == raw, "fields do not survive a round trip");
    }
}

// A whole-second date plus n days keeps its time of day and moves by n
// calendar days.
void checkShift(const DateParts& parts, std::int32_t n)
{
    const std::optional<DateValue> start = quendal::dateFromParts(parts);
    if (!start || *start < quendal::minDateValue || n == 0) {
        return;
    }
    const DateValue moved = quendal::addDays(*start, n);
    const std::optional<DateParts> after = quendal::partsFromDate(moved);
    if (!after) {
        return;
    }
    check(dayNumber(*after) == dayNumber(parts) + n, "addDays moved by the wrong number of days");
    check(secondOfDay(*after) == secondOfDay(parts), "addDays changed the time of day");
    check(std::fabs(quendal::daysBetween(moved, *start) - n) <= roundingSlack,
          "daysBetween does not undo addDays");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto a = load<double>(data, size, 0);
    const auto b = load<double>(data, size, 8);
    const DateParts raw{load<std::uint16_t>(data, size, 16), load<std::uint16_t>(data, size, 18),
                        load<std::uint16_t>(data, size, 20), load<std::uint16_t>(data, size, 22),
                        load<std::uint16_t>(data, size, 24), load<std::uint16_t>(data, size, 26)};
    const auto n = load<std::int32_t>(data, size, 28);
    // Most raw reals lie far outside the calendar; this one never does.
    const double position = static_cast<double>(load<std::uint64_t>(data, size, 32)) / 18446744073709551616.0;
    const DateValue inside =
        quendal::minDateValue + position * (quendal::maxDateValue - quendal::minDateValue);

    checkReal(a);
    checkReal(b);
    checkReal(inside);
    if (!std::isnan(a) && !std::isnan(b)) {
        const double forth = quendal::daysBetween(a, b);
        const double back = quendal::daysBetween(b, a);
        check(forth == -back, "daysBetween is not antisymmetric");
    }

    checkFields(raw);
    // The same fields brought mostly into range, so that valid dates are common.
    const DateParts shaped{
        static_cast<std::uint16_t>(100 + raw.year % 9900), static_cast<std::uint16_t>(raw.month % 12 + 1),
        static_cast<std::uint16_t>(raw.day % 31 + 1),      static_cast<std::uint16_t>(raw.hour % 24),
        static_cast<std::uint16_t>(raw.minute % 60),       static_cast<std::uint16_t>(raw.second % 60)};
    checkFields(shaped);
    checkShift(shaped, n);
    checkShift(shaped, static_cast<std::int16_t>(n));  // small steps land inside more often
    return 0;
}
