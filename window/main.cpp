#include <QTimer>
#include <cstdio>
#include <cstring>

#include "pages/custom_expr_page.h"
#include "pages/page_registry.h"
#include "shell/main_frame.h"
#include "shell/startup_script.h"
#include "shell/zentova_app.h"
#include "shell/zentova_view.h"

namespace {

constexpr char kHelp[] =
    "Zentova, a calculator for students and engineers: expressions, custom formulas,\n"
    "integrals and derivatives, sums and products, statistics, constants, linear\n"
    "systems, determinants, matrices, polynomials, graphs and propositional logic.\n"
    "The same tools run from a shell as zentova-cli.\n"
    "\n"
    "FILE, an expression file, opens on the custom-expression page (as the desktop\n"
    "opens a .zexp file).\n"
    "\n"
    "Options, for looking at the program without a person at it (applied in order):\n"
    "  --page N            show page N (0 to 12)\n"
    "  --set A|B           show toolbar set A or B\n"
    "  --click NAME        click the control with object name NAME\n"
    "  --focus NAME        give NAME the keyboard focus\n"
    "  --select NAME=ROW   pick row ROW of a list or drop-down\n"
    "  --type TEXT         type TEXT into the focused control\n"
    "  --key KEY           press KEY (Enter, Escape, Tab, Up, ...)\n"
    "  --file PATH         the next file dialog answers PATH\n"
    "  --wait MS           wait MS milliseconds\n"
    "  --tip NAME          show the tooltip of NAME\n"
    "  --screenshot FILE   save a picture of the window and quit\n"
    "  --screenshot-top FILE  save a picture of the window a page opened last and quit\n"
    "  --help              show this help and quit\n"
    "  --version           show the version and quit\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before the application starts, so that they work without a
    // display (the manual page is made from them).
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zentova %s\n", ZENTOVA_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("Usage: zentova [OPTION]... [FILE]\n%s", kHelp);
            return 0;
        }
    }
    zentova::CZentovaApp app(argc, argv, zentova::PageTable());
    const zentova::StartupScript script = zentova::ParseStartupScript(app.arguments());
    if (!script.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(script.error), zentova::kStartupUsage);
        return 2;
    }
    if (!app.InitInstance()) return 1;
    if (!script.file.isEmpty()) {
        zentova::CZentovaView& view = *app.MainFrame()->View();
        view.ShowPage(zentova::kCustomExprPageIndex);
        auto* page =
            static_cast<zentova::CCustomExprPage*>(view.Page(zentova::kCustomExprPageIndex));
        // From the event loop, so that a message about the file shows over
        // the window rather than before it.
        QTimer::singleShot(0, page, [page, file = script.file] { page->OpenFile(file); });
    }
    if (!script.steps.empty())
        zentova::RunStartupScript(*app.MainFrame(), app.Desktop(), script.steps);
    return app.exec();
}
