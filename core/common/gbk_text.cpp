#include "common/gbk_text.h"

#include <iconv.h>

#include <cerrno>

namespace zentova {
namespace {

// Both encodings write ASCII as ASCII: such a text needs no converter, and
// the expressions of a file of 65,535 formulas are mostly that.
bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// One converter per direction and thread, opened once: opening one costs
// more than converting a name.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    // Back to the initial state, as a freshly opened converter.
    iconv_t Reset() {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return cd_;
    }

  private:
    iconv_t cd_;
};

// Converts a whole text; any invalid or unconvertible byte fails it.
std::optional<std::string> Convert(Converter& converter, std::string_view text) {
    if (IsAscii(text)) return std::string(text);
    if (!converter.Valid()) return std::nullopt;
    iconv_t cd = converter.Reset();
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
    if (!ok) return std::nullopt;
    out.resize(produced);
    return out;
}

}  // namespace

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    thread_local Converter converter("UTF-8", "GBK");
    return Convert(converter, gbk);
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    thread_local Converter converter("GBK", "UTF-8");
    return Convert(converter, utf8);
}

}  // namespace zentova
