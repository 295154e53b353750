// Whether a computation on a function of x may keep the user waiting, judged
// before it starts from the most function values it can take.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentova {

// One function value costs about 0.25 us plus 15 ns for each character of
// its text, so this much work ends within about 15 ms, twice that on a busy
// machine: such work stays on the window's thread, where its result shows at
// once and the button never changes.
inline constexpr std::uint64_t kQuickFunctionWork = 1'000'000;

inline bool FunctionWorkMayBeLong(std::uint64_t evaluations, std::size_t textLength) {
    return evaluations > kQuickFunctionWork / (textLength + 16);
}

}  // namespace zentova
