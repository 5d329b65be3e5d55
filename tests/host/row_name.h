// Names each row of a TEST_P table after its own name field, so that a
// failure says which case broke.
#pragma once

#include <gtest/gtest.h>

#include <string>

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row> &info) const
    {
        return info.param.name;
    }
};
