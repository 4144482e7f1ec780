#include <gtest/gtest.h>

#include "row_name.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "build_speed.h"
#include "date_value.h"

namespace quendal {
namespace {

constexpr double second = 1.0 / 86400.0;

DateValue date(std::uint16_t y, std::uint16_t m, std::uint16_t d, std::uint16_t hh = 0, std::uint16_t mm = 0,
               std::uint16_t ss = 0)
{
    const auto value = dateFromParts({y, m, d, hh, mm, ss});
    EXPECT_TRUE(value.has_value()) << y << '-' << m << '-' << d;
    return value.value_or(0.0);
}

struct DateFromPartsCase {
    const char* name;
    DateParts parts;
    double expected;
};

class DateFromPartsTest : public ::testing::TestWithParam<DateFromPartsCase> {};

TEST_P(DateFromPartsTest, GivesTheDayNumberAndFraction)
{
    const auto value = dateFromParts(GetParam().parts);
    ASSERT_TRUE(value.has_value());
    EXPECT_DOUBLE_EQ(*value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DateFromPartsTest,
    ::testing::Values(DateFromPartsCase{"dayZero", {1899, 12, 30, 0, 0, 0}, 0.0},
                      DateFromPartsCase{"dayBeforeZero", {1899, 12, 29, 6, 0, 0}, -1.25},
                      DateFromPartsCase{"twoDaysBeforeZero", {1899, 12, 28, 18, 0, 0}, -2.75},
                      DateFromPartsCase{"recent", {2021, 2, 20, 0, 0, 0}, 44247.0},
                      DateFromPartsCase{
                          "recentWithTime", {2021, 2, 20, 14, 35, 7}, 44247.0 + 52507.0 / 86400.0},
                      DateFromPartsCase{"minimum", {100, 1, 1, 0, 0, 0}, minDateValue},
                      DateFromPartsCase{"maximum", {9999, 12, 31, 0, 0, 0}, maxDateValue},
                      DateFromPartsCase{"leapDay2000", {2000, 2, 29, 0, 0, 0}, 36585.0}),
    ::quendal::testing::RowName());

struct InvalidPartsCase {
    const char* name;
    DateParts parts;
};

class InvalidPartsTest : public ::testing::TestWithParam<InvalidPartsCase> {};

TEST_P(InvalidPartsTest, Fails)
{
    EXPECT_FALSE(dateFromParts(GetParam().parts).has_value());
}

INSTANTIATE_TEST_SUITE_P(Table, InvalidPartsTest,
                         ::testing::Values(InvalidPartsCase{"feb29CommonYear", {2021, 2, 29, 0, 0, 0}},
                                           InvalidPartsCase{"feb29Century", {1900, 2, 29, 0, 0, 0}},
                                           InvalidPartsCase{"year10000", {10000, 1, 1, 0, 0, 0}},
                                           InvalidPartsCase{"month0", {2021, 0, 1, 0, 0, 0}},
                                           InvalidPartsCase{"month13", {2021, 13, 1, 0, 0, 0}},
                                           InvalidPartsCase{"day0", {2021, 1, 0, 0, 0, 0}},
                                           InvalidPartsCase{"april31", {2021, 4, 31, 0, 0, 0}},
                                           InvalidPartsCase{"hour24", {2021, 1, 1, 24, 0, 0}},
                                           InvalidPartsCase{"minute60", {2021, 1, 1, 0, 60, 0}},
                                           InvalidPartsCase{"second60", {2021, 1, 1, 0, 0, 60}}),
                         ::quendal::testing::RowName());

TEST(PartsFromDate, RoundsToTheNearestSecond)
{
    const DateValue midnight = date(2021, 3, 21);
    EXPECT_EQ(partsFromDate(midnight - 0.4 * second), (DateParts{2021, 3, 21, 0, 0, 0}));
    EXPECT_EQ(partsFromDate(midnight - 0.6 * second), (DateParts{2021, 3, 20, 23, 59, 59}));
    EXPECT_EQ(partsFromDate(45000.7), (DateParts{2023, 3, 15, 16, 48, 0}));
    EXPECT_EQ(partsFromDate(-1.25), (DateParts{1899, 12, 29, 6, 0, 0}));
    // Half a second before midnight the fraction rounds up to a whole day.
    EXPECT_EQ(partsFromDate(1.0 - 0.5 * second), (DateParts{1899, 12, 31, 0, 0, 0}));
    // The same before 1899-12-30, where rounding away from zero would land
    // two days back.
    EXPECT_EQ(partsFromDate(-1.9999999), (DateParts{1899, 12, 30, 0, 0, 0}));
    EXPECT_EQ(partsFromDate(-0.9999999), (DateParts{1899, 12, 31, 0, 0, 0}));
    EXPECT_EQ(partsFromDate(-2.0 - 0.4 * second), (DateParts{1899, 12, 28, 0, 0, 0}));
}

TEST(PartsFromDate, RefusesValuesOffTheCalendar)
{
    EXPECT_FALSE(partsFromDate(minDateValue - second).has_value());
    EXPECT_FALSE(partsFromDate(maxDateValue + second).has_value());
    EXPECT_FALSE(partsFromDate(3000000.0).has_value());
    EXPECT_FALSE(partsFromDate(std::nan("")).has_value());
    EXPECT_TRUE(partsFromDate(minDateValue).has_value());
    EXPECT_TRUE(partsFromDate(maxDateValue).has_value());
}

TEST(DayArithmetic, RunsInTimeOrderAcross1899_12_30)
{
    EXPECT_EQ(toLinearDays(-1.25), -0.75);
    EXPECT_EQ(toLinearDays(-2.75), -1.25);
    EXPECT_EQ(fromLinearDays(-0.75), -1.25);
    EXPECT_EQ(daysBetween(0.25, -1.25), 1.0);
    EXPECT_EQ(addDays(-1.25, 1), 0.25);
    EXPECT_EQ(addDays(-1.25, 2), 1.25);
    EXPECT_EQ(addDays(0.25, -2), -2.25);
}

TEST(DayArithmetic, KeepsTheTimeOfDay)
{
    EXPECT_EQ(addDays(date(2021, 2, 20, 14, 35, 7), 29), date(2021, 3, 21, 14, 35, 7));
    EXPECT_EQ(daysBetween(date(2021, 3, 21, 14, 35, 7), date(2021, 2, 20, 14, 35, 7)), 29.0);
    EXPECT_EQ(daysBetween(date(2021, 2, 20), date(2021, 3, 21)), -29.0);
    EXPECT_EQ(daysBetween(date(2021, 3, 21, 12), date(2021, 2, 20)), 29.5);
}

TEST(DayArithmetic, ClampsOnEntryOnlyWhenMoving)
{
    EXPECT_EQ(addDays(3000000.0, 0), 3000000.0);
    EXPECT_EQ(addDays(3000000.0, 1), maxDateValue + 1);
    EXPECT_EQ(addDays(maxDateValue, 1), maxDateValue + 1);
    EXPECT_EQ(addDays(-9e6, -1), minDateValue - 1);
    EXPECT_EQ(daysBetween(3000000.0, 3000000.0), 0.0);
    EXPECT_EQ(daysBetween(3000000.0, maxDateValue), 0.0);
    EXPECT_EQ(daysBetween(maxDateValue, minDateValue), 3615899.0);
}

TEST(CurrentDateTime, IsTheLocalTimeInWholeSeconds)
{
    const std::time_t before = std::time(nullptr);
    const DateValue now = currentDateTime();
    const auto parts = partsFromDate(now);
    ASSERT_TRUE(parts.has_value());
    std::tm local{};
    localtime_r(&before, &local);
    EXPECT_EQ(parts->year, local.tm_year + 1900);
    EXPECT_EQ(parts->month, local.tm_mon + 1);
    EXPECT_NEAR(parts->hour * 3600 + parts->minute * 60 + parts->second,
                local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec, 2);
    EXPECT_EQ(dateFromParts(*parts), now);  // no milliseconds
}

// Walks the calendar one day at a time, independently of the era arithmetic
// in the code, and checks that the conversions and the day arithmetic agree
// on every day of the valid range, at midnight and in the afternoon.
TEST(DateExhaustive, EveryDayOfTheRangeAgrees)
{
    const auto started = std::chrono::steady_clock::now();
    auto monthLength = [](int year, int month) {
        static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return month == 2 && leap ? 29 : lengths[month - 1];
    };
    DateParts midnight{100, 1, 1, 0, 0, 0};
    std::int64_t dayNumber = -657434;
    DateValue previous = 0;
    int failures = 0;
    for (;; ++dayNumber) {
        DateParts afternoon = midnight;
        afternoon.hour = 15;
        afternoon.minute = 4;
        afternoon.second = 7;
        const auto atMidnight = dateFromParts(midnight);
        const auto later = dateFromParts(afternoon);
        // On the first and the last day only midnight is on the calendar:
        // later times lie below minDateValue (values before 1899 go down)
        // or above maxDateValue.
        const bool endDay = dayNumber == -657434 || dayNumber == 2958465;
        const bool previousOnCalendar = dayNumber > -657433;
        const bool ok = atMidnight && later && *atMidnight == static_cast<double>(dayNumber) &&
                        partsFromDate(*atMidnight) == midnight &&
                        (endDay ? !partsFromDate(*later).has_value() : partsFromDate(*later) == afternoon) &&
                        (endDay || !previousOnCalendar ||
                         (partsFromDate(addDays(previous, 1)) == afternoon &&
                          std::fabs(daysBetween(*later, previous) - 1.0) < 1e-9 &&
                          partsFromDate(addDays(*later, -1)) == partsFromDate(previous)));
        if (!ok && ++failures <= 5) {
            ADD_FAILURE() << "day " << dayNumber << ": " << midnight.year << '-' << midnight.month << '-'
                          << midnight.day;
        }
        previous = later.value_or(0.0);
        if (midnight.year == 9999 && midnight.month == 12 && midnight.day == 31) {
            break;
        }
        if (++midnight.day > monthLength(midnight.year, midnight.month)) {
            midnight.day = 1;
            if (++midnight.month > 12) {
                midnight.month = 1;
                ++midnight.year;
            }
        }
    }
    EXPECT_EQ(dayNumber, 2958465);
    EXPECT_EQ(failures, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - started,
              std::chrono::seconds(1) * ::quendal::testing::slowdownFactor);
}

}  // namespace
}  // namespace quendal
