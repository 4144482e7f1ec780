#include "form_fixture.h"

#include "recalculation.h"
#include "rule_selection.h"

namespace quendal::testing {
namespace {

using RuleSelection = StartedForm;

TEST_F(RuleSelection, RuleTwoPreparesTheDurationBoxForTyping)
{
    form.pressRuleLabel(CalcRule::fromStartAndDuration);
    const std::vector<std::string> expected{
        "checked1=0",    "checked2=1",    "checked3=0",  "startDateBold=0",     "endDateBold=0",
        "durationText=", "intervalText=", "inputMode=7", "background=16777215", "setFocus"};
    EXPECT_EQ(form.log(), expected);
    EXPECT_EQ(form.focus(), MemoryForm::Focus::durationBox);
    EXPECT_EQ(form.startDate(), today);
    EXPECT_EQ(form.endDate(), at(2027, 1, 9));
}

TEST_F(RuleSelection, RuleThreeChecksOnlyItsOwnButton)
{
    form.clickRuleButton(CalcRule::fromEndAndDuration);
    EXPECT_FALSE(form.ruleChecked(CalcRule::fromBothDates));
    EXPECT_FALSE(form.ruleChecked(CalcRule::fromStartAndDuration));
    EXPECT_TRUE(form.ruleChecked(CalcRule::fromEndAndDuration));
    EXPECT_EQ(form.durationInputMode(), InputMode::integerEntry);
    EXPECT_EQ(form.durationBackgroundColour(), whiteColour);
}

TEST_F(RuleSelection, RuleTwoClearsTheBoldOfAComputedDate)
{
    form.pressRuleLabel(CalcRule::fromStartAndDuration);
    form.typeCharacter('5');
    form.pressKey(13);
    ASSERT_TRUE(form.endDateBold());
    form.pressRuleLabel(CalcRule::fromStartAndDuration);
    EXPECT_FALSE(form.endDateBold());
    EXPECT_EQ(form.durationText(), "");  // the typed duration is lost on purpose
    EXPECT_EQ(form.intervalText(), "");
}

TEST_F(RuleSelection, RuleOneRecomputesAndSelectsTheWholeDuration)
{
    form.clickRuleButton(CalcRule::fromStartAndDuration);
    form.clickRuleButton(CalcRule::fromBothDates);
    EXPECT_EQ(form.intervalText(), "29");
    EXPECT_EQ(form.durationText(), "30");
    EXPECT_EQ(form.durationInputMode(), InputMode::readOnly);
    EXPECT_EQ(form.durationBackgroundColour(), systemDefaultColour);
    EXPECT_EQ(form.selectionLength(), 2);
    EXPECT_EQ(form.log().back(), "selectionLength=-1");
}

TEST_F(RuleSelection, ChoosingRuleOneAgainRecomputes)
{
    form.clickRuleButton(CalcRule::fromBothDates);
    const std::vector<std::string> expected{"checked1=1",
                                            "checked2=0",
                                            "checked3=0",
                                            "durationText=",
                                            "intervalText=",
                                            "inputMode=1",
                                            "background=4278190080",
                                            "startDateBold=0",
                                            "endDateBold=0",
                                            "intervalText=29",
                                            "durationText=30",
                                            "intervalText=29",
                                            "selectionLength=-1"};
    EXPECT_EQ(form.log(), expected);
}

TEST_F(RuleSelection, RuleOneWithTheDatesReversedSelectsTheError)
{
    form.pickEndDate(addDays(today, -3));
    form.clickRuleButton(CalcRule::fromBothDates);
    EXPECT_EQ(form.durationText(), errorText());
    EXPECT_EQ(form.intervalText(), errorText());
    EXPECT_EQ(form.selectionLength(), 6);
}

// A click takes the focus first, so the box's clean-up runs before the rule
// empties it; a press on the label leaves the focus where it is.
TEST_F(RuleSelection, ClickCleansTheDurationBeforeEmptyingIt)
{
    form.clickRuleButton(CalcRule::fromStartAndDuration);
    form.paste("007");
    form.clearLog();
    form.clickRuleButton(CalcRule::fromStartAndDuration);
    ASSERT_GE(form.log().size(), 2u);
    EXPECT_EQ(form.log()[0], "durationText=7");
    EXPECT_EQ(form.log()[1], "intervalText=6");
    EXPECT_EQ(form.durationText(), "");
    EXPECT_EQ(form.focus(), MemoryForm::Focus::durationBox);
}

TEST_F(RuleSelection, LabelPressDoesNotCleanTheDuration)
{
    form.clickRuleButton(CalcRule::fromStartAndDuration);
    form.paste("007");
    form.clearLog();
    form.pressRuleLabel(CalcRule::fromStartAndDuration);
    EXPECT_EQ(form.log()[3], "startDateBold=0");
    for (const std::string& entry : form.log()) {
        EXPECT_NE(entry, "durationText=7");
    }
    EXPECT_EQ(form.durationText(), "");
}

}  // namespace
}  // namespace quendal::testing
