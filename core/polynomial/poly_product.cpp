#include "polynomial/poly_product.h"

#include <algorithm>
#include <string>

#include "common/typed_text.h"

namespace zentova {
namespace {

bool IsInputCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '+' || c == '-' || c == '*';
}

}  // namespace

std::string_view PolynomialInputProblem(std::string_view input) {
    const TypedText reading(input);  // the input rule; the bound counts what it reads
    input = reading.view();
    if (input.empty()) return msg::kEnterPolynomial;
    for (char c : input) {
        if (!IsInputCharacter(c)) return msg::kPolynomialInputWrong;
    }
    if (input.size() > kMaxPolynomialInputLength) return msg::kPolynomialTooLong;
    return {};
}

std::vector<std::string_view> SplitFactors(std::string_view input) {
    std::vector<std::string_view> factors;
    std::size_t start = 0;
    for (std::size_t star = input.find('*'); star != std::string_view::npos;
         star = input.find('*', start)) {
        factors.push_back(input.substr(start, star - start));
        start = star + 1;
    }
    factors.push_back(input.substr(start));
    return factors;
}

PolyStatus MultiplyChain(PolyEngine& engine, std::string_view input, PolyProduct& result,
                         TaskControl* control) {
    const TypedText reading(input);  // the input rule, as PolynomialInputProblem applies it
    input = reading.view();
    std::vector<std::string_view> factors = SplitFactors(input);
    // Without a '*' there is no product to take; multiplying by 1 shows the
    // polynomial combined, ordered and laid out like any product.
    if (factors.size() == 1) factors.push_back("1");

    TaskProgress progress(control, factors.size() - 1);
    if (progress.Stopped()) return PolyStatus::Stopped;
    PolyOutputGrid& work = engine.ChainGrid();
    std::string running(factors.front());
    for (std::size_t k = 1; k < factors.size(); ++k) {
        const PolyStatus status =
            engine.MultiplyPolynomialTexts(running, factors[k], work, control);
        if (status != PolyStatus::Ok) return status;
        if (progress.Step()) return PolyStatus::Stopped;
        if (k + 1 < factors.size()) {
            if (engine.UsedWidth() > kMaxIntermediateWidth) return PolyStatus::Overflow;
            running = GridToPlainText(work, engine.UsedWidth());
        }
    }
    // The result's old grid becomes the next chain's work grid; it is
    // blanked only as far as it was written.
    result.grid.swap(work);
    result.width = engine.UsedWidth();
    result.termCount = engine.TermCount();
    return PolyStatus::Ok;
}

std::vector<TypesetRun> TypesetProduct(const PolyOutputGrid& grid, int usedWidth) {
    std::vector<TypesetRun> runs;
    const int width = std::clamp(usedWidth, 0, PolyOutputGrid::kColumns);
    for (int c = 0; c < width; ++c) {
        const bool raised = grid.Lower(c) == ' ' && grid.Upper(c) != ' ';
        const char shown = raised ? grid.Upper(c) : grid.Lower(c);
        if (runs.empty() || runs.back().raised != raised) runs.push_back({std::string(), raised});
        runs.back().text.push_back(shown);
    }
    return runs;
}

Outcome MultiplyPolynomialInput(PolyEngine& engine, std::string_view input, PolyProduct& result,
                                TaskControl* control) {
    if (const auto problem = PolynomialInputProblem(input); !problem.empty()) {
        return Outcome::Refused(problem);
    }
    switch (MultiplyChain(engine, input, result, control)) {
        case PolyStatus::Ok:
            break;
        case PolyStatus::Overflow:
            return Outcome::Failure(msg::kPolynomialOverflow);
        case PolyStatus::Stopped:
            return Outcome::Stopped();
    }
    return Outcome::Value({});
}

Outcome ComputePolynomialProduct(PolyEngine& engine, std::string_view input, bool withGrid,
                                 TaskControl* control) {
    PolyProduct product;
    Outcome outcome = MultiplyPolynomialInput(engine, input, product, control);
    if (outcome.kind != Outcome::Kind::Value) return outcome;
    std::string text;
    if (withGrid) {
        text += GridRow(product.grid, product.width, true) + '\n';
        text += GridRow(product.grid, product.width, false) + '\n';
    }
    text += GridToPlainText(product.grid, product.width) + '\n';
    text += std::to_string(product.termCount);
    return Outcome::Value(std::move(text));
}

}  // namespace zentova
