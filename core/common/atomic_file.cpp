#include "common/atomic_file.h"

#include <cerrno>

namespace zentova {
namespace {

// Calls that a signal may interrupt before they did anything.
template <typename Call>
auto Retrying(const Call& call) {
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR) return result;
    }
}

bool WriteAll(const FileSystem& fs, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = Retrying([&] { return fs.write(fd, bytes.data(), bytes.size()); });
        if (written < 0) return false;
        // Nothing written and no reason given: asking again would loop forever.
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself survive a power cut. The new content is already in
// place, so a folder that cannot be synced (some file systems refuse) is no
// reason to call the save failed.
void SyncFolder(const FileSystem& fs, const std::string& folder) {
    const int fd =
        Retrying([&] { return fs.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0); });
    if (fd < 0) return;
    Retrying([&] { return fs.fsync(fd); });
    fs.close(fd);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    static const FileSystem kSystem;
    return WriteFileAtomically(path, bytes, kSystem);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, const FileSystem& fs) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (base.empty()) {
        errno = EISDIR;
        return false;
    }
    // A list the user made private must not become readable by others.
    struct stat old {};
    const bool replacing = fs.stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = (slash == std::string::npos ? std::string() : folder) + "." + base + ".tmp" +
                    std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = Retrying([&] {
            return fs.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        });
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = (!replacing || fs.fchmod(fd, old.st_mode & 0777) == 0) && WriteAll(fs, fd, bytes) &&
              Retrying([&] { return fs.fsync(fd); }) == 0;
    int error = errno;
    // Never closed twice: Linux releases the descriptor even when close fails.
    if (fs.close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && fs.rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        fs.unlink(temporary.c_str());
        errno = error;
        return false;
    }
    SyncFolder(fs, folder);
    return true;
}

}  // namespace zentova
