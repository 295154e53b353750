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
mpz_class Exact(const PolyCoefficient& c) {
    return c.ToBig();
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
        mpz_class value(DecimalPrefix(s, Digit(s[0]) ? 0 : 1), 10);
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
            const mpz_class value(DecimalPrefix(s, i + 1), 10);
            e = value > kPolyMaxExponent ? kPolyMaxExponent + 1 : std::uint32_t(value.get_ui());
        }
        t.exponents[static_cast<std::size_t>(s[i] - 'a')] = e;
    }
    return t;
}

int MultiplyTables(const std::vector<PolyTerm>& left, const std::vector<PolyTerm>& right,
                   std::vector<PolyTerm>& table) {
    table.clear();
    for (const PolyTerm& p : left) {
        for (const PolyTerm& q : right) {
            if (table.size() > 4900) return -1;
            const mpz_class c = Exact(p.coefficient) * Exact(q.coefficient);
            if (c == 0) continue;
            PolyTerm t;
            t.coefficient = PolyCoefficient(c);
            for (int k = 0; k < 26; ++k) {
                // A term whose exponent would not fit is an overflow, not a
                // wrapped exponent.
                if (std::uint64_t(p.exponents[k]) + q.exponents[k] > kPolyMaxExponent) return -1;
                t.exponents[k] = p.exponents[k] + q.exponents[k];
            }
            std::size_t found = 0;
            while (found < table.size() && table[found].exponents != t.exponents)
                ++found;
            if (found == table.size()) {
                table.push_back(t);
                continue;
            }
            table[found].coefficient = PolyCoefficient(Exact(table[found].coefficient) + c);
            if (table[found].coefficient.IsZero()) {
                table.erase(table.begin() + static_cast<std::ptrdiff_t>(found));
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
    std::vector<PolyTerm> sorted = product.table;
    std::stable_sort(sorted.begin(), sorted.end(), [](const PolyTerm& x, const PolyTerm& y) {
        return x.exponents > y.exponents;
    });

    std::vector<char> grid(100000, ' ');
    int c = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (c > 49900) {
            product.status = -1;
            return;
        }
        const PolyTerm& t = sorted[i];
        // A constant is a term without letters (the sum of the exponents used
        // to be taken with wrapping, and could come to 0 for a term with
        // letters).
        const bool constant = std::all_of(t.exponents.begin(), t.exponents.end(),
                                          [](std::uint32_t e) { return e == 0; });
        const mpz_class v = Exact(t.coefficient);
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
        for (std::size_t k = 0; k < lower.size(); ++k, ++c) {
            grid[2 * std::size_t(c)] = upper[k];
            grid[2 * std::size_t(c) + 1] = lower[k];
        }
    }
    product.status = 0;
    product.grid = grid;
    product.width = c;
    product.terms = static_cast<int>(sorted.size());
}

std::string Flatten(const std::vector<char>& grid, int width) {
    std::string text;
    for (int c = 0; c < width; ++c) {
        const char up = grid[2 * std::size_t(c)], low = grid[2 * std::size_t(c) + 1];
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
            running = Flatten(product.grid, product.width);
        }
    }
    return product;
}

}  // namespace zentova::literal
