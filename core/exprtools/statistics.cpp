#include "exprtools/statistics.h"

#include <array>
#include <cmath>
#include <optional>

#include "common/number_text.h"
#include "exprtools/expression_tools.h"

namespace zentova {
namespace {

constexpr std::array<std::string_view, kStatisticKindCount> kLabels = {
    "最大数",     "最小数",     "累加",      "累乘",         "算术平均数",
    "几何平均数", "平方平均数", "n-1标准差", "相对标准偏差", "标准差"};

constexpr std::array<std::string_view, kStatisticKindCount> kShortNames = {
    "max", "min", "sum", "product", "mean", "geomean", "rms", "sstdev", "rsd", "pstdev"};

// The statistic of the values that forEach(visit) hands to visit in order.
// forEach may be called twice: the deviations need the mean first. Each
// value meets exactly the operations of the written formulas, in order, so
// a list and the text it came from give the same bits without the text's
// values ever being held at once.
template <typename ForEach>
double Statistic(StatisticKind kind, ForEach&& forEach) {
    std::size_t count = 0;
    double sum = 0.0;
    auto countAndSum = [&](double x) {
        ++count;
        sum = sum + x;
    };
    auto deviations = [&](double mean) {
        double s = 0.0;
        forEach([&](double x) { s = s + (x - mean) * (x - mean); });
        return s;
    };
    double result = 0.0;
    switch (kind) {
        case StatisticKind::Maximum:
        case StatisticKind::Minimum: {
            const bool maximum = kind == StatisticKind::Maximum;
            forEach([&](double x) {
                if (count++ == 0) result = x;
                if (maximum ? !(result >= x) : result > x) result = x;
            });
            break;
        }
        case StatisticKind::SumOfValues:
            forEach(countAndSum);
            result = sum;
            break;
        case StatisticKind::ProductOfValues:
        case StatisticKind::GeometricMean: {
            double p = 1.0;
            forEach([&](double x) {
                ++count;
                p = p * x;
            });
            const double n = static_cast<double>(count);
            result = kind == StatisticKind::ProductOfValues ? p : std::pow(p, 1.0 / n);
            break;
        }
        case StatisticKind::ArithmeticMean:
            forEach(countAndSum);
            result = sum / static_cast<double>(count);
            break;
        case StatisticKind::QuadraticMean: {
            double s = 0.0;
            forEach([&](double x) {
                ++count;
                s = s + x * x;
            });
            result = std::sqrt(s / static_cast<double>(count));
            break;
        }
        case StatisticKind::SampleStdDev:
        case StatisticKind::RelativeStdDev: {
            forEach(countAndSum);
            if (count == 0) break;
            const double n = static_cast<double>(count);
            const double mean = sum / n;
            const double deviation = std::sqrt(deviations(mean) / (n - 1.0));
            result = kind == StatisticKind::SampleStdDev ? deviation : deviation / mean;
            break;
        }
        case StatisticKind::PopulationStdDev: {
            forEach(countAndSum);
            if (count == 0) break;
            const double n = static_cast<double>(count);
            result = std::sqrt(deviations(sum / n) / n);
            break;
        }
    }
    return count == 0 ? 0.0 : result;
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
    return Statistic(kind, [&](auto&& visit) {
        for (const double x : values)
            visit(x);
    });
}

Outcome ComputeStatisticText(StatisticKind kind, std::string_view data) {
    // The text is read afresh by each pass rather than split into a list: a
    // pasted page of numbers would take four times its size as doubles. The
    // first pass also checks every token; when one is no number, the value
    // computed is never shown.
    bool checked = false;
    std::size_t count = 0;
    std::optional<NotNumberToken> notNumber;
    auto readAndCheck = [&](auto&& visit) {
        std::size_t numbers = 0;
        const std::optional<NotNumberToken> found = ReadNumberTokens(data, [&](double value) {
            visit(value);
            ++numbers;
            return true;
        });
        if (checked) return;
        checked = true;
        notNumber = found;
        count = numbers;
    };
    const double result = Statistic(kind, readAndCheck);
    // A kind that reads nothing (none chosen) still has its data checked.
    if (!checked) readAndCheck([](double) {});
    if (notNumber) {
        return Outcome::Refused(
            msg::StatisticsTokenNotNumber(notNumber->index + 1, ShownToken(notNumber->token)));
    }
    // Separators alone leave no first number; they are refused like no data.
    if (count == 0) return Outcome::Refused(msg::kEnterStatisticsData);
    return Outcome::Value(FormatDouble(result));
}

}  // namespace zentova
