// Well-formed UTF-8 as every text from outside the window must be: the boxes
// hold Unicode text, so only the command line can be handed bytes that are no
// text at all.
#pragma once

#include <cstddef>
#include <string_view>

namespace zentova {

// The length in bytes of the longest beginning of `text` that is well-formed
// UTF-8: no stray continuation byte, no lead byte without its continuations,
// no overlong form, no encoded surrogate, nothing above U+10FFFF. A zero byte
// is the character U+0000 and well-formed.
std::size_t ValidUtf8Prefix(std::string_view text);

inline bool IsValidUtf8(std::string_view text) {
    return ValidUtf8Prefix(text) == text.size();
}

// The length of a well-formed UTF-8 text as a box counts it against its
// limit: in UTF-16 code units, two for a character beyond U+FFFF.
std::size_t Utf16Length(std::string_view utf8);

}  // namespace zentova
