// The one rule by which typed numbers are cut out of a text: matrices,
// statistics data and graph matrices all share it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentova {

// Separators: blank, ",", CR, LF and the full-width comma "，" (UTF-8). Runs of
// separators count as one; separators at either end make no token. The tab is
// not a separator.
// Where a box holds a single line (the parameter box), CR and LF are not
// separators: `lineBreaks` false.
inline bool IsNumberSeparatorAt(std::string_view text, std::size_t at, std::size_t* length,
                                bool lineBreaks = true) {
    const char c = text[at];
    if (c == ' ' || c == ',' || (lineBreaks && (c == '\r' || c == '\n'))) {
        *length = 1;
        return true;
    }
    // "，" is EF BC 8C in UTF-8.
    if (c == '\xEF' && at + 2 < text.size() && text[at + 1] == '\xBC' && text[at + 2] == '\x8C') {
        *length = 3;
        return true;
    }
    return false;
}

// Calls visit(token) for every token in order until it returns false.
template <typename Visit>
void ForEachNumberToken(std::string_view text, Visit&& visit, bool lineBreaks = true) {
    std::size_t i = 0;
    std::size_t length = 0;
    while (i < text.size()) {
        if (IsNumberSeparatorAt(text, i, &length, lineBreaks)) {
            i += length;
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && !IsNumberSeparatorAt(text, end, &length, lineBreaks))
            ++end;
        if (!visit(text.substr(i, end - i))) return;
        i = end;
    }
}

// Number of tokens, counting stops at `limit`.
std::size_t CountNumberTokens(std::string_view text, std::size_t limit);

// The value of a token as atof reads a decimal number: leading white space,
// an optional sign, digits with an optional ".", an optional exponent; the
// reading stops at the first byte that does not fit, and a token without a
// numeric beginning is worth 0. Words such as "inf" or "nan" and hexadecimal
// forms are not numbers here: typed input means decimal numbers only.
double ReadNumberPrefix(std::string_view token);

// Formats a double as "%.15g", the way every page shows numbers.
std::string FormatDouble(double value);

}  // namespace zentova
