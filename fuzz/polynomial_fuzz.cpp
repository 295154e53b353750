// Polynomial texts: the hashed merge of the engine against the literal
// linear-search product, and the product's plain text read back as the same
// polynomial.
#include <algorithm>
#include <string>

#include "common/typed_text.h"
#include "fuzz_check.h"
#include "polynomial/poly_engine.h"
#include "polynomial/poly_product.h"
#include "references/literal_poly.h"

using namespace zentova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // Kept across inputs, as the page keeps its engine: a product grid is
    // 100 KB, and clearing fresh ones would be most of the work.
    static PolyEngine engine;
    static PolyProduct product;
    static PolyOutputGrid again;

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
    if (reference.status != 0) return 0;
    fuzz::Check(product.width == reference.width && product.termCount == reference.terms &&
                    std::equal(product.grid.Bytes().begin(), product.grid.Bytes().end(),
                               reference.grid.begin()),
                "the hashed and literal products agree", input);

    (void)TypesetProduct(product.grid, product.width);
    const std::string plain = GridToPlainText(product.grid, product.width);
    fuzz::Check(engine.MultiplyPolynomialTexts(plain, "1", again) == PolyStatus::Ok &&
                    again == product.grid,
                "the plain text reads back as the same polynomial", input);
    return 0;
}
