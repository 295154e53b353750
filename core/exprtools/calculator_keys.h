// The calculator page's keypad and editing rules. They are plain text rules,
// kept out of the widgets so that the page and its tests share one source.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include "exprtools/expression_messages.h"

namespace zentova {

// What a key does when pressed.
enum class KeyCommand { Insert, Backspace, Clear, Evaluate };

struct CalculatorKey {
    int id;
    std::string_view caption;  // also the text the key inserts
    std::string_view tip;      // empty when the key has no tooltip
    // A function key's number of arguments; 0 for a key that is no function.
    int arguments = 0;
};

inline constexpr int kFirstKeyId = 1001;
inline constexpr int kLastKeyId = 1042;
inline constexpr int kBackspaceKeyId = 1039;
inline constexpr int kClearKeyId = 1040;
inline constexpr int kEqualsKeyId = 1041;

// The 42 keys in identifier order, kFirstKeyId to kLastKeyId.
std::span<const CalculatorKey> CalculatorKeys();

// The key with `id`, or nullptr outside the keypad's range.
const CalculatorKey* FindCalculatorKey(int id);

// Insert for every key except backspace, clear and "=".
KeyCommand CommandOfKey(int id);

// What an inserting key writes at the caret, and how many characters the caret
// steps back afterwards so that it lands inside the argument list.
struct KeyInsertion {
    std::string text;
    int caretBack = 0;
};
KeyInsertion InsertionOfKey(int id);

// Backspace on the selection [start, end) of a box (start == end: just a
// caret). The character before the selection goes with it; at the start of the
// box nothing goes. Returns the half-open range to delete, empty when none.
struct TextRange {
    int from = 0;
    int to = 0;
    bool empty() const { return from >= to; }
};
TextRange BackspaceRange(int start, int end);

}  // namespace zentova
