#include "common/utf8_text.h"

namespace zentova {
namespace {

bool InRange(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

// The length of the well-formed character at the start of `text`, or 0.
std::size_t CharacterLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    // The second byte's range depends on the lead: it is what excludes
    // overlong forms, surrogates and values above U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || !InRange(byte(1), low, high)) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!InRange(byte(i), 0x80, 0xBF)) return 0;
    }
    return length;
}

}  // namespace

std::size_t ValidUtf8Prefix(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t length = CharacterLength(text.substr(at));
        if (length == 0) break;
        at += length;
    }
    return at;
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        // Every lead byte starts one unit; a four-byte lead needs a second.
        if ((byte & 0xC0) != 0x80) ++units;
        if (byte >= 0xF0) ++units;
    }
    return units;
}

}  // namespace zentova
