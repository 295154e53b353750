// Names the rows of table-driven tests after their `name` field.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace zentova::testing {

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

}  // namespace zentova::testing
