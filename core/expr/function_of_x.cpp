#include "expr/function_of_x.h"

#include "expr/expr_messages.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace zentova {
namespace {

// "(%g)" of a value: six significant digits in parentheses, so that a sign or
// an exponent can stand anywhere in the text. to_chars with the general
// format and precision 6 writes exactly what "%g" writes.
std::size_t FormatSubstitute(double value, char* out, std::size_t capacity) {
    out[0] = '(';
    const auto [end, ec] =
        std::to_chars(out + 1, out + capacity - 1, value, std::chars_format::general, 6);
    (void)ec;  // 32 characters always hold a six-digit number
    *end = ')';
    return static_cast<std::size_t>(end + 1 - out);
}

constexpr std::size_t kSubstituteCapacity = 32;

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr std::uint64_t kCountBeyondReach = ~std::uint64_t{0};

}  // namespace

// Both ends, then 2^(k-2) midpoints in pass k: 2^(depth-1) + 1 in all.
std::uint64_t IntegralEvaluations(int depth) {
    if (depth < 2) return 2;
    if (depth > 64) return kCountBeyondReach;
    return (std::uint64_t{1} << (depth - 1)) + 1;
}

std::uint64_t DerivativeEvaluations(int depth) {
    return depth > 0 ? 2 * static_cast<std::uint64_t>(depth) : 0;
}

std::uint64_t SeriesTermCount(double start, double end, double step) {
    if (start > end) return 0;
    const double terms = std::floor((end - start) / step) + 1.0;
    // A negative or NaN count is a range that never ends.
    return terms >= 0.0 && terms < 0x1p63 ? static_cast<std::uint64_t>(terms) : kCountBeyondReach;
}

double FunctionOfX::EvaluateAtX(double x) {
    char value[kSubstituteCapacity];
    const std::size_t valueLength = FormatSubstitute(x, value, sizeof value);

    // The substituted text must fit the evaluator's buffer; a longer one is an
    // input error, as a too long typed text would be.
    char buffer[kMaxExpressionLength + 1];
    std::size_t length = 0;
    EvalResult result{0.0, EvalStatus::InputError};
    bool fits = true;
    for (const char c : text_) {
        const std::size_t add = c == 'x' ? valueLength : 1;
        if (length + add > kMaxExpressionLength) {
            fits = false;
            break;
        }
        if (c == 'x') {
            std::memcpy(buffer + length, value, valueLength);
        } else {
            buffer[length] = c;
        }
        length += add;
    }
    if (fits) result = Evaluate(std::string_view(buffer, length), AngleMode::Radians);
    if (result.ok()) return result.value;
    failed_ = true;
    failCode_ = result.status;
    return 0.0;
}

EvalResult FunctionOfX::EvaluateWithParameters(std::span<const double> values) const {
    const std::size_t size = text_.size();
    auto isParameter = [&](std::size_t i) {
        return IsAsciiLetter(text_[i]) && (i == 0 || !IsAsciiLetter(text_[i - 1])) &&
               (i + 1 == size || !IsAsciiLetter(text_[i + 1]));
    };
    auto letterIndex = [](char c) { return (c | 0x20) - 'a'; };

    bool used[26] = {};
    for (std::size_t i = 0; i < size; ++i) {
        if (isParameter(i)) used[letterIndex(text_[i])] = true;
    }
    // The first letter in alphabetical order takes values[0], and so on; a
    // letter beyond the given values takes 0.
    char formatted[26][kSubstituteCapacity];
    std::size_t formattedLength[26] = {};
    std::size_t next = 0;
    for (int letter = 0; letter < 26; ++letter) {
        if (!used[letter]) continue;
        const double v = next < values.size() ? values[next] : 0.0;
        ++next;
        formattedLength[letter] = FormatSubstitute(v, formatted[letter], kSubstituteCapacity);
    }

    char buffer[kMaxExpressionLength + 1];
    std::size_t length = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const bool parameter = isParameter(i);
        const int letter = parameter ? letterIndex(text_[i]) : 0;
        const std::size_t add = parameter ? formattedLength[letter] : 1;
        if (length + add > kMaxExpressionLength) return {0.0, EvalStatus::InputError};
        if (parameter) {
            std::memcpy(buffer + length, formatted[letter], add);
        } else {
            buffer[length] = text_[i];
        }
        length += add;
    }
    return Evaluate(std::string_view(buffer, length), AngleMode::Radians);
}

EvalResult FunctionOfX::DefiniteIntegral(double a, double b, double precision, int depth,
                                         TaskControl* control) {
    TaskProgress progress(control, IntegralEvaluations(depth));
    failed_ = false;
    double h = b - a;
    const double fa = EvaluateAtX(a);
    const double fb = EvaluateAtX(b);
    if (failed_) return {0.0, failCode_};
    if (depth < 2 || progress.Step(2)) return {0.0, EvalStatus::IntegralMeaningless};

    // Only the previous and the current row of the Romberg table are kept; a
    // row grows by one value per pass, and each pass doubles the work, so the
    // rows stay short whatever the depth.
    std::vector<double> previous{(fb + fa) * h * 0.5};
    std::vector<double> row;
    for (int k = 2; k <= depth; ++k) {
        if (failed_) return {0.0, EvalStatus::IntegralMeaningless};
        h = h * 0.5;
        const std::uint64_t midpoints = std::uint64_t{1} << (k - 2 < 63 ? k - 2 : 63);
        double sum = 0.0;
        for (std::uint64_t i = 1; i <= midpoints; ++i) {
            sum = sum + EvaluateAtX(a + static_cast<double>(2 * i - 1) * h);
            if (progress.Step()) return {0.0, EvalStatus::IntegralMeaningless};
        }
        row.resize(static_cast<std::size_t>(k));
        row[0] = previous[0] * 0.5 + h * sum;
        double divisor = 1.0;
        for (std::size_t j = 1; j < row.size(); ++j) {
            divisor = divisor * 4.0;  // 4^(j-1) is a power of two: exact
            row[j] = row[j - 1] + (row[j - 1] - previous[j - 1]) / (divisor - 1.0);
        }
        const double last = row.back();
        const double difference = std::fabs(last - previous.back());
        if (difference < precision || std::isnan(difference)) {
            if (failed_) return {0.0, failCode_};
            if (!std::isfinite(last)) return {0.0, EvalStatus::IntegralMeaningless};
            return {last, EvalStatus::Ok};
        }
        std::swap(previous, row);
    }
    return {0.0, EvalStatus::IntegralMeaningless};
}

EvalResult FunctionOfX::Derivative(double x0, double h0, double precision, int depth,
                                   TaskControl* control) {
    TaskProgress progress(control, depth > 0 ? static_cast<std::uint64_t>(depth) : 0);
    failed_ = false;
    failCode_ = EvalStatus::Ok;
    if (depth <= 0) return {0.0, EvalStatus::DerivativeMeaningless};
    double previous = 0.0;
    double h = h0;
    for (int pass = 1; pass <= depth; ++pass) {
        if (failed_) return {0.0, failCode_};
        const double forward = EvaluateAtX(x0 + h);
        const double backward = EvaluateAtX(x0 - h);
        const double d = (forward - backward) / (h + h);
        const double difference = std::fabs(d - previous);
        if (difference < precision || std::isnan(difference)) {
            if (failed_) return {0.0, failCode_};
            if (!std::isfinite(d)) return {0.0, EvalStatus::DerivativeMeaningless};
            return {d, EvalStatus::Ok};
        }
        h = h * 0.5;
        previous = d;
        if (progress.Step()) return {0.0, EvalStatus::DerivativeMeaningless};
    }
    return {0.0, EvalStatus::DerivativeMeaningless};
}

std::string_view SeriesRangeProblem(double start, double end, double step) {
    if (std::isnan(start) || std::isnan(end)) return msg::kRangeBoundNotANumber;
    if (start > end) return {};  // nothing is evaluated, whatever the step
    if (std::isinf(start) || std::isinf(end)) return msg::kRangeBoundInfinite;
    if (!(step > 0)) return msg::kRangeStepNotPositive;
    // Below the spacing of doubles at the largest magnitude in the range, some
    // x + step may round back to x, and the loop would never end.
    const double largest = std::fmax(std::fabs(start), std::fabs(end));
    if (step < std::nextafter(largest, INFINITY) - largest) {
        return msg::kRangeStepVanishes;
    }
    return {};
}

EvalResult FunctionOfX::SeriesAccumulate(double start, double end, double step, char op,
                                         TaskControl* control) {
    const bool sum = op == '+';
    double accumulator = sum ? 0.0 : 1.0;
    failed_ = false;
    if (!SeriesRangeProblem(start, end, step).empty()) return {0.0, EvalStatus::Meaningless};
    TaskProgress progress(control, SeriesTermCount(start, end, step));
    double x = start;
    if (!(start > end)) {
        for (;;) {
            if (failed_) return {0.0, failCode_};
            const double v = EvaluateAtX(x);
            accumulator = sum ? v + accumulator : v * accumulator;
            x = x + step;
            if (progress.Step()) return {0.0, EvalStatus::Meaningless};
            if (!(x > end)) continue;  // the end is included; NaN repeats
            if (failed_) return {0.0, failCode_};
            break;
        }
    }
    if (!std::isfinite(accumulator)) return {0.0, EvalStatus::Meaningless};
    return {accumulator, EvalStatus::Ok};
}

void FunctionOfX::Reset() {
    text_.clear();
    failed_ = false;
    failCode_ = EvalStatus::Ok;
}

FunctionOfX& SharedFunction() {
    static FunctionOfX shared;
    return shared;
}

}  // namespace zentova
