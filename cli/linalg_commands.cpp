#include <CLI/CLI.hpp>

#include "cli/common.h"

namespace zentova::cli {

void AddLinalgCommands(CLI::App& /*app*/, Context& /*context*/) {}

}  // namespace zentova::cli
