#include "exprtools/expression_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "common/atomic_file.h"
#include "common/gbk_text.h"
#include "exprtools/expression_tools.h"

namespace zentova {
namespace {

// The text of a field: its bytes up to the first zero; nullopt without one.
std::optional<std::string_view> FieldText(std::string_view field) {
    const std::size_t end = field.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    return field.substr(0, end);
}

std::string ItemProblem(std::size_t index, std::string_view problem) {
    return msg::ExpressionFileItemProblem(index + 1, problem);
}

// The GBK forms of an item's texts, or why they do not fit their fields.
std::string_view FitItem(const ExpressionItem& item, std::string& name, std::string& expression) {
    if (item.name.find('\0') != std::string::npos ||
        item.expression.find('\0') != std::string::npos) {
        return msg::kZeroByteInItem;
    }
    auto nameBytes = Utf8ToGbk(item.name);
    auto expressionBytes = Utf8ToGbk(item.expression);
    if (!nameBytes || !expressionBytes) return msg::kNotGbkText;
    if (nameBytes->size() >= kExpressionNameField) return msg::kNameTooLong;
    if (expressionBytes->size() >= kExpressionTextField) return msg::kExpressionTooLongForFile;
    name = std::move(*nameBytes);
    expression = std::move(*expressionBytes);
    return {};
}

}  // namespace

std::string_view ExpressionItemFitProblem(const ExpressionItem& item) {
    std::string name;
    std::string expression;
    return FitItem(item, name, expression);
}

std::string_view ExpressionItemProblem(const ExpressionItem& item) {
    if (item.expression.empty()) return msg::kEnterExpression;
    if (item.name.empty()) return msg::kEnterExpressionName;
    return {};
}

ExpressionFileContent DecodeExpressionFile(std::string_view bytes) {
    ExpressionFileContent content;
    if (bytes.empty() || bytes[0] != kExpressionFileMark) {
        content.problem = msg::kNotExpressionFile;
        return content;
    }
    if (bytes.size() < kExpressionFileHeaderSize) {
        content.problem = msg::kExpressionFileDamaged;
        return content;
    }
    const std::size_t count = static_cast<unsigned char>(bytes[1]) |
                              static_cast<std::size_t>(static_cast<unsigned char>(bytes[2])) << 8;
    if (bytes.size() != kExpressionFileHeaderSize + count * kExpressionRecordSize) {
        content.problem = msg::kExpressionFileDamaged;
        return content;
    }
    std::vector<ExpressionItem> items;
    items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view record = bytes.substr(
            kExpressionFileHeaderSize + i * kExpressionRecordSize, kExpressionRecordSize);
        const auto name = FieldText(record.substr(0, kExpressionNameField));
        const auto expression = FieldText(record.substr(kExpressionNameField));
        if (!name || !expression) {
            content.problem = msg::kExpressionFileDamaged;
            return content;
        }
        auto nameText = GbkToUtf8(*name);
        auto expressionText = GbkToUtf8(*expression);
        if (!nameText || !expressionText) {
            content.problem = msg::kExpressionFileBadText;
            return content;
        }
        items.push_back({std::move(*nameText), std::move(*expressionText)});
    }
    content.items = std::move(items);
    return content;
}

EncodedExpressionFile EncodeExpressionFile(std::span<const ExpressionItem> items) {
    EncodedExpressionFile file;
    if (items.empty()) {
        file.problem = msg::kNoExpressionToSave;
        return file;
    }
    if (items.size() > kMaxExpressionFileItems) {
        file.problem = msg::kTooManyExpressions;
        return file;
    }
    std::string bytes(kExpressionFileHeaderSize + items.size() * kExpressionRecordSize, '\0');
    bytes[0] = kExpressionFileMark;
    bytes[1] = static_cast<char>(items.size() & 0xFF);
    bytes[2] = static_cast<char>((items.size() >> 8) & 0xFF);
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::string name;
        std::string expression;
        if (const std::string_view problem = FitItem(items[i], name, expression);
            !problem.empty()) {
            file.problem = ItemProblem(i, problem);
            return file;
        }
        const std::size_t at = kExpressionFileHeaderSize + i * kExpressionRecordSize;
        bytes.replace(at, name.size(), name);
        bytes.replace(at + kExpressionNameField, expression.size(), expression);
    }
    file.bytes = std::move(bytes);
    return file;
}

ExpressionFileContent ReadExpressionFile(const std::string& path) {
    ExpressionFileContent content;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        content.problem = msg::kExpressionFileUnreadable;
        return content;
    }
    // No valid file is longer than this; reading one byte more tells a longer
    // file from a valid one without reading it all.
    constexpr std::size_t kLongest =
        kExpressionFileHeaderSize + kMaxExpressionFileItems * kExpressionRecordSize;
    std::string bytes;
    // A string that grows as it is read holds up to twice the longest file
    // while it moves; a known size is room taken once.
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        bytes.reserve(std::min(static_cast<std::size_t>(status.st_size), kLongest + 1));
    }
    char buffer[65536];
    bool failed = false;
    while (bytes.size() <= kLongest) {
        const ssize_t got =
            ::read(fd, buffer, std::min(sizeof buffer, kLongest + 1 - bytes.size()));
        if (got < 0) {
            if (errno == EINTR) continue;
            failed = true;
            break;
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes[0] != kExpressionFileMark) break;  // the first byte already decides
    }
    ::close(fd);
    if (failed) {
        content.problem = msg::kExpressionFileUnreadable;
        return content;
    }
    return DecodeExpressionFile(bytes);
}

std::string WithExpressionFileSuffix(std::string path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    // As the file dialog judges it: any dot in the name makes a suffix.
    if (name == path.size() || path.find('.', name) != std::string::npos) return path;
    return path + "." + std::string(kExpressionFileSuffix);
}

bool HasUnsavedFormulas(std::span<const ExpressionItem> items,
                        std::span<const ExpressionItem> lastSaved) {
    return !items.empty() && !std::ranges::equal(items, lastSaved);
}

std::string ExpressionLines(std::span<const ExpressionItem> items) {
    std::string lines;
    for (const ExpressionItem& item : items)
        lines.append(item.name).append(1, '\t').append(item.expression).append(1, '\n');
    return lines;
}

std::string WriteExpressionFile(const std::string& path, std::span<const ExpressionItem> items) {
    EncodedExpressionFile file = EncodeExpressionFile(items);
    if (!file.problem.empty()) return file.problem;
    if (WriteFileAtomically(path, file.bytes)) return {};
    if (errno == ELOOP) return std::string(msg::kExpressionFileLinkLoop);
    // A folder without write permission says the general text; a file the
    // user protected says so.
    if (errno == EACCES) {
        static const FileSystem kSystem;
        const std::string target = SaveTarget(path, kSystem);
        if (!target.empty() && ::access(target.c_str(), F_OK) == 0 &&
            kSystem.writable(target.c_str()) != 0) {
            return std::string(msg::kExpressionFileReadOnly);
        }
    }
    return std::string(msg::kExpressionFileUnwritable);
}

}  // namespace zentova
