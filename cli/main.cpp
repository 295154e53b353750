// zentova-cli: every tool of the calculator from a shell.
#include <iostream>
#include <string>
#include <vector>

#include "cli_app.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    zentova::cli::Context context{std::cout, std::cerr, std::cin};
    return zentova::cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), context);
}
