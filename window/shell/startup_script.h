// Start-up options for looking at the program without a person at it: open on
// a page or toolbar set, click controls, type and press keys, then save a
// picture of the window and quit. Used by the screenshot script.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace zentova {

class CMainFrame;
class CQtDesktop;

struct StartupStep {
    enum class Kind {
        Page,
        Set,
        Click,
        Focus,
        Select,
        Type,
        Key,
        File,
        Wait,
        Tip,
        Screenshot,
        ScreenshotTop
    };
    Kind kind;
    QString argument;
};

// The steps in command-line order; an error text for an unknown or
// incomplete option, or for a page outside 0 to `pageCount` - 1.
// A word that is no option is a file to open (`zentova FILE`, as the desktop
// opens an expression file); one at most.
struct StartupScript {
    std::vector<StartupStep> steps;
    QString file;
    QString error;
};
StartupScript ParseStartupScript(const QStringList& arguments, int pageCount);

// Runs the steps on the shown window, one at a time from the event loop, so
// that a step may open a modal dialog and the next ones act inside it; a
// screenshot step ends the program. File dialogs answer from `desktop`.
void RunStartupScript(CMainFrame& frame, CQtDesktop& desktop,
                      const std::vector<StartupStep>& steps);

// The options' lines of `--help`, one an option, `--help` and `--version`
// included; main() answers those two before the window exists.
QString StartupOptionsHelp(int pageCount);

// The usage lines printed after a wrong option: every step option and FILE.
QString StartupUsage();

}  // namespace zentova
