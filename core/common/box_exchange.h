// How pages read numbers from their boxes and write them back. A box that does
// not hold a number makes the page prompt for one and stop reading there.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include "common/common_messages.h"

namespace zentova {

// A decimal number, optionally signed, with blanks or tabs around it and
// nothing else. Values beyond the range of a double are not numbers either.
// Independent of the process locale. Both readers read the text by the input
// rule (common/typed_text.h) first.
std::optional<double> ReadDoubleBox(std::string_view text);

// A decimal signed 32-bit integer with blanks or tabs around it.
std::optional<int> ReadIntBox(std::string_view text);

// The texts a page writes into number boxes: "%.15g" and plain decimal.
std::string WriteDoubleBox(double value);
std::string WriteIntBox(int value);

}  // namespace zentova
