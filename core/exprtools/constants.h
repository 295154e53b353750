// The table of 33 constants: what the list shows and what a selection copies.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zentova {

struct ConstantEntry {
    std::string_view name;
    std::string_view valueText;  // as the list shows it
    std::string_view unit;       // empty for pure numbers
    double value;                // exactly the number that valueText denotes
};

// The 33 entries in list order.
std::span<const ConstantEntry> Constants();

// Column of the value text in the list, in GBK bytes.
inline constexpr std::size_t kConstantValueColumn = 37;

// The width of a UTF-8 text in GBK bytes: 1 for ASCII, 2 for every other
// character (all of which GBK stores in two bytes).
std::size_t GbkWidth(std::string_view utf8);

// The list line: the name padded with blanks to 37 GBK bytes, the value text,
// and " unit" where there is a unit.
std::string ConstantListText(const ConstantEntry& entry);

// What selecting the entry copies to the clipboard: the value as "%.15g".
std::string ConstantClipboardText(const ConstantEntry& entry);

}  // namespace zentova
