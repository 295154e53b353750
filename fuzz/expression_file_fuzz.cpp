// The expression file reader on any bytes: a file it accepts, written back by
// the writer, is read as the same list.
#include <string>

#include "exprtools/expression_file.h"
#include "fuzz_check.h"

using namespace zentova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ExpressionFileContent content = DecodeExpressionFile(bytes);
    if (!content.problem.empty()) {
        fuzz::Check(content.items.empty(), "a refused file yields no items", bytes);
        return 0;
    }
    const EncodedExpressionFile encoded = EncodeExpressionFile(content.items);
    if (content.items.empty()) return 0;  // the writer refuses an empty list
    fuzz::Check(encoded.problem.empty(), "an accepted list can be written", bytes);
    const ExpressionFileContent back = DecodeExpressionFile(encoded.bytes);
    fuzz::Check(back.problem.empty() && back.items == content.items,
                "a written list reads back the same", bytes);
    return 0;
}
