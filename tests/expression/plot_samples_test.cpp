#include "expr/plot_samples.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zentova {
namespace {

TEST(PlotSamples, SameValuesAsTheEvaluatorAndGapsWhereItFails) {
    const auto points = SampleFunction("1/x+x^2*sin(x)", -1, 1, 5);
    ASSERT_EQ(points.size(), 5u);
    EXPECT_TRUE(std::isnan(points[2].y));  // 1/0
    EXPECT_EQ(points[4].x, 1.0);
    for (const PlotPoint& p : points) {
        if (p.x == 0.0) continue;
        FunctionOfX f;
        f.SetFunctionText("1/x+x^2*sin(x)");
        EXPECT_EQ(p.y, f.EvaluateAtX(p.x)) << p.x;  // bit for bit, after the gap too
    }
    EXPECT_TRUE(std::isnan(SampleFunction("sqrt(x)", -1, 0, 2)[0].y));
    EXPECT_TRUE(SampleFunction("x", 0, 1, 0).empty());
    for (const PlotPoint& p : SampleFunction("1", -1e308, 1e308, 3))
        EXPECT_FALSE(std::isnan(p.x));
}

TEST(PlotSamples, TangentThroughThePointWithTheSlope) {
    const auto line = TangentLine("x^2", 1, 2, 0, 3);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_DOUBLE_EQ(line[0].y, -1.0);
    EXPECT_DOUBLE_EQ(line[1].y, 5.0);
    EXPECT_TRUE(TangentLine("1/x", 0, 1, -1, 1).empty());
    EXPECT_TRUE(TangentLine("x", 0, NAN, -1, 1).empty());
}

}  // namespace
}  // namespace zentova
