#pragma once

#include <gtest/gtest.h>

#include "memory_form.h"
#include "program.h"

namespace quendal::testing {

// A form in the state right after start-up: both boxes created on
// 2026-12-11 at 15:04:07, then onWindowCreated.
class StartedForm : public ::testing::Test {
protected:
    static DateValue at(std::uint16_t y, std::uint16_t m, std::uint16_t d)
    {
        return dateFromParts({y, m, d, 15, 4, 7}).value_or(0.0);
    }

    void SetUp() override
    {
        onWindowCreated(form, program);
        form.clearLog();
    }

    const DateValue today = at(2026, 12, 11);
    MemoryForm form{today, today};
    ProgramState program;
};

}  // namespace quendal::testing
