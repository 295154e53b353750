#include <cstdio>

#include "pages/page_registry.h"
#include "shell/main_frame.h"
#include "shell/startup_script.h"
#include "shell/zentova_app.h"

int main(int argc, char** argv) {
    zentova::CZentovaApp app(argc, argv, zentova::PageTable());
    const zentova::StartupScript script = zentova::ParseStartupScript(app.arguments());
    if (!script.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(script.error), zentova::kStartupUsage);
        return 2;
    }
    if (!app.InitInstance()) return 1;
    if (!script.steps.empty())
        zentova::RunStartupScript(*app.MainFrame(), app.Desktop(), script.steps);
    return app.exec();
}
