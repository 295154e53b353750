#include "common/box_exchange.h"

#include <charconv>

#include "common/number_text.h"
#include "common/typed_text.h"

namespace zentova {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

// A box of one number follows the input rule like every other reader, so a
// bound typed as "１．５" is the 1.5 it reads as in an expression box.
std::optional<double> ReadDoubleBox(std::string_view typed) {
    const TypedText reading(typed);
    std::string_view text = Trim(reading.view());
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars also reads "inf" and "nan"; a number box holds digits.
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.')) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> ReadIntBox(std::string_view typed) {
    const TypedText reading(typed);
    std::string_view text = Trim(reading.view());
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int value = 0;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), last, value);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return value;
}

std::string WriteDoubleBox(double value) {
    return FormatDouble(value);
}

std::string WriteIntBox(int value) {
    return std::to_string(value);
}

}  // namespace zentova
