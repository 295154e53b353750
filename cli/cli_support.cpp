#include "cli_support.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <ostream>

namespace zentova::cli {

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
    }
}

double ParseDouble(const std::string& text, std::string_view what) {
    if (!text.empty()) {
        errno = 0;
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (end == text.c_str() + text.size()) return value;
    }
    throw UsageError(std::string(what) + " 必须是数: " + text);
}

int ParseInt(const std::string& text, std::string_view what) {
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (first != last && ec == std::errc() && ptr == last) return value;
    throw UsageError(std::string(what) + " 必须是整数: " + text);
}

std::string ReadAll(std::istream& in) {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace zentova::cli
