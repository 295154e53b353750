#include "common/number_text.h"

#include <cstdio>

#include <charconv>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/typed_text.h"

namespace zentova {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// White space as the C library's isspace sees it in the "C" locale.
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The value of the decimal number at the beginning of `token`, and in `end`
// where it ends; `end` 0 and the value 0 when the token does not begin with
// one.
double ReadPrefix(std::string_view token, std::size_t& end) {
    end = 0;
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
    end = i;
    // The prefix is a plain decimal number now. from_chars rounds it as
    // strtod does, without a copy or the locale; only where the value
    // overflows or underflows does strtod say what it becomes.
    std::size_t first = start;
    if (token[first] == '+') ++first;  // from_chars takes no plus sign
    double value = 0.0;
    const auto [last, error] = std::from_chars(token.data() + first, token.data() + i, value);
    if (error == std::errc() && last == token.data() + i) return value;
    const std::string number(token.substr(start, i - start));
    return std::strtod(number.c_str(), nullptr);
}

// Numbers are short: a token up to this long is read in place.
constexpr std::size_t kShortToken = 64;

// Characters a refusal shows of a token.
constexpr std::size_t kShownCharacters = 20;

}  // namespace

std::size_t CountNumberTokens(std::string_view text, std::size_t limit) {
    std::size_t count = 0;
    if (limit == 0) return 0;
    ForEachNumberToken(text, [&](std::string_view) { return ++count < limit; });
    return count;
}

double ReadNumberPrefix(std::string_view token) {
    std::size_t end = 0;
    return ReadPrefix(token, end);
}

std::optional<double> ReadNumberToken(std::string_view token) {
    if (const std::size_t zero = token.find('\0'); zero != std::string_view::npos) {
        token = token.substr(0, zero);
    }
    // Most tokens are plain numbers, which the input rule leaves as they are.
    std::size_t end = 0;
    const double plain = ReadPrefix(token, end);
    if (end != 0 && end == token.size()) return plain;
    if (!HasTypedForms(token)) return std::nullopt;
    // A reading is never longer than the token, so a short one always fits.
    char buffer[kShortToken];
    std::optional<TypedText> longer;
    std::string_view read;
    if (token.size() <= sizeof buffer) {
        read = ReadTypedText(token, buffer);
    } else {
        read = longer.emplace(token).view();
    }
    const double value = ReadPrefix(read, end);
    if (end == 0 || end != read.size()) return std::nullopt;
    return value;
}

std::string ShownToken(std::string_view token) {
    std::size_t at = 0;
    for (std::size_t characters = 0; at < token.size() && characters < kShownCharacters;
         ++characters) {
        ++at;
        while (at < token.size() && (static_cast<unsigned char>(token[at]) & 0xC0) == 0x80)
            ++at;
    }
    std::string shown(token.substr(0, at));
    if (at < token.size()) shown += "…";
    return shown;
}

std::string FormatDouble(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace zentova
