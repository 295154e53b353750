// Polynomial texts: the hashed merge of the engine against the literal
// linear-search product, and the product's plain text read back as the same
// polynomial.
#include <cstring>
#include <string>
#include <vector>

#include "common/typed_text.h"
#include "fuzz_check.h"
#include "polynomial/poly_engine.h"
#include "polynomial/poly_product.h"
#include "references/literal_poly.h"

using namespace zentova;

namespace {

// The grid holds the literal rows over the used width and is blank in every
// later column. The rows are compared as such and the blank rest with one
// memcmp: comparing whole 100 KB grids column by column was most of the
// target's time.
bool SameLayout(const PolyOutputGrid& grid, int width, const literal::LiteralProduct& reference) {
    if (width != reference.width || static_cast<std::size_t>(width) != reference.lower.size()) {
        return false;
    }
    if (GridRow(grid, width, true) != reference.upper) return false;
    if (GridRow(grid, width, false) != reference.lower) return false;
    static const std::vector<char> blank(grid.Bytes().size(), ' ');
    const auto rest = grid.Bytes().subspan(2 * static_cast<std::size_t>(width));
    return std::memcmp(rest.data(), blank.data(), rest.size()) == 0;
}

// Kept across inputs, as the page keeps its engine: the engine's tables and
// grids are allocated once, and each product blanks only what the one before
// it wrote.
PolyEngine engine;
PolyProduct product;
PolyOutputGrid again;

// The last product's coefficients beyond 64 bits and their texts live on in
// the engine until its next product. An input that leaves more allocations
// than it frees makes libFuzzer run it again and look for a leak, so every
// input ends with an empty product that frees them.
void ReleaseLongCoefficients() {
    PolyOutputGrid& scratch = engine.ChainGrid();
    (void)engine.MultiplyPolynomialTexts("", "", scratch);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    if (!PolynomialInputProblem(input).empty()) {
        fuzz::Check(ComputePolynomialProduct(engine, input, /*withGrid=*/true).refused(),
                    "a refused input computes nothing", input);
        return 0;
    }
    const PolyStatus status = MultiplyChain(engine, input, product);
    // The literal product knows ASCII only; it is given the input as the
    // input rule reads it.
    const literal::LiteralProduct reference =
        literal::MultiplyChain(std::string(TypedText(input).view()));
    fuzz::Check((status == PolyStatus::Ok ? 0 : -1) == reference.status,
                "the hashed and literal products agree on overflow", input);
    if (reference.status != 0) {
        ReleaseLongCoefficients();
        return 0;
    }
    fuzz::Check(
        product.termCount == reference.terms && SameLayout(product.grid, product.width, reference),
        "the hashed and literal products agree", input);

    (void)TypesetProduct(product.grid, product.width);
    const std::string plain = GridToPlainText(product.grid, product.width);
    fuzz::Check(engine.MultiplyPolynomialTexts(plain, "1", again) == PolyStatus::Ok &&
                    engine.TermCount() == reference.terms &&
                    SameLayout(again, engine.UsedWidth(), reference),
                "the plain text reads back as the same polynomial", input);
    ReleaseLongCoefficients();
    return 0;
}
