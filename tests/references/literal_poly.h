// The straightforward polynomial multiplication that the engine's hashed
// merging must reproduce exactly: every new term is looked up by a linear
// search from the start of the product table, and a cancelled term is removed
// by moving every later term down one place. Kept apart from the engine's
// code (own splitting, parsing, ordering and printf-based layout) so that the
// randomised tests compare two independent implementations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "polynomial/poly_engine.h"

namespace zentova::literal {

struct LiteralProduct {
    int status = 0;  // 0 on success, -1 on overflow
    // The two rows of the layout over its width; the rest of the grid is
    // blank.
    std::string upper, lower;
    int width = 0;
    int terms = 0;
    std::vector<PolyTerm> table;  // after merging, before ordering

    // The whole 2 x 50000 grid, column by column.
    std::vector<char> Grid() const;
};

std::vector<std::string> SplitTermTexts(std::string_view text);
PolyTerm ParseTermText(const std::string& s);

// Merges left times right into `table`; -1 when the table holds more than
// 4900 terms before some pair.
int MultiplyTables(const std::vector<PolyTerm>& left, const std::vector<PolyTerm>& right,
                   std::vector<PolyTerm>& table);

// One multiplication: split, parse, merge, order, lay out. The rows are
// written only on success.
void Multiply(std::string_view left, std::string_view right, LiteralProduct& product);

// The worker's chain over the '*'-separated factors; a lone polynomial is
// multiplied by 1.
LiteralProduct MultiplyChain(std::string_view input);

std::string Flatten(const LiteralProduct& product);

}  // namespace zentova::literal
