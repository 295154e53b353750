// Ten statistics of a list of typed numbers.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "common/outcome.h"

namespace zentova {

// The list index of the statistics page; any other index computes 0.
enum class StatisticKind : int {
    Maximum = 0,
    Minimum = 1,
    SumOfValues = 2,
    ProductOfValues = 3,
    ArithmeticMean = 4,
    GeometricMean = 5,
    QuadraticMean = 6,
    SampleStdDev = 7,
    RelativeStdDev = 8,
    PopulationStdDev = 9,
};

inline constexpr int kStatisticKindCount = 10;

// The list entries of the statistics page, in index order.
std::span<const std::string_view> StatisticKindLabels();

// The kind named by a list index "0".."9" or by one of the short names
// max, min, sum, product, mean, geomean, rms, sstdev, rsd, pstdev.
std::optional<StatisticKind> ParseStatisticKind(std::string_view text);

// The statistic of `values` in text order; empty values or an unknown kind
// give 0.
double ComputeStatistic(StatisticKind kind, std::span<const double> values);

// The statistics page's compute on the data text, whose tokens are cut by the
// number separators (common/number_text.h): a token that is not a number is
// refused, then data without any number; otherwise the result box text
// ("%.15g").
Outcome ComputeStatisticText(StatisticKind kind, std::string_view data);

}  // namespace zentova
