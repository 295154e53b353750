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
    "Options, for looking at the program without a person at it (applied in order):\n";

// The index of the page that opens a file named on the command line.
int CustomExprPageIndex(const zentova::CZentovaView& view) {
    for (int index = 0; index < view.PageCount(); ++index) {
        if (qobject_cast<zentova::CCustomExprPage*>(view.Page(index)) != nullptr) return index;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int pageCount = static_cast<int>(zentova::PageTable().size());
    // Answered before the application starts, so that they work without a
    // display (the manual page is made from them).
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zentova %s\n", ZENTOVA_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("Usage: zentova [OPTION]... [FILE]\n%s%s", kHelp,
                        zentova::StartupOptionsHelp(pageCount).toUtf8().constData());
            return 0;
        }
    }
    zentova::CZentovaApp app(argc, argv, zentova::PageTable());
    const zentova::StartupScript script = zentova::ParseStartupScript(app.arguments(), pageCount);
    if (!script.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(script.error),
                     qPrintable(zentova::StartupUsage()));
        return 2;
    }
    app.InitInstance();
    if (!script.file.isEmpty()) {
        zentova::CZentovaView& view = *app.MainFrame()->View();
        const int index = CustomExprPageIndex(view);
        view.ShowPage(index);
        auto* page = qobject_cast<zentova::CCustomExprPage*>(view.Page(index));
        // From the event loop, so that a message about the file shows over
        // the window rather than before it.
        if (page != nullptr)
            QTimer::singleShot(0, page, [page, file = script.file] { page->OpenFile(file); });
    }
    if (!script.steps.empty())
        zentova::RunStartupScript(*app.MainFrame(), app.Desktop(), script.steps);
    return app.exec();
}
