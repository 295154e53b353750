#include <CLI/CLI.hpp>

#include "cli/common.h"

namespace zentova::cli {

void AddPolynomialCommands(CLI::App& /*app*/, Context& /*context*/) {}

}  // namespace zentova::cli
