#include "form_fixture.h"
#include "row_name.h"

#include <algorithm>

#include "duration_entry.h"
#include "rule_selection.h"

namespace quendal::testing {
namespace {

class DurationEntry : public StartedForm {
protected:
    void SetUp() override
    {
        StartedForm::SetUp();
        form.clickRuleButton(CalcRule::fromStartAndDuration);
        form.clearLog();
    }

    long count(const std::string& entry) const
    {
        return std::count(form.log().begin(), form.log().end(), entry);
    }
};

TEST_F(DurationEntry, TypicalRequestTypesFourFiveAndEnter)
{
    form.typeCharacter('4');
    EXPECT_EQ(form.intervalText(), "3");
    form.typeCharacter('5');
    EXPECT_EQ(form.intervalText(), "44");
    form.pressKey(enterKeyCode);
    EXPECT_EQ(form.endDate(), addDays(today, 44));
    EXPECT_TRUE(form.endDateBold());
    EXPECT_FALSE(form.startDateBold());
    EXPECT_EQ(form.durationText(), "45");
}

TEST_F(DurationEntry, DeletingDigitsLeavesTheLastInterval)
{
    form.paste("45");
    form.backspace();
    EXPECT_EQ(form.durationText(), "4");
    EXPECT_EQ(form.intervalText(), "3");
    form.backspace();
    EXPECT_EQ(form.durationText(), "");
    EXPECT_EQ(form.intervalText(), "3");
}

struct TypedCase {
    const char* name;
    const char* typed;
    const char* duration;
    const char* interval;
};

class TypedDuration : public DurationEntry, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedDuration, KeepsTheIntervalOneLess)
{
    for (const char* c = GetParam().typed; *c; ++c) {
        form.typeCharacter(*c);
    }
    EXPECT_EQ(form.durationText(), GetParam().duration);
    EXPECT_EQ(form.intervalText(), GetParam().interval);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypedDuration,
    ::testing::Values(TypedCase{"zero", "0", "0", ""}, TypedCase{"one", "1", "1", "0"},
                      TypedCase{"lettersFiltered", "4a5", "45", "44"},
                      TypedCase{"minusFirst", "-5", "5", "4"}, TypedCase{"minusAlone", "-", "-", ""},
                      TypedCase{"largest", "2147483647", "2147483647", "2147483646"},
                      TypedCase{"wrapsNegative", "3000000000", "1294967296", "1294967295"}),
    ::quendal::testing::RowName());

TEST_F(DurationEntry, MinusInsideANumberIsCorrectedAway)
{
    form.typeCharacter('4');
    form.typeCharacter('5');
    form.placeCaret(1);
    form.clearLog();
    form.typeCharacter('-');
    EXPECT_EQ(form.durationText(), "45");
    EXPECT_EQ(form.caretPosition(), 2);
    EXPECT_EQ(count("durationText=-45"), 0);  // the sign came from typing, not a write
    EXPECT_EQ(count("durationText=45"), 2);   // the caret reset, then the correction
    EXPECT_EQ(count("intervalText=44"), 3);   // caret reset, nested run, outer run
    EXPECT_EQ(form.log().back(), "intervalText=44");
}

TEST_F(DurationEntry, MinusInReadOnlyModeOnlyMovesTheCaret)
{
    form.clickRuleButton(CalcRule::fromBothDates);
    form.focusDurationBox();
    form.placeCaret(2);
    form.clearLog();
    form.typeCharacter('-');
    EXPECT_EQ(form.durationText(), "30");
    EXPECT_EQ(form.caretPosition(), 0);
    const std::vector<std::string> expected{"durationText=30", "intervalText=29"};
    EXPECT_EQ(form.log(), expected);
}

TEST_F(DurationEntry, PastedNegativeBecomesPositiveWithTheCaretAtTheEnd)
{
    form.paste("-12");
    EXPECT_EQ(form.durationText(), "12");
    EXPECT_EQ(form.intervalText(), "11");
    EXPECT_EQ(form.caretPosition(), 2);
}

struct MinimumCase {
    const char* name;
    const char* text;
};

class MinimumValue : public DurationEntry, public ::testing::WithParamInterface<MinimumCase> {};

// -2147483648 has no positive form in 32 bits: the correction stops at the
// largest value instead of rewriting the same text forever.
TEST_P(MinimumValue, CorrectionStopsAtTheLargestValue)
{
    form.paste(toGbk(GetParam().text));
    EXPECT_EQ(form.durationText(), "2147483647");
    EXPECT_EQ(form.intervalText(), "2147483646");
    EXPECT_LE(form.recursionDepth(), 2);
}

INSTANTIATE_TEST_SUITE_P(Table, MinimumValue,
                         ::testing::Values(MinimumCase{"wrapped", "2147483648"},
                                           MinimumCase{"negative", "-2147483648"},
                                           MinimumCase{"fullWidth", "－2147483648"}),
                         ::quendal::testing::RowName());

TEST_F(DurationEntry, EnterUnderRuleOneRecomputes)
{
    form.clickRuleButton(CalcRule::fromBothDates);
    form.focusDurationBox();
    form.clearLog();
    form.pressKey(enterKeyCode, 1);  // Ctrl+Enter too
    EXPECT_EQ(form.log()[2], "intervalText=29");
    EXPECT_EQ(form.durationText(), "30");
}

TEST_F(DurationEntry, EveryWriteRaisesTextChangedEvenForTheSameText)
{
    form.setDurationText("45");
    const int before = form.durationTextChangedCount();
    form.setDurationText("45");
    form.setDurationText("");
    form.setDurationText("");
    EXPECT_EQ(form.durationTextChangedCount() - before, 3);
}

}  // namespace
}  // namespace quendal::testing
