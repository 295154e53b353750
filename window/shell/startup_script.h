// Start-up options for looking at the program without a person at it: open on
// a page or toolbar set, click controls, type and press keys, then save a
// picture of the window and quit. Used by the screenshot script.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zentova {

class CMainFrame;

struct StartupStep {
    enum class Kind { Page, Set, Click, Type, Key, Tip, Screenshot };
    Kind kind;
    QString argument;
};

// The steps in command-line order; an error text for an unknown or
// incomplete option.
struct StartupScript {
    std::vector<StartupStep> steps;
    QString error;
};
StartupScript ParseStartupScript(const QStringList& arguments);

// Runs the steps on the shown window; a screenshot step ends the program.
void RunStartupScript(CMainFrame& frame, const std::vector<StartupStep>& steps);

inline constexpr char kStartupUsage[] =
    "usage: zentova [--page N] [--set A|B] [--click NAME] [--type TEXT] [--key Enter|Escape]\n"
    "               [--tip NAME] [--screenshot FILE.png]\n";

}  // namespace zentova
