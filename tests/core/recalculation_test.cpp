#include "form_fixture.h"
#include "row_name.h"

#include "recalculation.h"
#include "rule_selection.h"

namespace quendal::testing {
namespace {

using Recalculation = StartedForm;

TEST_F(Recalculation, StartUpShowsTwentyNineAndThirty)
{
    EXPECT_EQ(form.startDate(), today);
    EXPECT_EQ(form.endDate(), at(2027, 1, 9));
    EXPECT_EQ(form.intervalText(), "29");
    EXPECT_EQ(form.durationText(), "30");
    EXPECT_TRUE(form.ruleChecked(CalcRule::fromBothDates));
    EXPECT_FALSE(form.ruleChecked(CalcRule::fromStartAndDuration));
    EXPECT_FALSE(form.ruleChecked(CalcRule::fromEndAndDuration));
    EXPECT_FALSE(form.startDateBold());
    EXPECT_FALSE(form.endDateBold());
    EXPECT_EQ(form.durationInputMode(), InputMode::readOnly);
}

TEST_F(Recalculation, RuleOneWritesIntervalThenDurationWhichRewritesTheInterval)
{
    form.pickEndDate(at(2027, 2, 1));
    const std::vector<std::string> expected{"startDateBold=0", "endDateBold=0", "intervalText=52",
                                            "durationText=53", "intervalText=52"};
    EXPECT_EQ(form.log(), expected);
}

struct SpanCase {
    const char* name;
    double endMinusStart;
    const char* interval;
    const char* duration;
};

class RuleOneSpan : public StartedForm, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(RuleOneSpan, TruncatesTheSpanBeforeTestingIt)
{
    form.pickEndDate(today + GetParam().endMinusStart);
    EXPECT_EQ(form.intervalText(), GetParam().interval);
    EXPECT_EQ(form.durationText(), GetParam().duration);
}

INSTANTIATE_TEST_SUITE_P(Table, RuleOneSpan,
                         ::testing::Values(SpanCase{"sameDay", 0.0, "0", "1"},
                                           SpanCase{"fractionalAhead", 29.6, "29", "30"},
                                           SpanCase{"fractionalBehind", -0.4, "0", "1"}),
                         ::quendal::testing::RowName());

// Across a power of two the two fractions are rounded differently and the
// raw difference falls just short of a whole number of days.
TEST_F(Recalculation, SpanAcrossAPowerOfTwoKeepsEveryDay)
{
    for (const int year : {1720, 1905, 1944, 2617, 7641}) {
        for (std::uint16_t month = 1; month <= 12; ++month) {
            const DateValue start =
                dateFromParts({static_cast<std::uint16_t>(year), month, 1, 15, 4, 7}).value();
            form.pickStartDate(start);
            form.pickEndDate(addDays(start, 29));
            ASSERT_EQ(form.intervalText(), "29") << year << '-' << month;
            ASSERT_EQ(form.durationText(), "30") << year << '-' << month;
        }
    }
}

TEST_F(Recalculation, CompletionBeforeStartShowsTheErrorAndStops)
{
    form.setRuleChecked(CalcRule::fromStartAndDuration, true);  // would run if not stopped
    form.clearLog();
    form.pickEndDate(addDays(today, -1));
    EXPECT_EQ(form.durationText(), errorText());
    EXPECT_EQ(form.intervalText(), errorText());
    EXPECT_EQ(form.endDate(), addDays(today, -1));
    const std::vector<std::string> expected{"startDateBold=0", "endDateBold=0", "durationText=" + errorText(),
                                            "intervalText=" + errorText()};
    EXPECT_EQ(form.log(), expected);
}

TEST_F(Recalculation, MaximumSpanStaysAPlainInteger)
{
    form.pickStartDate(dateFromParts({100, 1, 1, 0, 0, 0}).value());
    form.pickEndDate(dateFromParts({9999, 12, 31, 0, 0, 0}).value());
    EXPECT_EQ(form.intervalText(), "3615899");
    EXPECT_EQ(form.durationText(), "3615900");
}

TEST_F(Recalculation, RuleTwoAddsTheIntervalToTheStartInBold)
{
    form.pressRuleLabel(CalcRule::fromStartAndDuration);
    form.setIntervalText("44");
    form.pickStartDate(at(2026, 12, 1));  // any user change recomputes
    EXPECT_EQ(form.endDate(), at(2027, 1, 14));
    EXPECT_TRUE(form.endDateBold());
    EXPECT_FALSE(form.startDateBold());
    EXPECT_EQ(form.durationText(), "");
}

TEST_F(Recalculation, RuleTwoReplacesAUserChangedCompletionDate)
{
    form.pressRuleLabel(CalcRule::fromStartAndDuration);
    form.setIntervalText("10");
    form.pickEndDate(at(2030, 1, 1));
    EXPECT_EQ(form.endDate(), at(2026, 12, 21));
}

TEST_F(Recalculation, RuleThreeSubtractsTheIntervalFromTheCompletionInBold)
{
    form.pressRuleLabel(CalcRule::fromEndAndDuration);
    form.setIntervalText("44");
    form.pickEndDate(at(2027, 1, 14));
    EXPECT_EQ(form.startDate(), at(2026, 12, 1));
    EXPECT_TRUE(form.startDateBold());
    EXPECT_FALSE(form.endDateBold());
}

TEST_F(Recalculation, AnIntervalWithoutANumberCountsAsZeroDays)
{
    form.pressRuleLabel(CalcRule::fromStartAndDuration);
    form.pickEndDate(at(2030, 5, 5));
    EXPECT_EQ(form.endDate(), today);
    EXPECT_TRUE(form.endDateBold());
}

struct OffCalendarCase {
    const char* name;
    CalcRule rule;
    std::uint16_t year;
    std::uint16_t month;
    std::uint16_t day;
    const char* interval;
};

class ComputedDateOffTheCalendar : public StartedForm,
                                   public ::testing::WithParamInterface<OffCalendarCase> {};

// The box refuses such a date and keeps its old one, which must then not be
// presented as computed.
TEST_P(ComputedDateOffTheCalendar, IsNeitherShownNorMarkedBold)
{
    const OffCalendarCase& c = GetParam();
    form.pressRuleLabel(c.rule);
    const DateValue known = dateFromParts({c.year, c.month, c.day, 0, 0, 0}).value();
    if (c.rule == CalcRule::fromStartAndDuration) {
        form.pickStartDate(known);
    } else {
        form.pickEndDate(known);
    }
    const DateValue before = c.rule == CalcRule::fromStartAndDuration ? form.endDate() : form.startDate();
    form.setIntervalText(c.interval);
    recalculate(form);
    EXPECT_EQ(c.rule == CalcRule::fromStartAndDuration ? form.endDate() : form.startDate(), before);
    EXPECT_FALSE(form.startDateBold());
    EXPECT_FALSE(form.endDateBold());
    EXPECT_EQ(form.intervalText(), c.interval);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ComputedDateOffTheCalendar,
    ::testing::Values(
        OffCalendarCase{"pastTheEnd", CalcRule::fromStartAndDuration, 9999, 12, 31, "1"},
        OffCalendarCase{"farPastTheEnd", CalcRule::fromStartAndDuration, 2026, 1, 1, "2147483647"},
        OffCalendarCase{"beforeTheStart", CalcRule::fromEndAndDuration, 100, 1, 1, "1"},
        OffCalendarCase{"farBeforeTheStart", CalcRule::fromEndAndDuration, 2026, 1, 1, "2147483646"}),
    ::quendal::testing::RowName());

TEST_F(Recalculation, ComputedDateAtTheRangeEndsIsShownBold)
{
    form.pressRuleLabel(CalcRule::fromStartAndDuration);
    form.pickStartDate(dateFromParts({9999, 12, 30, 0, 0, 0}).value());
    form.setIntervalText("1");
    recalculate(form);
    EXPECT_EQ(form.endDate(), maxDateValue);
    EXPECT_TRUE(form.endDateBold());

    form.pressRuleLabel(CalcRule::fromEndAndDuration);
    form.pickEndDate(dateFromParts({100, 1, 2, 0, 0, 0}).value());
    form.setIntervalText("1");
    recalculate(form);
    EXPECT_EQ(form.startDate(), minDateValue);
    EXPECT_TRUE(form.startDateBold());
}

}  // namespace
}  // namespace quendal::testing
