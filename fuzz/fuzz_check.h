// What the fuzz targets share: a check that stops the run with the input that
// broke it, whatever the build's assertion settings.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace zentova::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view input) {
    std::fprintf(stderr, "fuzz check failed: %s\ninput (%zu bytes): %.*s\n", what, input.size(),
                 static_cast<int>(input.size() > 400 ? 400 : input.size()), input.data());
    std::abort();
}

// Equal to the last bit: a NaN's payload and the sign of a zero included.
inline bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

inline void Check(bool condition, const char* what, std::string_view input) {
    if (!condition) Fail(what, input);
}

}  // namespace zentova::fuzz
