// What one command of a tool ends in, shared by the pages and the command
// line so that both show the same text for the same input.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace zentova {

struct Outcome {
    enum class Kind {
        Value,    // a result, shown in the result box
        Failure,  // a failed computation, its text shown in the result box
        Refused,  // refused before computing: a message box, nothing changes
    };

    Kind kind = Kind::Value;
    std::string text;

    static Outcome Value(std::string text) { return {Kind::Value, std::move(text)}; }
    static Outcome Failure(std::string text) { return {Kind::Failure, std::move(text)}; }
    static Outcome Refused(std::string_view text) { return {Kind::Refused, std::string(text)}; }

    bool refused() const { return kind == Kind::Refused; }
};

}  // namespace zentova
