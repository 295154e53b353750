// The whole truth table as lines, header first; empty for a refused formula.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logic/logic_tools.h"

namespace zentova {

inline std::vector<std::string> TableLines(std::string_view formula) {
    std::optional<TruthTableStream> table = MakeTruthTable(formula);
    if (!table) return {};
    std::vector<std::string> lines = {table->header()};
    std::string line;
    while (table->Next(line))
        lines.push_back(line);
    return lines;
}

}  // namespace zentova
