// The evaluator runs once per point of every integral and sum: it must not
// touch the heap.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "expr/evaluator.h"

namespace {
thread_local long allocations = 0;
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace zentova {
namespace {

TEST(Evaluate, AllocatesNothing) {
    const char* texts[] = {"sin(30)+2^3",   "log(2,8)*ci(1000,0.05,10)", "1e400", "abc", "(1",
                           "gcd(1.5,0.5)/0"};
    const long before = allocations;
    int failures = 0;
    for (const char* text : texts)
        failures += Evaluate(text, AngleMode::Degrees).ok() ? 0 : 1;
    EXPECT_EQ(allocations, before);
    EXPECT_EQ(failures, 4);
}

}  // namespace
}  // namespace zentova
