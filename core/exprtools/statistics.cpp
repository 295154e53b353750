#include "exprtools/statistics.h"

#include <array>
#include <cmath>

#include "common/number_text.h"
#include "exprtools/expression_tools.h"

namespace zentova {
namespace {

constexpr std::array<std::string_view, kStatisticKindCount> kLabels = {
    "最大数",     "最小数",     "累加",      "累乘",         "算术平均数",
    "几何平均数", "平方平均数", "n-1标准差", "相对标准偏差", "标准差"};

constexpr std::array<std::string_view, kStatisticKindCount> kShortNames = {
    "max", "min", "sum", "product", "mean", "geomean", "rms", "sstdev", "rsd", "pstdev"};

double Sum(std::span<const double> values) {
    double s = 0.0;
    for (double x : values)
        s = s + x;
    return s;
}

double SquaredDeviations(std::span<const double> values, double mean) {
    double s = 0.0;
    for (double x : values)
        s = s + (x - mean) * (x - mean);
    return s;
}

}  // namespace

std::span<const std::string_view> StatisticKindLabels() {
    return kLabels;
}

std::optional<StatisticKind> ParseStatisticKind(std::string_view text) {
    for (int i = 0; i < kStatisticKindCount; ++i) {
        const char digit[2] = {static_cast<char>('0' + i), '\0'};
        if (text == digit || text == kShortNames[static_cast<std::size_t>(i)]) {
            return static_cast<StatisticKind>(i);
        }
    }
    return std::nullopt;
}

double ComputeStatistic(StatisticKind kind, std::span<const double> values) {
    if (values.empty()) return 0.0;
    const double n = static_cast<double>(values.size());
    switch (kind) {
        case StatisticKind::Maximum: {
            double m = values[0];
            for (double x : values) {
                if (!(m >= x)) m = x;
            }
            return m;
        }
        case StatisticKind::Minimum: {
            double m = values[0];
            for (double x : values) {
                if (m > x) m = x;
            }
            return m;
        }
        case StatisticKind::SumOfValues:
            return Sum(values);
        case StatisticKind::ProductOfValues:
        case StatisticKind::GeometricMean: {
            double p = 1.0;
            for (double x : values)
                p = p * x;
            return kind == StatisticKind::ProductOfValues ? p : std::pow(p, 1.0 / n);
        }
        case StatisticKind::ArithmeticMean:
            return Sum(values) / n;
        case StatisticKind::QuadraticMean: {
            double s = 0.0;
            for (double x : values)
                s = s + x * x;
            return std::sqrt(s / n);
        }
        case StatisticKind::SampleStdDev:
        case StatisticKind::RelativeStdDev: {
            const double mean = Sum(values) / n;
            const double deviation = std::sqrt(SquaredDeviations(values, mean) / (n - 1.0));
            return kind == StatisticKind::SampleStdDev ? deviation : deviation / mean;
        }
        case StatisticKind::PopulationStdDev: {
            const double mean = Sum(values) / n;
            return std::sqrt(SquaredDeviations(values, mean) / n);
        }
    }
    return 0.0;
}

std::vector<double> SplitStatisticsData(std::string_view text) {
    std::vector<double> values;
    ForEachNumberToken(text, [&](std::string_view token) {
        values.push_back(ReadNumberPrefix(token));
        return true;
    });
    return values;
}

Outcome ComputeStatisticText(StatisticKind kind, std::string_view data) {
    const std::vector<double> values = SplitStatisticsData(data);
    // Separators alone leave no first number; they are refused like no data.
    if (values.empty()) return Outcome::Refused(msg::kEnterStatisticsData);
    return Outcome::Value(FormatDouble(ComputeStatistic(kind, values)));
}

}  // namespace zentova
