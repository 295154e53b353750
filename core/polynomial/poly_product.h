// The polynomial page's rules that are not about widgets: the input checks in
// their order, the message texts, and the chain of products that its worker
// runs and that a stop flag ends early.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/outcome.h"
#include "common/task_control.h"
#include "polynomial/poly_engine.h"
#include "polynomial/polynomial_messages.h"

namespace zentova {

// The input box takes at most this many characters.
inline constexpr std::size_t kMaxPolynomialInputLength = 5000;

// An intermediate product wider than this is not fed into the next step.
inline constexpr int kMaxIntermediateWidth = 9000;

// Why the input cannot be computed (empty, a character other than digits,
// '+', '-', '*' and lower-case letters, or too long), or an empty view.
std::string_view PolynomialInputProblem(std::string_view input);

// The factors between the '*'s, left to right; any of them may be empty.
std::vector<std::string_view> SplitFactors(std::string_view input);

struct PolyProduct {
    PolyOutputGrid grid;
    int width = 0;
    int termCount = 0;
};

// Multiplies the factors of `input` from left to right, each intermediate
// product flattened to text for the next step. A single polynomial is
// multiplied by 1, which brings it to normal form. `result` is written only
// on Ok: an overflow or a stop never leaves a partial product there. A
// stopped chain leaves `engine` ready for the next one. Progress counts the
// products of the chain.
PolyStatus MultiplyChain(PolyEngine& engine, std::string_view input, PolyProduct& result,
                         TaskControl* control = nullptr);

// The typeset product as the page shows it: per used column the lower
// character, else a blank where the upper one is blank too, else the upper
// character raised and small. Neighbouring characters of the same kind form
// one run.
struct TypesetRun {
    std::string text;
    bool raised = false;

    bool operator==(const TypesetRun&) const = default;
};
std::vector<TypesetRun> TypesetProduct(const PolyOutputGrid& grid, int usedWidth);

// The compute command up to the product, for the page and the command line
// alike: the checks (refused), then the chain, whose overflow is a failure
// with its message and whose stop is Stopped. A value has no text: the
// product is in `result`, written as MultiplyChain writes it.
Outcome MultiplyPolynomialInput(PolyEngine& engine, std::string_view input, PolyProduct& result,
                                TaskControl* control = nullptr);

// The whole compute command as text. The value is the plain result and the
// term count on two lines; with `withGrid`, the upper and the lower row of
// the grid come first.
Outcome ComputePolynomialProduct(PolyEngine& engine, std::string_view input, bool withGrid,
                                 TaskControl* control = nullptr);

}  // namespace zentova
