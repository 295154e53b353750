#include "polynomial/poly_engine.h"

#include <algorithm>
#include <bit>
#include <charconv>

namespace zentova {
namespace {

constexpr std::int32_t kEmpty = -1;
constexpr std::int32_t kDeleted = -2;

// Live terms never exceed kPolyMaxTermsBeforePair + 1, so a table of this many
// entries (live and cancelled) compacts long before the index fills up.
constexpr std::size_t kEntryLimit = 8192;
constexpr std::size_t kSlotCount = 16384;  // a power of two, twice kEntryLimit
constexpr std::size_t kSlotMask = kSlotCount - 1;

// How many pairs pass between two looks at the stop flag.
constexpr unsigned kStopPollInterval = 1024;

constexpr int kLastTermStart = 49900;

// A linear hash of the exponents: the hash of a product's exponents is the
// sum of its factors' hashes, both modulo 2^32 just as the exponents are, so
// a pair costs one addition instead of 26 multiplications.
constexpr std::array<std::uint32_t, kPolyLetterCount> kLetterWeights = {
    0x9E3779B1u, 0x85EBCA77u, 0xC2B2AE3Du, 0x27D4EB2Fu, 0x165667B1u, 0xD3A2646Du, 0xFD7046C5u,
    0xB55A4F09u, 0x7FEB352Du, 0x846CA68Bu, 0x2C1B3C6Du, 0x297A2D39u, 0xA1B2C3D5u, 0x68E31DA5u,
    0x1B873593u, 0xCC9E2D51u, 0xE6546B65u, 0x5BD1E995u, 0x3C6EF373u, 0xDAA66D2Bu, 0x78DDE6E5u,
    0x1FC4CE47u, 0x4F1BBCDDu, 0x94D049BBu, 0xBF58476Du, 0x61C88647u};

std::uint32_t LinearHash(const PolyTerm& term) {
    std::uint32_t hash = 0;
    for (int i = 0; i < kPolyLetterCount; ++i)
        hash += term.exponents[i] * kLetterWeights[i];
    return hash;
}

// Spreads the linear hash over the index so that neighbouring exponent lists
// do not probe neighbouring slots.
std::size_t SlotOf(std::uint32_t hash) {
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    hash ^= hash >> 16;
    return hash & kSlotMask;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return c >= 'a' && c <= 'z';
}

static_assert(sizeof(long) == sizeof(std::int64_t), "GMP's long must hold a 64-bit coefficient");

// The exponent written from `at`; kPolyMaxExponent + 1 for any larger one.
std::uint32_t ReadExponent(std::string_view text, std::size_t at) {
    std::uint64_t value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10u + static_cast<std::uint64_t>(text[at] - '0');
        if (value > kPolyMaxExponent) return kPolyMaxExponent + 1;
    }
    return static_cast<std::uint32_t>(value);
}

// Where the term text starting at `start` ends.
std::size_t TermEnd(std::string_view text, std::size_t start) {
    std::size_t end = start + 1;
    while (end < text.size() && text[end] != '+' && text[end] != '-')
        ++end;
    return end;
}

// Bit k set when letter k occurs.
std::uint32_t LetterMask(const PolyTerm& term) {
    std::uint32_t mask = 0;
    for (int k = 0; k < kPolyLetterCount; ++k) {
        mask |= static_cast<std::uint32_t>(term.exponents[static_cast<std::size_t>(k)] != 0) << k;
    }
    return mask;
}

int DecimalLength(std::uint32_t value) {
    int length = 1;
    for (std::uint32_t limit = 10; length < 10 && value >= limit; limit *= 10)
        ++length;
    return length;
}

}  // namespace

PolyCoefficient PolyCoefficient::FromDecimal(bool negative, std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return {};
    digits.remove_prefix(first);
    // 18 digits always fit; longer runs go through GMP, which settles the
    // edge of the 64-bit range as well.
    if (digits.size() <= 18) {
        std::int64_t value = 0;
        for (char d : digits)
            value = value * 10 + (d - '0');
        return negative ? -value : value;
    }
    mpz_class value(std::string(digits), 10);
    if (negative) value = -value;
    return PolyCoefficient(value);
}

void PolyCoefficient::Assign(const mpz_class& value) {
    if (value.fits_slong_p()) {
        small_ = value.get_si();
        big_.reset();
    } else if (big_) {
        *big_ = value;
    } else {
        big_ = std::make_unique<mpz_class>(value);
    }
}

void PolyCoefficient::SetProductSlow(const PolyCoefficient& a, const PolyCoefficient& b) {
    Assign(a.ToBig() * b.ToBig());
}

void PolyCoefficient::AddSlow(const PolyCoefficient& b) {
    if (big_) {
        if (b.big_) {
            *big_ += *b.big_;
        } else {
            *big_ += static_cast<long>(b.small_);
        }
        if (big_->fits_slong_p()) Assign(mpz_class(*big_));
        return;
    }
    Assign(ToBig() + b.ToBig());
}

std::string PolyCoefficient::MagnitudeText() const {
    if (big_) return mpz_class(abs(*big_)).get_str();
    const std::uint64_t magnitude = small_ < 0
                                        ? std::uint64_t{0} - static_cast<std::uint64_t>(small_)
                                        : static_cast<std::uint64_t>(small_);
    return std::to_string(magnitude);
}

std::string PolyCoefficient::ToString() const {
    std::string text(IsNegative() ? 1 : 0, '-');
    text += MagnitudeText();
    return text;
}

char* PolyOutputGrid::Rewrite(int columns) {
    std::fill_n(bytes_.begin(), 2 * static_cast<std::size_t>(written_), ' ');
    written_ = std::clamp(columns, 0, kColumns);
    return bytes_.data();
}

PolyEngine::TermLayout PolyEngine::LayOut(const PolyTerm& term, std::uint32_t letters, bool first) {
    TermLayout layout;
    const PolyCoefficient& c = term.coefficient;
    const bool negative = c.IsNegative();
    auto put = [&](std::string_view text) {
        for (char ch : text)
            layout.lead[layout.leadLength++] = ch;
    };
    if (first) {
        if (negative) put("-");
    } else {
        put(negative ? " - " : " + ");
    }
    // A term is a constant when no letter occurs: only then is 1 spelled out.
    bool constant = true;
    for (std::uint32_t m = letters; m != 0; m &= m - 1) {
        if (term.exponents[static_cast<std::size_t>(std::countr_zero(m))] != 0) constant = false;
    }
    int digits = 0;
    if (!c.IsUnit() || constant) {
        if (c.IsSmall()) {
            const std::int64_t v = c.Small();
            const std::uint64_t magnitude = v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v)
                                                  : static_cast<std::uint64_t>(v);
            char* end = layout.lead + layout.leadLength;
            end = std::to_chars(end, layout.lead + sizeof layout.lead, magnitude).ptr;
            layout.leadLength = static_cast<int>(end - layout.lead);
        } else {
            layout.longDigits = static_cast<int>(longDigits_.size());
            longDigits_.push_back(c.MagnitudeText());
            digits = static_cast<int>(longDigits_.back().size());
        }
    }
    layout.width = layout.leadLength + digits;
    layout.letters = letters;
    for (std::uint32_t m = letters; m != 0; m &= m - 1) {
        const std::uint32_t e = term.exponents[static_cast<std::size_t>(std::countr_zero(m))];
        if (e != 0) layout.width += 1 + (e == 1 ? 0 : DecimalLength(e));
    }
    return layout;
}

std::vector<std::string_view> SplitTerms(std::string_view text) {
    std::vector<std::string_view> terms;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = TermEnd(text, start);
        terms.push_back(text.substr(start, end - start));
        start = end;
    }
    return terms;
}

PolyTerm ParseTerm(std::string_view s) {
    PolyTerm term;
    if (s.empty()) return term;
    const bool secondIsDigit = s.size() > 1 && IsDigit(s[1]);
    if (!secondIsDigit && s[0] == '-') {
        term.coefficient = -1;
    } else if (!secondIsDigit && s[0] == '+') {
        term.coefficient = 1;
    } else if (IsDigit(s[0]) || s[0] == '+' || s[0] == '-') {
        const std::size_t from = IsDigit(s[0]) ? 0 : 1;
        std::size_t to = from;
        while (to < s.size() && IsDigit(s[to]))
            ++to;
        term.coefficient = PolyCoefficient::FromDecimal(s[0] == '-', s.substr(from, to - from));
    } else {
        term.coefficient = 1;
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!IsLetter(s[i])) continue;
        const std::size_t letter = static_cast<std::size_t>(s[i] - 'a');
        const bool hasDigits = i + 1 < s.size() && IsDigit(s[i + 1]);
        term.exponents[letter] = hasDigits ? ReadExponent(s, i + 1) : 1u;
    }
    return term;
}

std::string GridToPlainText(const PolyOutputGrid& grid, int usedWidth) {
    std::string text;
    const int width = std::clamp(usedWidth, 0, PolyOutputGrid::kColumns);
    text.reserve(static_cast<std::size_t>(width));
    for (int c = 0; c < width; ++c) {
        if (grid.Lower(c) != ' ') {
            text.push_back(grid.Lower(c));
        } else if (grid.Upper(c) != ' ') {
            text.push_back(grid.Upper(c));
        }
    }
    return text;
}

std::string GridRow(const PolyOutputGrid& grid, int usedWidth, bool upper) {
    std::string row;
    const int width = std::clamp(usedWidth, 0, PolyOutputGrid::kColumns);
    row.reserve(static_cast<std::size_t>(width));
    for (int c = 0; c < width; ++c)
        row.push_back(upper ? grid.Upper(c) : grid.Lower(c));
    return row;
}

PolyEngine::PolyEngine() {
    left_.terms.reserve(kPolyInputCapacity);
    left_.keys.reserve(kPolyInputCapacity);
    right_.terms.reserve(kPolyInputCapacity);
    right_.keys.reserve(kPolyInputCapacity);
    entries_.reserve(kEntryLimit);
    entryKeys_.reserve(kEntryLimit);
    order_.reserve(kEntryLimit);
    slots_.assign(kSlotCount, kEmpty);
    touched_.reserve(kSlotCount);
    layouts_.reserve(kEntryLimit);
}

void PolyEngine::ParseTerms(std::string_view text, std::vector<PolyTerm>& table) {
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = TermEnd(text, start);
        table.push_back(ParseTerm(text.substr(start, end - start)));
        start = end;
    }
}

PolyStatus PolyEngine::MultiplyPolynomialTexts(std::string_view left, std::string_view right,
                                               PolyOutputGrid& grid, const TaskControl* control) {
    left_.terms.clear();
    right_.terms.clear();
    ClearProduct();
    usedWidth_ = 0;
    ParseTerms(left, left_.terms);
    ParseTerms(right, right_.terms);
    if (const PolyStatus status = MultiplyTerms(left_.terms, right_.terms, control);
        status != PolyStatus::Ok) {
        return status;
    }
    SortTerms();
    return FormatTerms(grid);
}

void PolyEngine::KeysOf(std::span<const PolyTerm> terms, std::vector<Key>& keys,
                        std::array<std::uint64_t, kPolyLetterCount>& largest, bool& anyNonZero) {
    keys.clear();
    largest.fill(0);
    anyNonZero = false;
    for (const PolyTerm& term : terms) {
        const std::uint32_t letters = LetterMask(term);
        keys.push_back({LinearHash(term), letters});
        if (term.coefficient.IsZero()) continue;
        anyNonZero = true;
        for (std::uint32_t m = letters; m != 0; m &= m - 1) {
            const auto k = static_cast<std::size_t>(std::countr_zero(m));
            largest[k] = std::max<std::uint64_t>(largest[k], term.exponents[k]);
        }
    }
}

void PolyEngine::ClearProduct() {
    entries_.clear();
    entryKeys_.clear();
    order_.clear();
    ResetIndex();
    live_ = 0;
}

void PolyEngine::ResetIndex() {
    // Resetting slot by slot pays only while few slots were used.
    if (touched_.size() > kSlotCount / 8) {
        std::fill(slots_.begin(), slots_.end(), kEmpty);
    } else {
        for (std::uint32_t slot : touched_)
            slots_[slot] = kEmpty;
    }
    touched_.clear();
}

PolyStatus PolyEngine::MultiplyTerms(std::span<const PolyTerm> left,
                                     std::span<const PolyTerm> right, const TaskControl* control) {
    ClearProduct();
    std::array<std::uint64_t, kPolyLetterCount> largestLeft, largestRight;
    bool anyLeft = false, anyRight = false;
    KeysOf(left, left_.keys, largestLeft, anyLeft);
    KeysOf(right, right_.keys, largestRight, anyRight);
    // Every pair is formed, and a product of coefficients other than 0 is not
    // 0: when the largest exponents of a letter add up past the limit, the
    // pair that holds them would give a term whose exponent does not fit.
    // Finding it here keeps the check out of the loop over the pairs.
    if (anyLeft && anyRight) {
        for (std::size_t k = 0; k < largestLeft.size(); ++k) {
            if (largestLeft[k] + largestRight[k] > kPolyMaxExponent) return PolyStatus::Overflow;
        }
    }

    StopPoll stopRequested(control, kStopPollInterval);
    for (std::size_t i = 0; i < left.size(); ++i) {
        for (std::size_t j = 0; j < right.size(); ++j) {
            if (live_ > kPolyMaxTermsBeforePair) return PolyStatus::Overflow;
            if (stopRequested()) return PolyStatus::Stopped;
            const Key& kp = left_.keys[i];
            const Key& kq = right_.keys[j];
            Merge(left[i], right[j], {kp.hash + kq.hash, kp.letters | kq.letters});
        }
    }
    // The index is not needed any more; the next product resets it.
    DropCancelled();
    for (std::size_t e = 0; e < entries_.size(); ++e)
        order_.push_back(static_cast<std::uint32_t>(e));
    return PolyStatus::Ok;
}

std::size_t PolyEngine::FreeSlot(std::uint32_t hash) const {
    std::size_t slot = SlotOf(hash);
    while (slots_[slot] >= 0)
        slot = (slot + 1) & kSlotMask;
    return slot;
}

inline void PolyEngine::Occupy(std::size_t slot, std::int32_t entry) {
    if (slots_[slot] == kEmpty) touched_.push_back(static_cast<std::uint32_t>(slot));
    slots_[slot] = entry;
}

void PolyEngine::Merge(const PolyTerm& p, const PolyTerm& q, Key key) {
    const std::uint32_t hash = key.hash;
    // Small coefficients take one checked multiplication; the exact product
    // is formed only when it does not fit.
    std::int64_t small = 0;
    const bool isSmall =
        p.coefficient.IsSmall() && q.coefficient.IsSmall() &&
        !__builtin_mul_overflow(p.coefficient.Small(), q.coefficient.Small(), &small);
    PolyCoefficient big;
    if (isSmall) {
        if (small == 0) return;
    } else {
        big.SetProduct(p.coefficient, q.coefficient);
        if (big.IsZero()) return;
    }
    // No sum passes kPolyMaxExponent: MultiplyTerms refused such factors.
    std::array<std::uint32_t, kPolyLetterCount> exponents;
    for (int k = 0; k < kPolyLetterCount; ++k)
        exponents[k] = p.exponents[k] + q.exponents[k];

    // Entries plus cancelled markers never exceed kEntryLimit, half the
    // index, so the probe always meets an empty slot.
    std::size_t slot = SlotOf(hash);
    std::size_t reusable = kSlotCount;
    for (;; slot = (slot + 1) & kSlotMask) {
        const std::int32_t entry = slots_[slot];
        if (entry == kEmpty) break;
        if (entry == kDeleted) {
            if (reusable == kSlotCount) reusable = slot;
            continue;
        }
        const auto e = static_cast<std::size_t>(entry);
        if (entryKeys_[e].hash != hash || entries_[e].exponents != exponents) continue;
        PolyCoefficient& found = entries_[e].coefficient;
        if (isSmall) {
            found.Add(PolyCoefficient(small));
        } else {
            found.Add(big);
        }
        if (found.IsZero()) {
            slots_[slot] = kDeleted;
            --live_;
        }
        return;
    }
    if (reusable != kSlotCount) slot = reusable;
    if (entries_.size() == kEntryLimit) {
        Compact();
        slot = FreeSlot(hash);
    }
    Occupy(slot, static_cast<std::int32_t>(entries_.size()));
    PolyTerm& t = entries_.emplace_back();
    if (isSmall) {
        t.coefficient = PolyCoefficient(small);
    } else {
        t.coefficient = std::move(big);
    }
    t.exponents = exponents;
    entryKeys_.push_back(key);
    ++live_;
}

void PolyEngine::DropCancelled() {
    if (static_cast<std::size_t>(live_) == entries_.size()) return;  // nothing cancelled
    std::size_t kept = 0;
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        if (entries_[e].coefficient.IsZero()) continue;
        if (kept != e) {
            entries_[kept] = std::move(entries_[e]);
            entryKeys_[kept] = entryKeys_[e];
        }
        ++kept;
    }
    entries_.resize(kept);
    entryKeys_.resize(kept);
}

void PolyEngine::Compact() {
    DropCancelled();
    ResetIndex();
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        Occupy(FreeSlot(entryKeys_[e].hash), static_cast<std::int32_t>(e));
    }
}

void PolyEngine::SortTerms() {
    // Sorting positions moves 4 bytes per step instead of a whole term.
    // Only the letters of either term can differ, so a comparison walks those
    // instead of every letter before the first difference.
    std::sort(order_.begin(), order_.end(), [this](std::uint32_t i, std::uint32_t j) {
        const PolyTerm& x = entries_[i];
        const PolyTerm& y = entries_[j];
        for (std::uint32_t m = entryKeys_[i].letters | entryKeys_[j].letters; m != 0; m &= m - 1) {
            const auto k = static_cast<std::size_t>(std::countr_zero(m));
            if (x.exponents[k] != y.exponents[k]) return x.exponents[k] > y.exponents[k];
        }
        return false;
    });
}

PolyStatus PolyEngine::FormatTerms(PolyOutputGrid& grid) {
    // Measure first, so that an overflow leaves the caller's grid as it was.
    layouts_.clear();
    longDigits_.clear();
    int column = 0;
    for (std::uint32_t e : order_) {
        if (column > kLastTermStart) return PolyStatus::Overflow;
        // A term with huge exponents may be up to 308 columns wide; one that
        // would run past the grid is an overflow too.
        layouts_.push_back(LayOut(entries_[e], entryKeys_[e].letters, layouts_.empty()));
        if (layouts_.back().width > PolyOutputGrid::kColumns - column) return PolyStatus::Overflow;
        column += layouts_.back().width;
    }

    char* const bytes = grid.Rewrite(column);
    column = 0;
    for (std::size_t n = 0; n < order_.size(); ++n) {
        const PolyTerm& term = entries_[order_[n]];
        const TermLayout& layout = layouts_[n];
        for (int k = 0; k < layout.leadLength; ++k)
            bytes[2 * column++ + 1] = layout.lead[k];
        if (layout.longDigits >= 0) {
            for (char d : longDigits_[static_cast<std::size_t>(layout.longDigits)])
                bytes[2 * column++ + 1] = d;
        }
        for (std::uint32_t m = layout.letters; m != 0; m &= m - 1) {
            const int letter = std::countr_zero(m);
            const std::uint32_t e = term.exponents[static_cast<std::size_t>(letter)];
            if (e == 0) continue;
            bytes[2 * column++ + 1] = static_cast<char>('a' + letter);
            if (e == 1) continue;
            char digits[10];
            const char* end = std::to_chars(digits, digits + sizeof digits, e).ptr;
            for (const char* d = digits; d != end; ++d)
                bytes[2 * column++] = *d;
        }
    }
    usedWidth_ = column;
    return PolyStatus::Ok;
}

}  // namespace zentova
