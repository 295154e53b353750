#include "common/gbk_text.h"

#include <iconv.h>

#include <cerrno>

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

}  // namespace

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    return Convert("UTF-8", "GBK", gbk);
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    return Convert("GBK", "UTF-8", utf8);
}

}  // namespace zentova
