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

std::uint64_t DecimalPrefix(const std::string& s, std::size_t from) {
    std::uint64_t value = 0;
    while (from < s.size() && Digit(s[from]))
        value = value * 10 + std::uint64_t(s[from++] - '0');
    return value;
}

std::int32_t Signed(std::uint32_t e) {
    return static_cast<std::int32_t>(e);
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
        std::uint64_t magnitude = DecimalPrefix(s, Digit(s[0]) ? 0 : 1);
        if (s[0] == '-') magnitude = ~magnitude + 1;
        t.coefficient = static_cast<std::int64_t>(magnitude);
    } else {
        t.coefficient = 1;
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] < 'a' || s[i] > 'z') continue;
        std::uint32_t e = 1;
        if (i + 1 < s.size() && Digit(s[i + 1])) {
            e = static_cast<std::uint32_t>(DecimalPrefix(s, i + 1) & 0xFFFFFFFFu);
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
            PolyTerm t;
            t.coefficient = static_cast<std::int64_t>(std::uint64_t(p.coefficient) *
                                                      std::uint64_t(q.coefficient));
            for (int k = 0; k < 26; ++k)
                t.exponents[k] = p.exponents[k] + q.exponents[k];
            if (t.coefficient == 0) continue;
            std::size_t found = 0;
            while (found < table.size() && table[found].exponents != t.exponents)
                ++found;
            if (found == table.size()) {
                table.push_back(t);
                continue;
            }
            table[found].coefficient = static_cast<std::int64_t>(
                std::uint64_t(table[found].coefficient) + std::uint64_t(t.coefficient));
            if (table[found].coefficient == 0) {
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
        std::array<std::int32_t, 26> a, b;
        for (int k = 0; k < 26; ++k) {
            a[k] = Signed(x.exponents[k]);
            b[k] = Signed(y.exponents[k]);
        }
        return a > b;
    });

    std::vector<char> grid(100000, ' ');
    int c = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (c > 49900) {
            product.status = -1;
            return;
        }
        const PolyTerm& t = sorted[i];
        std::int32_t degree = 0;
        for (std::uint32_t e : t.exponents)
            degree = Signed(std::uint32_t(degree) + e);
        const bool constant = degree == 0;
        const std::int64_t v = t.coefficient;
        const unsigned long long magnitude =
            v < 0 ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
        char lead[64] = "";
        if (i == 0) {
            if (constant) {
                std::snprintf(lead, sizeof lead, v > 0 ? "%llu" : "-%llu", magnitude);
            } else if (v == 1) {
                lead[0] = 0;
            } else if (v == -1) {
                std::snprintf(lead, sizeof lead, "-");
            } else {
                std::snprintf(lead, sizeof lead, v > 0 ? "%llu" : "-%llu", magnitude);
            }
        } else {
            if (constant) {
                std::snprintf(lead, sizeof lead, v > 0 ? " + %llu" : " - %llu", magnitude);
            } else if (v == 1) {
                std::snprintf(lead, sizeof lead, " + ");
            } else if (v == -1) {
                std::snprintf(lead, sizeof lead, " - ");
            } else {
                std::snprintf(lead, sizeof lead, v > 0 ? " + %llu" : " - %llu", magnitude);
            }
        }
        std::string lower = lead, upper(lower.size(), ' ');
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
