#include <CLI/CLI.hpp>

#include "cli/common.h"

namespace zentova::cli {

void AddGraphCommands(CLI::App& /*app*/, Context& /*context*/) {}

}  // namespace zentova::cli
