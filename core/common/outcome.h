// What one command of a tool ends in, shared by the pages and the command
// line so that both show the same text for the same input.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace zentova {

struct Outcome {
    enum class Kind {
        // A result. A page writes its text into the command's result box; a
        // command whose result is more than one text carries the rest beside
        // the outcome, and the page shows that instead. The command line
        // prints the text.
        Value,
        // The command ran and has no result; the text says why. A page writes
        // it into the result box, or shows it in a message box where the
        // command has no box for it (a matrix operation, a linear system, a
        // polynomial product). The command line prints it with status 1.
        Failure,
        // Refused before computing: a page shows the text in a message box and
        // changes nothing; the command line prints it on standard error with
        // status 2.
        Refused,
        // Ended with nothing to show: the person stopped a page task or
        // answered a question No, or there was nothing to pick. The page
        // keeps what it showed.
        Stopped,
    };

    Kind kind = Kind::Value;
    std::string text;

    static Outcome Value(std::string text) { return {Kind::Value, std::move(text)}; }
    static Outcome Failure(std::string_view text) { return {Kind::Failure, std::string(text)}; }
    static Outcome Refused(std::string_view text) { return {Kind::Refused, std::string(text)}; }
    static Outcome Stopped() { return {Kind::Stopped, {}}; }

    bool refused() const { return kind == Kind::Refused; }
    bool stopped() const { return kind == Kind::Stopped; }
};

}  // namespace zentova
