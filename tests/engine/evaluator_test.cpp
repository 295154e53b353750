#include "engine/evaluator.h"

#include <gtest/gtest.h>

#include "tests/support/table.h"

#include <cmath>
#include <string>

namespace zentova {
namespace {

struct ValueCase {
    const char* name;
    const char* text;
    AngleMode mode;
    double expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class EvaluateValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluateValue, GivesTheValue) {
    const ValueCase& c = GetParam();
    const EvalResult r = Evaluate(c.text, c.mode);
    ASSERT_EQ(r.status, EvalStatus::Ok) << c.text;
    EXPECT_DOUBLE_EQ(r.value, c.expected) << c.text;
}

constexpr AngleMode kRad = AngleMode::Radians;
constexpr AngleMode kDeg = AngleMode::Degrees;

INSTANTIATE_TEST_SUITE_P(
    Language, EvaluateValue,
    ::testing::Values(
        ValueCase{"MulBeforeAdd", "1+2*3", kRad, 7}, ValueCase{"Parens", "(1+2)*3", kRad, 9},
        ValueCase{"PowerLeftAssoc", "2^3^2", kRad, 64},
        ValueCase{"UnaryBelowPower", "-2^2", kRad, -4},
        ValueCase{"MinusBindsTighterThanPlus", "10-2-3", kRad, 5},
        ValueCase{"DivideChain", "8/4/2", kRad, 1},
        ValueCase{"DegreesSine", "sin(30)+2^3", kDeg, 8.5}),
    testing::RowName());

}  // namespace
}  // namespace zentova
