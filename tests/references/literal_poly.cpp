#include "references/literal_poly.h"

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cstdio>

namespace zentova::literal {
namespace {

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

std::string DecimalPrefix(const std::string& s, std::size_t from) {
    std::string digits;
    while (from < s.size() && Digit(s[from]))
        digits += s[from++];
    return digits;
}

// Coefficients are exact integers and exponents run from 0 to
// kPolyMaxExponent; the wrapping 64- and 32-bit arithmetic of earlier
// versions gave wrong products that looked right.
// Into an existing integer, so that small values allocate nothing.
void Exact(const PolyCoefficient& c, mpz_class& into) {
    if (c.IsSmall()) {
        into = static_cast<long>(c.Small());
    } else {
        into = c.ToBig();
    }
}

// A digest of the exponents. The linear search below runs over the digests
// and compares the exponents only where they match: the same search, the
// same first match, without reading 120 bytes per table entry.
std::uint64_t Digest(const PolyTerm& t) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::uint32_t e : t.exponents)
        h = (h ^ e) * 1099511628211ull;
    return h;
}

}  // namespace

std::vector<std::string> SplitTermTexts(std::string_view text) {
    std::vector<std::string> texts;
    std::string current;
    for (char c : text) {
        if ((c == '+' || c == '-') && !current.empty()) {
            texts.push_back(current);
            current.clear();
        }
        current.push_back(c);
    }
    if (!current.empty()) texts.push_back(current);
    return texts;
}

PolyTerm ParseTermText(const std::string& s) {
    PolyTerm t;
    const bool secondDigit = s.size() >= 2 && Digit(s[1]);
    if (!secondDigit && s[0] == '-') {
        t.coefficient = -1;
    } else if (!secondDigit && s[0] == '+') {
        t.coefficient = 1;
    } else if (Digit(s[0]) || s[0] == '+' || s[0] == '-') {
        const std::string digits = DecimalPrefix(s, Digit(s[0]) ? 0 : 1);
        mpz_class value;
        if (digits.size() <= 18) {
            value = std::stol(digits);
        } else {
            value.set_str(digits, 10);
        }
        if (s[0] == '-') value = -value;
        t.coefficient = PolyCoefficient(value);
    } else {
        t.coefficient = 1;
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] < 'a' || s[i] > 'z') continue;
        std::uint32_t e = 1;
        if (i + 1 < s.size() && Digit(s[i + 1])) {
            // An exponent past the limit reads as one past it, and refuses
            // every product (it used to keep its low 32 bits).
            const std::string digits = DecimalPrefix(s, i + 1);
            const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
            e = digits.size() - first > 10 ? kPolyMaxExponent + 1
                                           : std::uint32_t(std::min<unsigned long long>(
                                                 std::stoull(digits), kPolyMaxExponent + 1ull));
        }
        t.exponents[static_cast<std::size_t>(s[i] - 'a')] = e;
    }
    return t;
}

int MultiplyTables(const std::vector<PolyTerm>& left, const std::vector<PolyTerm>& right,
                   std::vector<PolyTerm>& table) {
    table.clear();
    std::vector<std::uint64_t> digests;
    mpz_class x, y, c;
    for (const PolyTerm& p : left) {
        Exact(p.coefficient, x);
        for (const PolyTerm& q : right) {
            if (table.size() > 4900) return -1;
            Exact(q.coefficient, y);
            c = x * y;
            if (c == 0) continue;
            PolyTerm t;
            t.coefficient = PolyCoefficient(c);
            for (int k = 0; k < 26; ++k) {
                // A term whose exponent would not fit is an overflow, not a
                // wrapped exponent.
                if (std::uint64_t(p.exponents[k]) + q.exponents[k] > kPolyMaxExponent) return -1;
                t.exponents[k] = p.exponents[k] + q.exponents[k];
            }
            const std::uint64_t digest = Digest(t);
            std::size_t found = 0;
            while (found < table.size() &&
                   (digests[found] != digest || table[found].exponents != t.exponents))
                ++found;
            if (found == table.size()) {
                table.push_back(t);
                digests.push_back(digest);
                continue;
            }
            Exact(table[found].coefficient, y);
            y += c;
            table[found].coefficient = PolyCoefficient(y);
            if (table[found].coefficient.IsZero()) {
                table.erase(table.begin() + static_cast<std::ptrdiff_t>(found));
                digests.erase(digests.begin() + static_cast<std::ptrdiff_t>(found));
            }
        }
    }
    return 0;
}

void Multiply(std::string_view left, std::string_view right, LiteralProduct& product) {
    std::vector<PolyTerm> l, r;
    for (const std::string& s : SplitTermTexts(left))
        l.push_back(ParseTermText(s));
    for (const std::string& s : SplitTermTexts(right))
        r.push_back(ParseTermText(s));
    product.table.clear();
    product.terms = 0;
    product.width = 0;
    if (MultiplyTables(l, r, product.table) != 0) {
        product.status = -1;
        return;
    }
    // Exponent lists are distinct, so any sort gives the one order; sorting
    // pointers moves 8 bytes instead of a term.
    std::vector<const PolyTerm*> order;
    for (const PolyTerm& t : product.table)
        order.push_back(&t);
    std::sort(order.begin(), order.end(),
              [](const PolyTerm* x, const PolyTerm* y) { return x->exponents > y->exponents; });

    std::string upperRow, lowerRow;
    int c = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (c > 49900) {
            product.status = -1;
            return;
        }
        const PolyTerm& t = *order[i];
        // A constant is a term without letters (the sum of the exponents used
        // to be taken with wrapping, and could come to 0 for a term with
        // letters).
        const bool constant = std::all_of(t.exponents.begin(), t.exponents.end(),
                                          [](std::uint32_t e) { return e == 0; });
        mpz_class v;
        Exact(t.coefficient, v);
        // Every digit of the magnitude, however many (it used to be "%llu" of
        // a 64-bit value).
        const std::string magnitude = mpz_class(abs(v)).get_str();
        std::string lower;
        if (i == 0) {
            if (v < 0) lower.push_back('-');
        } else {
            lower.append(v > 0 ? " + " : " - ");
        }
        if (constant || (v != 1 && v != -1)) lower.append(magnitude);
        std::string upper(lower.size(), ' ');
        for (int k = 0; k < 26; ++k) {
            const std::uint32_t e = t.exponents[k];
            if (e == 0) continue;
            lower += char('a' + k);
            upper += ' ';
            if (e != 1) {
                char digits[16];
                std::snprintf(digits, sizeof digits, "%lu", static_cast<unsigned long>(e));
                upper += digits;
                lower += std::string(std::string(digits).size(), ' ');
            }
        }
        if (c + static_cast<int>(lower.size()) > 50000) {
            product.status = -1;
            return;
        }
        upperRow += upper;
        lowerRow += lower;
        c += static_cast<int>(lower.size());
    }
    product.status = 0;
    product.upper = std::move(upperRow);
    product.lower = std::move(lowerRow);
    product.width = c;
    product.terms = static_cast<int>(order.size());
}

std::vector<char> LiteralProduct::Grid() const {
    std::vector<char> grid(100000, ' ');
    for (std::size_t c = 0; c < lower.size(); ++c) {
        grid[2 * c] = upper[c];
        grid[2 * c + 1] = lower[c];
    }
    return grid;
}

std::string Flatten(const LiteralProduct& product) {
    std::string text;
    for (std::size_t c = 0; c < product.lower.size(); ++c) {
        const char up = product.upper[c], low = product.lower[c];
        if (low != ' ') {
            text += low;
        } else if (up != ' ') {
            text += up;
        }
    }
    return text;
}

LiteralProduct MultiplyChain(std::string_view input) {
    std::vector<std::string> factors(1);
    for (char c : input) {
        if (c == '*') {
            factors.emplace_back();
        } else {
            factors.back() += c;
        }
    }
    if (factors.size() == 1) factors.push_back("1");
    LiteralProduct product;
    std::string running = factors[0];
    for (std::size_t k = 1; k < factors.size(); ++k) {
        Multiply(running, factors[k], product);
        if (product.status != 0) return product;
        if (k + 1 < factors.size()) {
            if (product.width > 9000) {
                product.status = -1;
                return product;
            }
            running = Flatten(product);
        }
    }
    return product;
}

}  // namespace zentova::literal
