#include "engine/number_text.h"

#include <cstdlib>
#include <string>

namespace zentova {
namespace {

constexpr std::string_view kFullWidthComma = "\xEF\xBC\x8C";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// White space as the C library's isspace sees it in the "C" locale.
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

bool IsNumberSeparatorAt(std::string_view text, std::size_t at, std::size_t* length) {
    const char c = text[at];
    if (c == ' ' || c == ',' || c == '\r' || c == '\n') {
        *length = 1;
        return true;
    }
    if (text.substr(at, kFullWidthComma.size()) == kFullWidthComma) {
        *length = kFullWidthComma.size();
        return true;
    }
    return false;
}

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
    // The prefix is a plain decimal number now, which strtod rounds correctly.
    const std::string number(token.substr(start, i - start));
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace zentova
