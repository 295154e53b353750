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

}  // namespace zentova::fuzz
