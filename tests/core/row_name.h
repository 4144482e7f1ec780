#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quendal::testing {

// Names each row of a parameter table after its `name` member, so that a
// failing row says which case it is.
struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const
    {
        return row.param.name;
    }
};

}  // namespace quendal::testing
