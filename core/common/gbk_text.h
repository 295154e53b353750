// Conversion between the GBK bytes of the expression file and the UTF-8 text
// everything else works in, with glibc's iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zentova {

// Nullopt when the text is not valid in its encoding or has no GBK form.
std::optional<std::string> GbkToUtf8(std::string_view gbk);
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

}  // namespace zentova
