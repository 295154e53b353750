// The engine's hashed merging and its own parsing and layout against the
// literal linear-search reference, on thousands of random products.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "polynomial/poly_engine.h"
#include "polynomial/poly_product.h"
#include "references/literal_poly.h"

namespace zentova {
namespace {

class Generator {
  public:
    explicit Generator(std::uint64_t seed) : rng_(seed) {}

    std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }
    bool Chance(int percent) { return Pick(100) < static_cast<std::size_t>(percent); }

    // A random polynomial text with few letters and small exponents, so that
    // products collide and cancel, plus the occasional extreme number.
    std::string Polynomial(std::size_t maxTerms, const std::string& letters) {
        std::string text;
        const std::size_t terms = Pick(maxTerms + 1);
        for (std::size_t t = 0; t < terms; ++t) {
            if (t > 0 || Chance(30)) text += Chance(50) ? '+' : '-';
            if (Chance(3)) continue;  // a bare sign: the constant +1 or -1
            text += Coefficient();
            const std::size_t count = Pick(4);
            for (std::size_t k = 0; k < count; ++k) {
                text += letters[Pick(letters.size())];  // repeats allowed
                text += Exponent();
            }
        }
        return text;
    }

    // `text` with some of its terms' signs flipped: factors such as
    // (x+y)(x-y) whose products cancel.
    std::string FlipSomeSigns(std::string text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if ((text[i] == '+' || text[i] == '-') && Chance(40))
                text[i] = text[i] == '+' ? '-' : '+';
        }
        return text;
    }

  private:
    std::string Digits(std::size_t count) {
        std::string digits;
        for (std::size_t i = 0; i < count; ++i)
            digits += static_cast<char>('0' + Pick(10));
        return digits;
    }

    std::string Coefficient() {
        const std::size_t kind = Pick(100);
        if (kind < 45) return "";
        if (kind < 75) return std::to_string(1 + Pick(3));
        if (kind < 85) return Digits(1 + Pick(3));
        if (kind < 88) return "0";
        if (kind < 92) return "9223372036854775807";
        if (kind < 95) return "9223372036854775808";
        return Digits(18 + Pick(4));  // past 64 bits
    }

    // Exponents near and past the limit are rare: any of them refuses most
    // products it takes part in.
    std::string Exponent() {
        const std::size_t kind = Pick(100);
        if (kind < 40) return "";
        if (kind < 80) return std::to_string(Pick(4));  // 0 removes the letter
        if (kind < 96) return Digits(1 + Pick(3));
        if (kind < 97) return "1073741823";  // two of them still fit
        if (kind < 98) return "2147483647";
        if (kind < 99) return "2147483648";
        return Digits(10 + Pick(2));  // mostly past the limit
    }

    std::mt19937_64 rng_;
};

void ExpectSameProduct(PolyEngine& engine, const std::string& left, const std::string& right) {
    PolyOutputGrid grid;
    const PolyStatus status = engine.MultiplyPolynomialTexts(left, right, grid);
    literal::LiteralProduct reference;
    literal::Multiply(left, right, reference);
    ASSERT_EQ(status == PolyStatus::Ok ? 0 : -1, reference.status) << left << " * " << right;
    if (reference.status != 0) return;
    ASSERT_EQ(engine.UsedWidth(), reference.width) << left << " * " << right;
    ASSERT_EQ(engine.TermCount(), reference.terms) << left << " * " << right;
    ASSERT_TRUE(std::ranges::equal(grid.Bytes(), reference.Grid())) << left << " * " << right;
    // The flattened product is input for the next step and must denote the
    // same polynomial, huge numbers included.
    const std::string plain = GridToPlainText(grid, engine.UsedWidth());
    PolyOutputGrid again;
    ASSERT_EQ(engine.MultiplyPolynomialTexts(plain, "1", again), PolyStatus::Ok) << plain;
    ASSERT_EQ(again, grid) << plain;
}

// Parsed tables, then the product table before ordering, entry by entry.
void ExpectSameTable(PolyEngine& engine, const std::string& left, const std::string& right,
                     PolyStatus* outcome = nullptr) {
    std::vector<PolyTerm> l, r, expectedLeft, expectedRight, expectedTable;
    PolyEngine::ParseTerms(left, l);
    PolyEngine::ParseTerms(right, r);
    for (const std::string& s : literal::SplitTermTexts(left)) {
        expectedLeft.push_back(literal::ParseTermText(s));
    }
    for (const std::string& s : literal::SplitTermTexts(right)) {
        expectedRight.push_back(literal::ParseTermText(s));
    }
    ASSERT_EQ(l, expectedLeft) << left;
    ASSERT_EQ(r, expectedRight) << right;
    const int expectedStatus = literal::MultiplyTables(l, r, expectedTable);
    const PolyStatus status = engine.MultiplyTerms(l, r);
    if (outcome != nullptr) *outcome = status;
    ASSERT_EQ(status == PolyStatus::Ok ? 0 : -1, expectedStatus) << left << " * " << right;
    if (expectedStatus != 0) return;
    ASSERT_EQ(engine.TermCount(), static_cast<int>(expectedTable.size()));
    ASSERT_TRUE(std::equal(engine.Product().begin(), engine.Product().end(), expectedTable.begin(),
                           expectedTable.end()))
        << left << " * " << right;
}

std::string Block(char letter, int count, bool negative, Generator& gen, int dropPercent) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        if (gen.Chance(dropPercent)) continue;
        text += negative ? '-' : '+';
        text += letter;
        text += std::to_string(i);
    }
    return text;
}

TEST(RandomProducts, ProductTablesMatchTheLinearSearch) {
    Generator gen(20261207);
    PolyEngine engine;  // reused, as the worker reuses it
    for (int round = 0; round < 3000; ++round) {
        const std::string letters = round % 3 == 0 ? "ab" : round % 3 == 1 ? "abcx" : "abcdefgz";
        const std::string left = gen.Polynomial(12, letters);
        const std::string right =
            gen.Chance(30) ? gen.FlipSomeSigns(left) : gen.Polynomial(12, letters);
        ASSERT_NO_FATAL_FAILURE(ExpectSameTable(engine, left, right));
    }
}

TEST(RandomProducts, GridsWidthsAndCountsMatchTheLinearSearch) {
    Generator gen(4900);
    PolyEngine engine;
    for (int round = 0; round < 2000; ++round) {
        const std::string letters = round % 2 == 0 ? "abc" : "mnxyz";
        const std::string left = gen.Polynomial(15, letters);
        const std::string right =
            gen.Chance(30) ? gen.FlipSomeSigns(left) : gen.Polynomial(15, letters);
        ASSERT_NO_FATAL_FAILURE(ExpectSameProduct(engine, left, right));
    }
}

TEST(RandomProducts, ChainsMatchTheLinearSearch) {
    Generator gen(9000);
    PolyEngine engine;
    for (int round = 0; round < 1000; ++round) {
        std::string input = gen.Polynomial(6, "abxy");
        const std::size_t more = gen.Pick(5);
        for (std::size_t k = 0; k < more; ++k) {
            input += '*';
            input += gen.Chance(25) ? gen.FlipSomeSigns(input.substr(0, input.find('*')))
                                    : gen.Polynomial(6, "abxy");
        }
        PolyProduct product;
        const PolyStatus status = MultiplyChain(engine, input, product);
        const literal::LiteralProduct reference = literal::MultiplyChain(input);
        ASSERT_EQ(status == PolyStatus::Ok ? 0 : -1, reference.status) << input;
        if (reference.status != 0) continue;
        ASSERT_EQ(product.width, reference.width) << input;
        ASSERT_EQ(product.termCount, reference.terms) << input;
        ASSERT_TRUE(std::ranges::equal(product.grid.Bytes(), reference.Grid())) << input;
    }
}

// Products that cross the 4900-term limit in the middle and may fall back
// under it through cancellations: the outcome depends on the count after
// every single pair.
TEST(RandomProducts, TermLimitFallsAtTheSamePair) {
    Generator gen(4901);
    PolyEngine engine;
    int overflows = 0;
    for (int round = 0; round < 4; ++round) {
        std::string left = Block('a', 68 + static_cast<int>(gen.Pick(5)), false, gen, 0);
        left += Block('a', 40, true, gen, 50);  // cancels some a^i b^j again
        left += Block('c', 3, false, gen, 0);
        const std::string right = Block('b', 70 + static_cast<int>(gen.Pick(3)), false, gen, 2);
        PolyStatus status = PolyStatus::Ok;
        ASSERT_NO_FATAL_FAILURE(ExpectSameTable(engine, left, right, &status));
        overflows += status == PolyStatus::Overflow;
    }
    // Both outcomes occur, or the rows above would not test the limit.
    EXPECT_GT(overflows, 0);
    EXPECT_LT(overflows, 4);
}

// Blocks of terms that appear and cancel again: more than 8000 entries are
// appended in one product while at most a few thousand stay alive, so the
// cancelled entries pile up and are compacted in the middle of a product.
TEST(RandomProducts, ManyCancellationsKeepTheOrder) {
    Generator gen(8192);
    PolyEngine engine;
    for (int round = 0; round < 2; ++round) {
        // Terms that stay from the start to the end, so that a compaction
        // that lost their order would show.
        std::string left = Block('f', 10, false, gen, 20);
        for (int block = 0; block < 12; ++block) {
            const char letter = "acde"[gen.Pick(4)];
            left += Block(letter, 30, false, gen, 3);
            left += Block(letter, 30, true, gen, 3);
        }
        const std::string right = Block('b', 30, false, gen, 0);
        ASSERT_NO_FATAL_FAILURE(ExpectSameTable(engine, left, right));
        if (round == 0) {
            ASSERT_NO_FATAL_FAILURE(ExpectSameProduct(engine, left, right));
        }
    }
}

}  // namespace
}  // namespace zentova
