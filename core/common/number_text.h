// The one rule by which typed numbers are cut out of a text: matrices,
// statistics data, graph matrices and parameter lists all share it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentova {

// Separators: blank, tab, ",", CR, LF, and what the input rule
// (common/typed_text.h) reads as a blank or ",": the ideographic space U+3000
// and the full-width comma "，". Runs of separators count as one; separators
// at either end make no token. The tab separates because rows and blocks
// copied from a spreadsheet arrive with tabs between their cells.
// Where a box holds a single line (the parameter box), CR and LF are not
// separators: `lineBreaks` false.
inline bool IsNumberSeparatorAt(std::string_view text, std::size_t at, std::size_t* length,
                                bool lineBreaks = true) {
    const char c = text[at];
    if (c == ' ' || c == ',' || c == '\t' || (lineBreaks && (c == '\r' || c == '\n'))) {
        *length = 1;
        return true;
    }
    // "，" is EF BC 8C and U+3000 is E3 80 80 in UTF-8.
    if ((c == '\xEF' || c == '\xE3') && at + 2 < text.size()) {
        const bool comma = c == '\xEF' && text[at + 1] == '\xBC' && text[at + 2] == '\x8C';
        const bool space = c == '\xE3' && text[at + 1] == '\x80' && text[at + 2] == '\x80';
        if (comma || space) {
            *length = 3;
            return true;
        }
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

// The value of the longest beginning of a token that forms a decimal number,
// as atof reads it: leading white space, an optional sign, digits with an
// optional ".", an optional exponent; the reading stops at the first byte
// that does not fit, and a token without a numeric beginning is worth 0.
// Words such as "inf" or "nan" and hexadecimal forms are not numbers here:
// typed input means decimal numbers only. The input rule is not applied.
double ReadNumberPrefix(std::string_view token);

// The value of a token that is wholly a number once the input rule has read
// it (１．５ reads as 1.5): optional leading white space, an optional sign,
// digits with an optional ".", an optional exponent, and nothing after them,
// as strtod would consume the whole token. The token ends at its first zero
// byte, as the pages' buffers ended a text. The value is ReadNumberPrefix's,
// bit for bit. Nullopt for anything else: "1/2", "2.5e1x", "3e", "-", "e5", and
// "inf", "nan" and hexadecimal forms, which typed input does not mean.
std::optional<double> ReadNumberToken(std::string_view token);

// A token that is not a number: its place among the tokens, counted from 0,
// and its text as typed (a view into the text read).
struct NotNumberToken {
    std::size_t index = 0;
    std::string_view token;
};

// Reads the tokens as numbers: visit(value) for each in order until it
// returns false. The first token that is not a number ends the reading and is
// returned; nullopt when every token read was a number.
template <typename Visit>
std::optional<NotNumberToken> ReadNumberTokens(std::string_view text, Visit&& visit,
                                               bool lineBreaks = true) {
    std::optional<NotNumberToken> notNumber;
    std::size_t index = 0;
    ForEachNumberToken(
        text,
        [&](std::string_view token) {
            const std::optional<double> value = ReadNumberToken(token);
            if (!value) {
                notNumber = NotNumberToken{index, token};
                return false;
            }
            ++index;
            return visit(*value);
        },
        lineBreaks);
    return notNumber;
}

// A token as a refusal quotes it: at most 20 characters, then "…".
std::string ShownToken(std::string_view token);

// Formats a double as "%.15g", the way every page shows numbers.
std::string FormatDouble(double value);

}  // namespace zentova
