#include "rule_selection.h"

#include "recalculation.h"

namespace quendal {

namespace {

// All three buttons are written, so the end state does not depend on whether
// the form clears the others of the group by itself.
void checkOnly(CalculatorForm& form, CalcRule rule)
{
    for (const CalcRule each :
         {CalcRule::fromBothDates, CalcRule::fromStartAndDuration, CalcRule::fromEndAndDuration}) {
        form.setRuleChecked(each, each == rule);
    }
}

}  // namespace

void selectRule(CalculatorForm& form, CalcRule rule)
{
    checkOnly(form, rule);
    if (rule == CalcRule::fromBothDates) {
        form.setDurationText({});
        form.setIntervalText({});
        form.setDurationInputMode(InputMode::readOnly);
        form.setDurationBackgroundColour(systemDefaultColour);
        recalculate(form);
        form.setDurationSelectionLength(-1);
        return;
    }
    form.setStartDateBold(false);
    form.setEndDateBold(false);
    form.setDurationText({});
    form.setIntervalText({});
    form.setDurationInputMode(InputMode::integerEntry);
    form.setDurationBackgroundColour(whiteColour);
    form.setFocus();
}

}  // namespace quendal
