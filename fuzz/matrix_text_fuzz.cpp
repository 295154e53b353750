// Matrix texts: reading, re-layout, and the linear system and determinant
// computed from them, against the element-by-element eliminations.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "linalg/determinant.h"
#include "linalg/linear_system.h"
#include "linalg/matrix_text.h"
#include "references/reference_elimination.h"

using namespace zentova;

namespace {

bool SameBits(const Matrix& a, const Matrix& b) {
    return a.values().size() == b.values().size() &&
           std::memcmp(a.values().data(), b.values().data(), a.values().size_bytes()) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int rows = input.ConsumeIntegralInRange(1, 12);
    const int cols = input.ConsumeIntegralInRange(1, 12);
    const std::string text = input.ConsumeRemainingBytesAsString();
    const auto count = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);

    std::vector<double> typed(count, 0.0);
    std::optional<NotNumberToken> notNumber;
    const std::size_t read = ReadMatrixText(text, count, typed, &notNumber);
    fuzz::Check(read <= count && (notNumber ? notNumber->index == read
                                            : CountMatrixNumbers(text, count) == read),
                "the numbers read are the numbers counted, up to one that is none", text);

    // Re-layout moves the typed tokens, never changes them.
    const std::string laidOut = RelayoutMatrixText(text, rows, cols);
    std::vector<double> again(count, 0.0);
    fuzz::Check(ReadMatrixText(laidOut, count, again) == read &&
                    std::memcmp(typed.data(), again.data(), read * sizeof(double)) == 0,
                "a re-laid-out text holds the same numbers", text);

    const int n = rows;
    Matrix system(n, n + 1);
    if (ReadMatrix(text, system)) {
        Matrix literal = system;
        const SolveStatus status = SolveLinearSystem(n, system);
        const int expected = reference::SolveLinearSystem(n, literal);
        fuzz::Check((status == SolveStatus::Solved ? 0 : 1) == expected,
                    "the solver agrees with the elimination on solvability", text);
        if (expected == 0) fuzz::Check(SameBits(system, literal), "the solutions agree", text);
    }
    Matrix square(n, n);
    if (ReadMatrix(text, square)) {
        Matrix literal = square;
        const double fast = EvaluateDeterminant(n, square);
        const double slow = reference::EvaluateDeterminant(n, literal);
        fuzz::Check(fuzz::SameBits(fast, slow), "the determinants agree", text);
    }
    (void)SolveLinearSystemText(n, text);
    (void)EvaluateDeterminantText(n, text);
    return 0;
}
