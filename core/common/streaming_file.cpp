#include "common/streaming_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace zentova {
namespace {

template <typename Call>
auto Retrying(const Call& call) {
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR) return result;
    }
}

// The file a path names after its symbolic links; the path itself when it
// names no link, or a link whose target does not exist yet.
std::string Resolved(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                           &std::free);
    return real ? std::string(real.get()) : path;
}

}  // namespace

StreamingFile::~StreamingFile() {
    Abandon();
}

bool StreamingFile::Open(const std::string& path) {
    Abandon();
    target_ = Resolved(path);
    const std::size_t slash = target_.rfind('/');
    const std::string base = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    if (base.empty()) {
        errno = EISDIR;
        return false;
    }
    folder_ = slash == std::string::npos ? std::string(".") : target_.substr(0, slash + 1);
    const std::string prefix = slash == std::string::npos ? std::string() : folder_;
    // A file the user made private must not become readable by others.
    struct stat old {};
    const bool replacing = ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = prefix + "." + base + ".tmp" + std::to_string(::getpid()) + "-" +
                     std::to_string(attempt);
        fd_ = Retrying([&] {
            return ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        });
        if (fd_ < 0 && errno != EEXIST) return false;
    }
    if (fd_ < 0) return false;
    if (replacing && ::fchmod(fd_, old.st_mode & 0777) != 0) {
        const int error = errno;
        Abandon();
        errno = error;
        return false;
    }
    return true;
}

bool StreamingFile::Write(std::string_view bytes) {
    if (fd_ < 0) {
        errno = EBADF;
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = Retrying([&] { return ::write(fd_, bytes.data(), bytes.size()); });
        if (written <= 0) {
            // Nothing written and no reason given: asking again would loop.
            const int error = written < 0 ? errno : EIO;
            Abandon();
            errno = error;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool StreamingFile::Commit() {
    if (fd_ < 0) {
        errno = EBADF;
        return false;
    }
    bool ok = Retrying([&] { return ::fsync(fd_); }) == 0;
    int error = errno;
    // Never closed twice: Linux releases the descriptor even when close fails.
    if (::close(fd_) != 0 && ok) {
        ok = false;
        error = errno;
    }
    fd_ = -1;
    if (ok && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
        errno = error;
        return false;
    }
    temporary_.clear();
    // Makes the rename itself survive a power cut; a folder that cannot be
    // synced is no reason to call the save failed.
    const int folder =
        Retrying([&] { return ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0); });
    if (folder >= 0) {
        Retrying([&] { return ::fsync(folder); });
        ::close(folder);
    }
    return true;
}

void StreamingFile::Abandon() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    ::unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace zentova
