// Exact multiplication of multivariate integer polynomials typed as text, and
// the two-row character grid in which a product is laid out.
//
// Coefficients are signed 64-bit and exponents 32-bit; both wrap silently, as
// two's-complement arithmetic does, and nothing here is undefined for any
// input text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
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

struct PolyTerm {
    std::int64_t coefficient = 0;
    // Indexed by letter (a = 0). The bits are a signed 32-bit exponent; they
    // are kept unsigned so that sums wrap without undefined behaviour.
    std::array<std::uint32_t, kPolyLetterCount> exponents{};

    bool operator==(const PolyTerm&) const = default;
};

// A product laid out in 2 rows of kColumns single-byte characters, stored
// column by column: byte 2c is the upper row (exponent digits) of column c,
// byte 2c+1 the lower row (signs, coefficients, letters).
class PolyOutputGrid {
  public:
    static constexpr int kColumns = 50000;

    PolyOutputGrid() : bytes_(2 * static_cast<std::size_t>(kColumns), ' ') {}

    // Columns outside 0..kColumns-1 read as blank.
    char Upper(int column) const { return At(column, 0); }
    char Lower(int column) const { return At(column, 1); }

    void Clear() { bytes_.assign(bytes_.size(), ' '); }
    std::span<char> Bytes() { return bytes_; }
    std::span<const char> Bytes() const { return bytes_; }

    bool operator==(const PolyOutputGrid&) const = default;

  private:
    char At(int column, int row) const {
        if (column < 0 || column >= kColumns) return ' ';
        return bytes_[2 * static_cast<std::size_t>(column) + static_cast<std::size_t>(row)];
    }

    std::vector<char> bytes_;
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
// earlier one. Numbers too long for their type keep their low bits.
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
    int TermCount() const { return live_; }

    // The steps of a multiplication, public so that tests can check each.

    // Appends the terms of `text` to `table`, in text order; like terms stay
    // apart.
    static void ParseTerms(std::string_view text, std::vector<PolyTerm>& table);

    // Every term of `left` times every term of `right`, merged into the
    // product table. Overflow when the table holds more than
    // kPolyMaxTermsBeforePair terms before some pair.
    PolyStatus MultiplyTerms(std::span<const PolyTerm> left, std::span<const PolyTerm> right,
                             const TaskControl* control = nullptr);

    // The product table after MultiplyTerms, in the order in which a table
    // that appends new terms and closes the gap of a cancelled one at once
    // would hold them. Ordering does not change it.
    std::span<const PolyTerm> Product() const { return entries_; }

    // The order in which FormatTerms writes the product: descending
    // lexicographic order of the exponent lists, a first, each exponent
    // compared as a signed 32-bit number.
    void SortTerms();

    // Lays the product out in `grid`, in the order of SortTerms (table order
    // before it). Overflow, leaving the grid as it was, when a term starts
    // past column 49900 or would end past the grid.
    PolyStatus FormatTerms(PolyOutputGrid& grid);

  private:
    // What merging needs besides the term: the hash of its exponents, and
    // the letters that may occur in it (those of either factor; a sum can
    // wrap to 0, so a set bit is a candidate only).
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
        int width = 0;              // lead plus letters plus exponent digits
        std::uint32_t letters = 0;  // bit k: letter k may occur
    };
    static TermLayout LayOut(const PolyTerm& term, std::uint32_t letters, bool first);
    static void KeysOf(std::span<const PolyTerm> terms, std::vector<Key>& keys);
    void ClearProduct();
    void Merge(const PolyTerm& p, const PolyTerm& q, Key key);
    std::size_t FreeSlot(std::uint32_t hash) const;
    void Compact();

    Factor left_, right_;
    // The product table. A cancelled term stays behind as a coefficient 0
    // until the next compaction, so the live entries keep the order of a
    // table that closes every gap at once, without moving terms per cancel.
    std::vector<PolyTerm> entries_;
    std::vector<Key> entryKeys_;
    // Open-addressing index from exponents to entry: an entry number, kEmpty
    // or kDeleted.
    std::vector<std::int32_t> slots_;
    int live_ = 0;
    std::vector<std::uint32_t> order_;  // entries in output order
    std::vector<TermLayout> layouts_;
    int usedWidth_ = 0;
};

}  // namespace zentova
