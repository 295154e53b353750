// The whole command line as one function, so that the program and the fuzzing
// of its argument handling run the same code.
#pragma once

#include <string>
#include <vector>

#include "cli_support.h"

namespace zentova::cli {

// Parses `arguments` (without the program's name), runs the subcommand they
// name with the streams of `context`, and returns the exit status.
int RunCommandLine(const std::vector<std::string>& arguments, Context& context);

// The same with the parser of every command built, whatever the arguments
// name; RunCommandLine must always agree with it.
int RunCommandLineWithEveryCommand(const std::vector<std::string>& arguments, Context& context);

}  // namespace zentova::cli
