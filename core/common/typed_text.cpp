#include "common/typed_text.h"

#include <cstdint>

namespace zentova {
namespace {

// The ASCII character that the character beginning at `at` is read as, and
// its length in bytes; length 0 when it is read as typed. Only the lead bytes
// C3, E2, E3 and EF begin a character of the table, and none of them is ever
// a continuation byte, so the text may be scanned at every byte.
char MappedAt(std::string_view text, std::size_t at, std::size_t& length) {
    length = 0;
    const auto byte = [&](std::size_t k) {
        return at + k < text.size() ? static_cast<std::uint8_t>(text[at + k]) : std::uint8_t{0};
    };
    const std::uint8_t lead = byte(0);
    if (lead < 0xC3) return 0;
    const std::uint8_t second = byte(1);
    if (lead == 0xC3) {
        if (second != 0x97 && second != 0xB7) return 0;
        length = 2;
        return second == 0x97 ? '*' : '/';  // × U+00D7, ÷ U+00F7
    }
    const std::uint8_t third = byte(2);
    if (lead == 0xEF) {
        // U+FF01..U+FF3F is EF BC 81..BF, U+FF40..U+FF5E is EF BD 80..9E;
        // each lies 0xFEE0 above its ASCII character.
        if (second == 0xBC && third >= 0x81 && third <= 0xBF) {
            length = 3;
            return static_cast<char>(third - 0x60);
        }
        if (second == 0xBD && third >= 0x80 && third <= 0x9E) {
            length = 3;
            return static_cast<char>(third - 0x20);
        }
        return 0;
    }
    if (lead == 0xE3 && second == 0x80 && (third == 0x80 || third == 0x82)) {
        length = 3;
        return third == 0x80 ? ' ' : '.';  // U+3000, 。 U+3002
    }
    if (lead == 0xE2 && ((second == 0x88 && third == 0x92) ||                    // − U+2212
                         (second == 0x80 && (third == 0x93 || third == 0x94))))  // – —
    {
        length = 3;
        return '-';
    }
    return 0;
}

// The first position where a character maps, or the text's size.
std::size_t FirstMapped(std::string_view text) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<std::uint8_t>(text[i]) >= 0xC3 && MappedAt(text, i, length) != 0) return i;
    }
    return text.size();
}

// Writes the reading of text[from..] after the unmapped text[..from] through
// put(char); the caller knows the bytes fit.
template <typename Put>
void WriteReading(std::string_view text, std::size_t from, Put&& put) {
    for (std::size_t i = 0; i < from; ++i)
        put(text[i]);
    std::size_t length = 0;
    for (std::size_t i = from; i < text.size();) {
        const char ascii =
            static_cast<std::uint8_t>(text[i]) >= 0xC3 ? MappedAt(text, i, length) : 0;
        if (ascii != 0) {
            put(ascii);
            i += length;
        } else {
            put(text[i]);
            ++i;
        }
    }
}

// The byte count of the reading.
std::size_t ReadingSize(std::string_view text, std::size_t from) {
    std::size_t size = from;
    std::size_t length = 0;
    for (std::size_t i = from; i < text.size(); ++size) {
        const bool maps =
            static_cast<std::uint8_t>(text[i]) >= 0xC3 && MappedAt(text, i, length) != 0;
        i += maps ? length : 1;
    }
    return size;
}

}  // namespace

bool HasTypedForms(std::string_view text) {
    return FirstMapped(text) != text.size();
}

std::string_view ReadTypedText(std::string_view typed, std::span<char> buffer) {
    const std::size_t first = FirstMapped(typed);
    if (first == typed.size()) return typed;
    const std::size_t size = ReadingSize(typed, first);
    if (size > buffer.size()) return typed;
    std::size_t at = 0;
    WriteReading(typed, first, [&](char c) { buffer[at++] = c; });
    return std::string_view(buffer.data(), size);
}

TypedText::TypedText(std::string_view typed) : view_(typed) {
    const std::size_t first = FirstMapped(typed);
    if (first == typed.size()) return;
    storage_.reserve(ReadingSize(typed, first));
    WriteReading(typed, first, [&](char c) { storage_.push_back(c); });
    view_ = storage_;
    mapped_ = true;
}

}  // namespace zentova
