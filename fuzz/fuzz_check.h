// What the fuzz targets share: a check that stops the run with the input that
// broke it, whatever the build's assertion settings.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zentova::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view input) {
    std::fprintf(stderr, "fuzz check failed: %s\ninput (%zu bytes): %.*s\n", what, input.size(),
                 static_cast<int>(input.size() > 400 ? 400 : input.size()), input.data());
    std::abort();
}

inline void Check(bool condition, const char* what, std::string_view input) {
    if (!condition) Fail(what, input);
}

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates).
inline bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        unsigned min = 0;
        unsigned code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, min = 0x80, code = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, min = 0x800, code = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, min = 0x10000, code = c & 0x07u;
        } else {
            return false;
        }
        if (text.size() - i <= extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            code = (code << 6) | (d & 0x3Fu);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

}  // namespace zentova::fuzz
