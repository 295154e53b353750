// Exact multiplication of multivariate integer polynomials typed as text, and
// the two-row character grid in which a product is laid out.
//
// Coefficients are exact integers of any size: 64-bit arithmetic with
// overflow checks while the values fit, a GMP integer from there on.
// Exponents are 32-bit, 0 to kPolyMaxExponent; a product whose exponent would
// pass that is an overflow, never a wrapped exponent.
#pragma once

#include <gmpxx.h>

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/task_control.h"

namespace zentova {

inline constexpr int kPolyLetterCount = 26;

// The product may hold at most this many terms when a pairwise product
// starts, so it never ends with more than one more.
inline constexpr int kPolyMaxTermsBeforePair = 4900;

// Room reserved for each factor's terms; a longer text still works, it only
// makes its table grow.
inline constexpr std::size_t kPolyInputCapacity = 5000;

// The largest exponent a term may have. A longer run of exponent digits reads
// as kPolyMaxExponent + 1, which no multiplication accepts.
inline constexpr std::uint32_t kPolyMaxExponent = INT32_MAX;

// An exact integer. Values that fit 64 bits are kept as such, so that the
// common small products cost one checked multiplication; a value outside is
// kept as a GMP integer, and a result that fits again goes back to 64 bits, so
// each value has exactly one form.
class PolyCoefficient {
  public:
    PolyCoefficient() = default;
    PolyCoefficient(std::int64_t value) : small_(value) {}  // implicit: a number is one
    explicit PolyCoefficient(const mpz_class& value) { Assign(value); }
    PolyCoefficient(const PolyCoefficient& other)
        : small_(other.small_),
          big_(other.big_ ? std::make_unique<mpz_class>(*other.big_) : nullptr) {}
    PolyCoefficient(PolyCoefficient&&) noexcept = default;
    PolyCoefficient& operator=(const PolyCoefficient& other) {
        if (this != &other) *this = PolyCoefficient(other);
        return *this;
    }
    PolyCoefficient& operator=(PolyCoefficient&&) noexcept = default;
    ~PolyCoefficient() = default;

    // The value of an optional '-' and a run of decimal digits, however long.
    static PolyCoefficient FromDecimal(bool negative, std::string_view digits);

    bool IsSmall() const { return big_ == nullptr; }
    std::int64_t Small() const { return small_; }  // only when IsSmall()
    mpz_class ToBig() const { return big_ ? *big_ : mpz_class(static_cast<long>(small_)); }

    bool IsZero() const { return !big_ && small_ == 0; }
    bool IsNegative() const { return big_ ? sgn(*big_) < 0 : small_ < 0; }
    bool IsUnit() const { return !big_ && (small_ == 1 || small_ == -1); }  // 1 or -1

    // The decimal digits of the magnitude.
    std::string MagnitudeText() const;
    // The value in decimal, with a '-' when negative.
    std::string ToString() const;

    // this = a * b, exactly.
    void SetProduct(const PolyCoefficient& a, const PolyCoefficient& b) {
        std::int64_t product;
        if (!a.big_ && !b.big_ && !__builtin_mul_overflow(a.small_, b.small_, &product)) {
            small_ = product;
            big_.reset();
            return;
        }
        SetProductSlow(a, b);
    }
    // this += b, exactly.
    void Add(const PolyCoefficient& b) {
        std::int64_t sum;
        if (!big_ && !b.big_ && !__builtin_add_overflow(small_, b.small_, &sum)) {
            small_ = sum;
            return;
        }
        AddSlow(b);
    }

    bool operator==(const PolyCoefficient& other) const {
        if (!big_ && !other.big_) return small_ == other.small_;
        return big_ && other.big_ && *big_ == *other.big_;
    }

  private:
    void Assign(const mpz_class& value);
    void SetProductSlow(const PolyCoefficient& a, const PolyCoefficient& b);
    void AddSlow(const PolyCoefficient& b);

    std::int64_t small_ = 0;
    std::unique_ptr<mpz_class> big_;  // set only for a value outside 64 bits
};

// For test failure messages.
inline void PrintTo(const PolyCoefficient& c, std::ostream* os) {
    *os << c.ToString();
}

struct PolyTerm {
    PolyCoefficient coefficient;
    // Indexed by letter (a = 0), each 0 to kPolyMaxExponent + 1.
    std::array<std::uint32_t, kPolyLetterCount> exponents{};

    bool operator==(const PolyTerm&) const = default;
};

// A product laid out in 2 rows of kColumns single-byte characters, stored
// column by column: byte 2c is the upper row (exponent digits) of column c,
// byte 2c+1 the lower row (signs, coefficients, letters).
//
// The grid remembers how many columns it may have written since it was blank,
// so that laying out a short product after a long one blanks only what the
// long one wrote instead of the whole 100 KB.
class PolyOutputGrid {
  public:
    static constexpr int kColumns = 50000;

    PolyOutputGrid() : bytes_(2 * static_cast<std::size_t>(kColumns), ' ') {}
    // No moves: a moved-from grid would have no columns. swap() hands a grid
    // over without copying.
    PolyOutputGrid(const PolyOutputGrid&) = default;
    PolyOutputGrid& operator=(const PolyOutputGrid&) = default;
    void swap(PolyOutputGrid& other) noexcept {
        bytes_.swap(other.bytes_);
        std::swap(written_, other.written_);
    }

    // Columns outside 0..kColumns-1 read as blank.
    char Upper(int column) const { return At(column, 0); }
    char Lower(int column) const { return At(column, 1); }

    void Clear() { Rewrite(0); }
    // Blanks the grid and hands out its bytes for a layout of `columns`
    // columns (0..kColumns); nothing may be written past them.
    char* Rewrite(int columns);
    std::span<const char> Bytes() const { return bytes_; }
    // The columns that may be non-blank: every later column is blank.
    int WrittenColumns() const { return written_; }

    bool operator==(const PolyOutputGrid& other) const { return bytes_ == other.bytes_; }

  private:
    char At(int column, int row) const {
        if (column < 0 || column >= kColumns) return ' ';
        return bytes_[2 * static_cast<std::size_t>(column) + static_cast<std::size_t>(row)];
    }

    std::vector<char> bytes_;
    int written_ = 0;
};

enum class PolyStatus {
    Ok,
    Overflow,  // too many product terms, or the grid is too narrow
    Stopped,   // a stop was requested; nothing was written
};

// The term texts of a polynomial: each runs up to the next '+' or '-' that is
// not its own first character. "a+-b" gives "a", "+", "-b"; "" gives none.
std::vector<std::string_view> SplitTerms(std::string_view text);

// One term text as a term. Digits at the start are the coefficient, digits
// after a letter its exponent; a later occurrence of a letter replaces the
// earlier one. The coefficient is exact however many digits it has; an
// exponent above kPolyMaxExponent reads as kPolyMaxExponent + 1.
PolyTerm ParseTerm(std::string_view termText);

// The one-line text of a formatted product: per column its lower character,
// else its upper one, blanks dropped. It is valid input again.
std::string GridToPlainText(const PolyOutputGrid& grid, int usedWidth);

// One row of the grid over the used width, blanks kept.
std::string GridRow(const PolyOutputGrid& grid, int usedWidth, bool upper);

// The multiplication state, reused by every multiplication: tables are
// allocated once and every call starts from a reset, so a call abandoned by a
// stop leaves nothing behind. One multiplication at a time per engine.
class PolyEngine {
  public:
    PolyEngine();

    // Left times right into `grid`. On Ok the grid holds the product, and
    // UsedWidth() and TermCount() describe it; otherwise the grid is untouched.
    // `control`, when given, is polled often enough for a stop to take effect
    // within about a millisecond.
    PolyStatus MultiplyPolynomialTexts(std::string_view left, std::string_view right,
                                       PolyOutputGrid& grid, const TaskControl* control = nullptr);

    int UsedWidth() const { return usedWidth_; }
    // The grid in which a chain lays out its steps, kept with the engine so
    // that a chain neither allocates nor blanks a fresh 100 KB per run.
    PolyOutputGrid& ChainGrid() { return chainGrid_; }
    int TermCount() const { return live_; }

    // The steps of a multiplication, public so that tests can check each.

    // Appends the terms of `text` to `table`, in text order; like terms stay
    // apart.
    static void ParseTerms(std::string_view text, std::vector<PolyTerm>& table);

    // Every term of `left` times every term of `right`, merged into the
    // product table. Overflow when the table holds more than
    // kPolyMaxTermsBeforePair terms before some pair, or when a pair of terms
    // with coefficients other than 0 has an exponent sum above
    // kPolyMaxExponent (found before the first pair: every pair is formed).
    PolyStatus MultiplyTerms(std::span<const PolyTerm> left, std::span<const PolyTerm> right,
                             const TaskControl* control = nullptr);

    // The product table after MultiplyTerms, in the order in which a table
    // that appends new terms and closes the gap of a cancelled one at once
    // would hold them. Ordering does not change it.
    std::span<const PolyTerm> Product() const { return entries_; }

    // The order in which FormatTerms writes the product: descending
    // lexicographic order of the exponent lists, a first.
    void SortTerms();

    // Lays the product out in `grid`, in the order of SortTerms (table order
    // before it). Overflow, leaving the grid as it was, when a term starts
    // past column 49900 or would end past the grid; widths are the real ones,
    // every digit of a long coefficient counted.
    PolyStatus FormatTerms(PolyOutputGrid& grid);

  private:
    // What merging needs besides the term: the hash of its exponents, and
    // the letters that occur in it (those of either factor).
    struct Key {
        std::uint32_t hash = 0;
        std::uint32_t letters = 0;
    };

    struct Factor {
        std::vector<PolyTerm> terms;
        std::vector<Key> keys;
    };

    // The sign and coefficient text of a term and the letters that occur in
    // it, as the grid shows them.
    struct TermLayout {
        char lead[24];  // " - " and up to 20 digits
        int leadLength = 0;
        int longDigits = -1;        // index in longDigits_ of digits that follow lead
        int width = 0;              // lead plus digits plus letters plus exponent digits
        std::uint32_t letters = 0;  // bit k: letter k may occur
    };
    TermLayout LayOut(const PolyTerm& term, std::uint32_t letters, bool first);
    // The keys of `terms`, and per letter the largest exponent of a term
    // whose coefficient is not 0 (anyNonZero: whether there is such a term).
    static void KeysOf(std::span<const PolyTerm> terms, std::vector<Key>& keys,
                       std::array<std::uint64_t, kPolyLetterCount>& largest, bool& anyNonZero);
    void ClearProduct();
    void Merge(const PolyTerm& p, const PolyTerm& q, Key key);
    std::size_t FreeSlot(std::uint32_t hash) const;
    void Occupy(std::size_t slot, std::int32_t entry);
    void ResetIndex();
    void DropCancelled();
    void Compact();

    Factor left_, right_;
    // The product table. A cancelled term stays behind as a coefficient 0
    // until the next compaction, so the live entries keep the order of a
    // table that closes every gap at once, without moving terms per cancel.
    std::vector<PolyTerm> entries_;
    std::vector<Key> entryKeys_;
    // Open-addressing index from exponents to entry: an entry number, kEmpty
    // or kDeleted. `touched_` lists the slots that are not kEmpty, so that a
    // small product resets only what it used.
    std::vector<std::int32_t> slots_;
    std::vector<std::uint32_t> touched_;
    int live_ = 0;
    std::vector<std::uint32_t> order_;  // entries in output order
    std::vector<TermLayout> layouts_;
    std::vector<std::string> longDigits_;  // coefficients beyond 64 bits, as text
    int usedWidth_ = 0;
    PolyOutputGrid chainGrid_;
};

}  // namespace zentova
