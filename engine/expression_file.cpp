#include "engine/expression_file.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "engine/expression_tools.h"

namespace zentova {
namespace {

// Converts a whole text; any invalid or unconvertible byte fails it.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string in(text);
    std::string out(text.size() * 2 + 16, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    std::size_t produced = 0;
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = out.data() + produced;
        std::size_t outLeft = out.size() - produced;
        const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        produced = out.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1)) {
            // glibc counts characters it replaced instead of converting; none
            // may be replaced.
            ok = rc == 0;
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        ok = false;  // EILSEQ or EINVAL: not a valid text of its encoding
        break;
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(produced);
    return out;
}

// The text of a field: its bytes up to the first zero; nullopt without one.
std::optional<std::string_view> FieldText(std::string_view field) {
    const std::size_t end = field.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    return field.substr(0, end);
}

std::string ItemProblem(std::size_t index, std::string_view problem) {
    return "第 " + std::to_string(index + 1) + " 项：" + std::string(problem);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    return Convert("UTF-8", "GBK", gbk);
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    return Convert("GBK", "UTF-8", utf8);
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
        const ExpressionItem& item = items[i];
        if (item.name.find('\0') != std::string::npos ||
            item.expression.find('\0') != std::string::npos) {
            file.problem = ItemProblem(i, msg::kZeroByteInItem);
            return file;
        }
        const auto name = Utf8ToGbk(item.name);
        const auto expression = Utf8ToGbk(item.expression);
        if (!name || !expression) {
            file.problem = ItemProblem(i, msg::kNotGbkText);
            return file;
        }
        if (name->size() >= kExpressionNameField) {
            file.problem = ItemProblem(i, msg::kNameTooLong);
            return file;
        }
        if (expression->size() >= kExpressionTextField) {
            file.problem = ItemProblem(i, msg::kExpressionTooLongForFile);
            return file;
        }
        const std::size_t at = kExpressionFileHeaderSize + i * kExpressionRecordSize;
        bytes.replace(at, name->size(), *name);
        bytes.replace(at + kExpressionNameField, expression->size(), *expression);
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
    char buffer[65536];
    bool failed = false;
    while (bytes.size() <= kLongest) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
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

std::string WriteExpressionFile(const std::string& path, std::span<const ExpressionItem> items) {
    EncodedExpressionFile file = EncodeExpressionFile(items);
    if (!file.problem.empty()) return file.problem;
    if (!WriteFileAtomically(path, file.bytes)) return std::string(msg::kExpressionFileUnwritable);
    return {};
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (base.empty()) return false;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = (slash == std::string::npos ? std::string() : folder) + "." + base + ".tmp" +
                    std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

}  // namespace zentova
