#pragma once

#include "calculator_form.h"

namespace quendal {

// Makes rule the active one and prepares the day boxes for it.
void selectRule(CalculatorForm& form, CalcRule rule);

}  // namespace quendal
