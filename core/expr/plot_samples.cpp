#include "expr/plot_samples.h"

#include <cmath>
#include <limits>

namespace zentova {
namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

// EvaluateAtX keeps its flag raised once it fails, so every point starts
// clean; otherwise one hole would blank the rest of the curve.
double ValueAt(FunctionOfX& function, double x) {
    function.SetEvalFailed(false);
    const double y = function.EvaluateAtX(x);
    if (function.EvalFailed() || !std::isfinite(y)) return kGap;
    return y;
}

}  // namespace

std::vector<PlotPoint> SampleFunction(std::string_view text, double from, double to, int count) {
    std::vector<PlotPoint> points;
    if (count <= 0) return points;
    FunctionOfX function;
    function.SetFunctionText(text);
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        // Weighted from the ends rather than accumulated, so the ends are
        // `from` and `to` themselves, and limits near the largest doubles do
        // not overflow their difference into NaN points.
        const double t = count == 1 ? 0.0 : static_cast<double>(i) / (count - 1);
        const double x = from * (1.0 - t) + to * t;
        points.push_back({x, ValueAt(function, x)});
    }
    return points;
}

std::vector<PlotPoint> TangentLine(std::string_view text, double x0, double slope, double from,
                                   double to) {
    if (!std::isfinite(slope)) return {};
    FunctionOfX function;
    function.SetFunctionText(text);
    const double y0 = ValueAt(function, x0);
    if (std::isnan(y0)) return {};
    return {{from, y0 + slope * (from - x0)}, {to, y0 + slope * (to - x0)}};
}

double PlotHalfWidthAround(double x0) {
    const double size = std::fabs(x0);
    return std::isfinite(size) && size > 1.0 ? size : 1.0;
}

}  // namespace zentova
