// The readers of typed numbers: whole-box numbers, the number tokens of data
// and parameter texts, the atof-like reading of a token and the whole-token
// reading after the input rule, checked against a reading written here from
// the grammar alone.
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/box_exchange.h"
#include "common/number_text.h"
#include "common/typed_text.h"
#include "exprtools/expression_tools.h"
#include "exprtools/statistics.h"
#include "fuzz_check.h"

using namespace zentova;

namespace {

// The longest prefix of the form  blanks [sign] (digits [. digits] | . digits)
// [e [sign] digits], read by strtod; 0 when there is none. `length` is the
// prefix's length, 0 when there is none.
double ReferencePrefix(const std::string& token, std::size_t& length) {
    length = 0;
    std::size_t i = 0;
    while (i < token.size() && std::isspace(static_cast<unsigned char>(token[i])) != 0)
        ++i;
    const std::size_t start = i;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    auto digits = [&](std::size_t from) {
        std::size_t k = from;
        while (k < token.size() && std::isdigit(static_cast<unsigned char>(token[k])) != 0)
            ++k;
        return k;
    };
    std::size_t end = digits(i);
    bool any = end > i;
    if (end < token.size() && token[end] == '.') {
        const std::size_t fraction = digits(end + 1);
        any = any || fraction > end + 1;
        end = fraction;
    }
    if (!any) return 0.0;
    if (end < token.size() && (token[end] == 'e' || token[end] == 'E')) {
        std::size_t e = end + 1;
        if (e < token.size() && (token[e] == '+' || token[e] == '-')) ++e;
        if (digits(e) > e) end = digits(e);
    }
    length = end;
    return std::strtod(token.substr(start, end - start).c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    if (const std::optional<double> value = ReadDoubleBox(text)) {
        const std::string written = WriteDoubleBox(*value);
        const std::optional<double> back = ReadDoubleBox(written);
        fuzz::Check(back.has_value() && WriteDoubleBox(*back) == written,
                    "a number box's own text reads back", text);
    }
    if (const std::optional<int> value = ReadIntBox(text)) {
        fuzz::Check(ReadIntBox(WriteIntBox(*value)) == value, "an integer box reads back", text);
    }

    std::size_t tokens = 0;
    bool allNumbers = true;
    ForEachNumberToken(text, [&](std::string_view token) {
        ++tokens;
        std::size_t length = 0;
        const double fast = ReadNumberPrefix(token);
        const double reference = ReferencePrefix(std::string(token), length);
        fuzz::Check(fuzz::SameBits(fast, reference), "a token reads as the decimal grammar says",
                    token);
        // Whole tokens: up to a zero byte, after the input rule, all of it.
        const TypedText reading(token.substr(0, token.find('\0')));
        const std::string read(reading.view());
        const double whole = ReferencePrefix(read, length);
        const std::optional<double> value = ReadNumberToken(token);
        const bool number = length != 0 && length == read.size();
        fuzz::Check(value.has_value() == number && (!number || fuzz::SameBits(*value, whole)),
                    "a whole token is a number as the grammar says", token);
        allNumbers = allNumbers && number;
        return true;
    });
    fuzz::Check(CountNumberTokens(text, tokens + 1) == tokens, "the token count agrees", text);
    const Outcome statistic = ComputeStatisticText(StatisticKind::SumOfValues, text);
    fuzz::Check(statistic.refused() == (tokens == 0 || !allNumbers),
                "data is refused exactly when a token is no number or there is none", text);
    fuzz::Check(SplitParameterValues(text).size() <= kMaxParameterValues,
                "parameter values stay within their bound", text);
    return 0;
}
