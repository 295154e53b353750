// What a plot of a function of x draws: its values at evenly spaced points,
// taken with the evaluator that the integral and the derivative use, so the
// curve shows exactly what was computed.
#pragma once

#include <string_view>
#include <vector>

#include "expr/function_of_x.h"

namespace zentova {

struct PlotPoint {
    double x;
    double y;  // NaN where the evaluator failed: the curve has a gap there
};

// `count` values of `text` from `from` to `to`, both ends included (one
// value at `from` when count is 1, none when 0). A point where the evaluator
// fails, or whose value is not finite, gives NaN instead of the 0.0 that
// EvaluateAtX returns, so a pole or a hole shows as a gap, never a spike.
std::vector<PlotPoint> SampleFunction(std::string_view text, double from, double to, int count);

// The tangent y = f(x0) + slope * (x - x0) at its two ends `from` and `to`;
// empty when f(x0) fails or slope is not finite.
std::vector<PlotPoint> TangentLine(std::string_view text, double x0, double slope, double from,
                                   double to);

// The span a plot shows around a point: wide enough to see the curve bend,
// scaled with the point's size.
double PlotHalfWidthAround(double x0);

}  // namespace zentova
