#include "cli_support.h"

#include "cli_messages.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <istream>
#include <ostream>

#include "common/common_messages.h"
#include "common/typed_text.h"
#include "common/utf8_text.h"

namespace zentova::cli {
namespace {

// Long enough for any number or shape a person types, short enough that a
// pasted page never floods the terminal.
constexpr std::size_t kQuotedCharacters = 40;

}  // namespace

void PrintText(Context& context, std::string_view text) {
    std::string out;
    out.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out.push_back(text[i]);
    }
    if (out.empty() || out.back() != '\n') out.push_back('\n');
    context.out << out;
}

void Refuse(Context& context, std::string_view message) {
    context.err << message << '\n';
    context.exitCode = kExitRefused;
}

void Emit(Context& context, const Outcome& outcome) {
    switch (outcome.kind) {
        case Outcome::Kind::Refused:
            Refuse(context, outcome.text);
            return;
        case Outcome::Kind::Failure:
            PrintText(context, outcome.text);
            if (context.exitCode == kExitOk) context.exitCode = kExitFailure;
            return;
        case Outcome::Kind::Value:
            PrintText(context, outcome.text);
            return;
        case Outcome::Kind::Stopped:
            // Nothing stops a command here; had one stopped, it has nothing to say.
            return;
    }
}

// Option values are typed text too: they follow the input rule, as the
// boxes of the same numbers on the pages do.
double ParseDouble(const std::string& text, std::string_view what) {
    const std::string reading(TypedText(text).view());
    if (!reading.empty()) {
        errno = 0;
        char* end = nullptr;
        const double value = std::strtod(reading.c_str(), &end);
        if (end == reading.c_str() + reading.size()) return value;
    }
    throw UsageError(msg::NotANumber(what, Quoted(text)));
}

int ParseInt(const std::string& text, std::string_view what) {
    const TypedText reading(text);
    int value = 0;
    const char* first = reading.view().data();
    const char* last = first + reading.view().size();
    if (first != last && *first == '+') ++first;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (first != last && ec == std::errc() && ptr == last) return value;
    throw UsageError(msg::NotAnInteger(what, Quoted(text)));
}

std::string Shown(std::string_view text, std::size_t maxCharacters) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
    std::string shown;
    std::size_t characters = 0;
    while (!text.empty() && characters < maxCharacters) {
        const std::size_t valid = ValidUtf8Prefix(text);
        if (valid == 0) {
            shown += kReplacement;
            text.remove_prefix(1);
            ++characters;
            continue;
        }
        // Whole characters only, up to the limit.
        std::size_t take = 0;
        while (take < valid && characters < maxCharacters) {
            ++take;
            while (take < valid && (static_cast<unsigned char>(text[take]) & 0xC0) == 0x80)
                ++take;
            ++characters;
        }
        shown.append(text.substr(0, take));
        text.remove_prefix(take);
    }
    if (!text.empty()) shown += "…";
    return shown;
}

std::string Quoted(std::string_view argument) {
    return Shown(argument, kQuotedCharacters);
}

const std::string& TextArgument(const std::string& text) {
    if (!IsValidUtf8(text)) throw UsageError(std::string(msg::kTextNotUtf8));
    return text;
}

std::string ReadAll(std::istream& in) {
    std::string text;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (!IsValidUtf8(text)) throw UsageError(std::string(msg::kTextNotUtf8));
    return text;
}

}  // namespace zentova::cli
