#pragma once

#include "calculator_form.h"

namespace quendal {

// Brings dates, interval and duration into agreement under every checked rule.
void recalculate(CalculatorForm& form);

void onStartDateChanged(CalculatorForm& form);
void onEndDateChanged(CalculatorForm& form);

// "出错！" in GBK, shown in both day boxes when the completion date lies
// before the start date.
const Text& errorText();

}  // namespace quendal
