#include "common/number_text.h"

#include <cstdio>

#include <charconv>
#include <cstdlib>
#include <string>

namespace zentova {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// White space as the C library's isspace sees it in the "C" locale.
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::size_t CountNumberTokens(std::string_view text, std::size_t limit) {
    std::size_t count = 0;
    if (limit == 0) return 0;
    ForEachNumberToken(text, [&](std::string_view) { return ++count < limit; });
    return count;
}

double ReadNumberPrefix(std::string_view token) {
    std::size_t i = 0;
    while (i < token.size() && IsSpace(token[i]))
        ++i;
    const std::size_t start = i;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < token.size() && IsDigit(token[i]))
        ++i, ++digits;
    if (i < token.size() && token[i] == '.') {
        ++i;
        while (i < token.size() && IsDigit(token[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < token.size() && (token[j] == '+' || token[j] == '-')) ++j;
        if (j < token.size() && IsDigit(token[j])) {
            while (j < token.size() && IsDigit(token[j]))
                ++j;
            i = j;
        }
    }
    // The prefix is a plain decimal number now. from_chars rounds it as
    // strtod does, without a copy or the locale; only where the value
    // overflows or underflows does strtod say what it becomes.
    std::size_t first = start;
    if (token[first] == '+') ++first;  // from_chars takes no plus sign
    double value = 0.0;
    const auto [end, error] = std::from_chars(token.data() + first, token.data() + i, value);
    if (error == std::errc() && end == token.data() + i) return value;
    const std::string number(token.substr(start, i - start));
    return std::strtod(number.c_str(), nullptr);
}

std::string FormatDouble(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace zentova
