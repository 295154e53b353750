#include "linalg/matrix_text.h"

#include <charconv>
#include <cstdio>

#include "common/number_text.h"
#include "linalg/linalg_messages.h"

namespace zentova {

std::size_t ReadMatrixText(std::string_view text, std::size_t count, std::span<double> destination,
                           std::optional<NotNumberToken>* notNumber) {
    const std::size_t limit = count < destination.size() ? count : destination.size();
    std::size_t stored = 0;
    if (notNumber != nullptr) notNumber->reset();
    if (limit == 0) return 0;
    const std::optional<NotNumberToken> found = ReadNumberTokens(text, [&](double value) {
        destination[stored] = value;
        return ++stored < limit;
    });
    if (notNumber != nullptr) *notNumber = found;
    return stored;
}

bool ReadMatrix(std::string_view text, Matrix& matrix, std::optional<NotNumberToken>* notNumber) {
    const std::span<double> values = matrix.values();
    return ReadMatrixText(text, values.size(), values, notNumber) == values.size();
}

std::string MatrixNotNumberMessage(const NotNumberToken& token, int cols) {
    const auto width = static_cast<std::size_t>(cols > 0 ? cols : 1);
    return msg::MatrixTokenNotNumber(token.index + 1, token.index / width + 1,
                                     token.index % width + 1, ShownToken(token.token));
}

std::size_t CountMatrixNumbers(std::string_view text, std::size_t count) {
    return CountNumberTokens(text, count);
}

std::string FormatG(double value) {
    char buffer[64];
    // to_chars with six digits in general form writes what printf's "%g" writes.
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    if (error == std::errc()) return std::string(buffer, end);
    const int length = std::snprintf(buffer, sizeof buffer, "%g", value);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string FormatMatrixText(const Matrix& matrix) {
    std::string text;
    text.reserve(matrix.values().size() * 10);
    for (int r = 0; r < matrix.rows(); ++r) {
        for (int c = 0; c < matrix.cols(); ++c) {
            text.append(FormatG(matrix.at(r, c)));
            text.append(c == matrix.cols() - 1 ? ",\r\n" : ",");
        }
    }
    // Every element wrote at least its comma, so the last row's ",\r\n" is there.
    if (text.size() >= 3) text.resize(text.size() - 3);
    return text;
}

std::string RelayoutMatrixText(std::string_view text, int rows, int cols) {
    std::string out;
    if (rows < 1 || cols < 1) return out;
    const long long total = static_cast<long long>(rows) * cols;
    long long k = 0;
    ForEachNumberToken(text, [&](std::string_view token) {
        out.append(token);
        if (k != total - 1) out.push_back(',');
        if (k % cols == cols - 1) out.append("\r\n");
        return ++k < total;
    });
    return out;
}

std::string_view TrimMatrixText(std::string_view text) {
    constexpr std::string_view kWhite = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kWhite);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(kWhite);
    return text.substr(first, last - first + 1);
}

}  // namespace zentova
