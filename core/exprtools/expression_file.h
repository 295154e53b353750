// The expression file: a "~" mark, a 16-bit little-endian count and records of
// 600 bytes (a 100-byte name field and a 500-byte expression field, each text
// ended by a zero byte). Texts are GBK in the file and UTF-8 in memory.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentova {

struct ExpressionItem {
    std::string name;        // UTF-8
    std::string expression;  // UTF-8

    bool operator==(const ExpressionItem&) const = default;
};

inline constexpr char kExpressionFileMark = '~';
inline constexpr std::size_t kExpressionFileHeaderSize = 3;
inline constexpr std::size_t kExpressionNameField = 100;
inline constexpr std::size_t kExpressionTextField = 500;
inline constexpr std::size_t kExpressionRecordSize = kExpressionNameField + kExpressionTextField;
inline constexpr std::size_t kMaxExpressionFileItems = 65535;

// The checks of the expression dialog, in its order: an empty expression, then
// an empty name. Empty when both are there.
std::string_view ExpressionItemProblem(const ExpressionItem& item);

// Why an item cannot be stored in the file: a zero byte, a character without a
// GBK form, a name over 99 or an expression over 499 GBK bytes, in this order.
// Empty when it fits. The expression dialog asks this as well, so that nothing
// enters the list that saving would refuse later.
std::string_view ExpressionItemFitProblem(const ExpressionItem& item);

struct ExpressionFileContent {
    std::vector<ExpressionItem> items;
    std::string problem;  // empty when the file was read; the list is then replaced
};

// Reads the bytes of a file without trusting them: a wrong mark, a length that
// does not match the count, a field without its zero byte or text that is not
// GBK all give a problem and no items.
ExpressionFileContent DecodeExpressionFile(std::string_view bytes);

struct EncodedExpressionFile {
    std::string bytes;
    std::string problem;  // empty when every item fits
};

// The file bytes of a list; refuses an empty list, more than 65535 items and
// items whose GBK form is longer than 99 (name) or 499 (expression) bytes.
EncodedExpressionFile EncodeExpressionFile(std::span<const ExpressionItem> items);

ExpressionFileContent ReadExpressionFile(const std::string& path);

// Writes the list, or changes nothing and returns the problem.
std::string WriteExpressionFile(const std::string& path, std::span<const ExpressionItem> items);

// The file type: the suffix the file dialogs look for and a saved name
// without any suffix gets.
inline constexpr std::string_view kExpressionFileSuffix = "zexp";

// `path` as a save names it: with ".zexp" added when its file name has no
// dot; any suffix the user chose stays.
std::string WithExpressionFileSuffix(std::string path);

// Whether closing or opening another file would lose formulas: the list
// holds some and is not the list last saved or opened. An emptied list loses
// nothing, since the file it came from still has its formulas.
bool HasUnsavedFormulas(std::span<const ExpressionItem> items,
                        std::span<const ExpressionItem> lastSaved);

// The items as the lines `zentova-cli exprfile list` prints and `exprfile
// write` reads: NAME, a tab, EXPRESSION and a line break each.
std::string ExpressionLines(std::span<const ExpressionItem> items);

}  // namespace zentova
