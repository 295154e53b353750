#include "common/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

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

// As the kernel counts: more links than this in one path is a loop.
constexpr int kMostLinks = 40;

constexpr char kAccessControlList[] = "system.posix_acl_access";

// Gives the new file the old one's owner and group where this process may.
// False for a failure other than a refused change of owner; `groupKept`
// tells whether the group could be kept.
bool KeepOwner(const FileSystem& fs, int fd, const struct stat& old, bool& groupKept) {
    groupKept = true;
    if (fs.fchown(fd, old.st_uid, old.st_gid) == 0) return true;
    if (errno != EPERM && errno != EINVAL) return false;
    // Only a privileged process gives a file away; its group may still be one
    // this user belongs to.
    if (fs.fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0) return true;
    if (errno != EPERM && errno != EINVAL) return false;
    groupKept = false;
    return true;
}

// The value of one extended attribute; false when it went away or cannot be
// read.
bool ReadAttribute(const FileSystem& fs, const char* path, const char* name,
                   std::vector<char>& value) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = fs.getxattr(path, name, nullptr, 0);
        if (size < 0) return false;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = fs.getxattr(path, name, value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) return false;  // ERANGE: it grew in between
    }
    return false;
}

// Copies the extended attributes of `from` to the new file. An attribute the
// file system or this process cannot set is left out, but not the access
// control list: without it the new file could be open to more people.
bool KeepAttributes(const FileSystem& fs, const char* from, int fd) {
    std::vector<char> names;
    for (int attempt = 0;; ++attempt) {
        const ssize_t size = fs.listxattr(from, nullptr, 0);
        if (size < 0) return errno == ENOTSUP || errno == ENOSYS;  // none on this file system
        if (size == 0) return true;
        names.resize(static_cast<std::size_t>(size));
        const ssize_t got = fs.listxattr(from, names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE || attempt == 2) return false;
    }
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size();) {
        const char* name = names.data() + at;
        const std::size_t length = ::strnlen(name, names.size() - at);
        at += length + 1;
        if (length == 0 || at > names.size()) continue;
        const bool acl = std::strcmp(name, kAccessControlList) == 0;
        if (!ReadAttribute(fs, from, name, value)) {
            if (acl) return false;
            continue;
        }
        if (fs.fsetxattr(fd, name, value.data(), value.size()) != 0 && acl) return false;
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

std::string SaveTarget(const std::string& path, const FileSystem& fs) {
    std::string current = path;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (fs.lstat(current.c_str(), &info) != 0) {
            // Nothing there: the file to create, be it at the end of a link.
            return errno == ENOENT ? current : std::string();
        }
        if (!S_ISLNK(info.st_mode)) return current;
        if (links == kMostLinks) {
            errno = ELOOP;
            return {};
        }
        char buffer[PATH_MAX];
        const ssize_t size = fs.readlink(current.c_str(), buffer, sizeof buffer);
        if (size < 0) return {};
        if (size == 0 || static_cast<std::size_t>(size) == sizeof buffer) {
            errno = size == 0 ? ENOENT : ENAMETOOLONG;
            return {};
        }
        std::string target(buffer, static_cast<std::size_t>(size));
        const std::size_t slash = current.rfind('/');
        if (target.front() != '/' && slash != std::string::npos) {
            target.insert(0, current, 0, slash + 1);
        }
        current = std::move(target);
    }
}

bool BeginSave(const std::string& linkOrPath, const FileSystem& fs, PendingSave& save) {
    save = {};
    // Replacing the link itself would leave the file it names with the old
    // content, and the user told that the save succeeded.
    const std::string path = SaveTarget(linkOrPath, fs);
    if (path.empty()) return false;
    const std::size_t slash = path.rfind('/');
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (base.empty()) {
        errno = EISDIR;
        return false;
    }
    struct stat old {};
    bool replacing = false;
    if (fs.stat(path.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
            return false;
        }
        // A file made read-only is not to be changed behind its back, even
        // though the folder would let the rename through.
        if (fs.writable(path.c_str()) != 0) return false;
        replacing = true;
    } else if (errno != ENOENT) {
        return false;
    }
    const std::string prefix =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = prefix + "." + base + ".tmp" + std::to_string(::getpid()) + "-" +
                    std::to_string(attempt);
        fd = Retrying([&] {
            return fs.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        });
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    save = {path, prefix.empty() ? std::string(".") : prefix, temporary, fd};
    if (!replacing) return true;
    // The owner first: a change of owner may clear permission bits.
    bool groupKept = true;
    bool ok = KeepOwner(fs, fd, old, groupKept);
    // A list the user made private must not become readable by others.
    const mode_t mode = old.st_mode & (groupKept ? 0777 : 0707);
    ok = ok && fs.fchmod(fd, mode) == 0 && KeepAttributes(fs, path.c_str(), fd);
    if (ok) return true;
    const int error = errno;
    AbandonSave(save, fs);
    errno = error;
    return false;
}

bool WriteSave(PendingSave& save, std::string_view bytes, const FileSystem& fs) {
    if (save.fd < 0) {
        errno = EBADF;
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written =
            Retrying([&] { return fs.write(save.fd, bytes.data(), bytes.size()); });
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

bool CommitSave(PendingSave& save, const FileSystem& fs) {
    if (save.fd < 0) {
        errno = EBADF;
        return false;
    }
    bool ok = Retrying([&] { return fs.fsync(save.fd); }) == 0;
    int error = errno;
    // Never closed twice: Linux releases the descriptor even when close fails.
    if (fs.close(save.fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    save.fd = -1;
    if (ok && fs.rename(save.temporary.c_str(), save.target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        fs.unlink(save.temporary.c_str());
        save.temporary.clear();
        errno = error;
        return false;
    }
    save.temporary.clear();
    SyncFolder(fs, save.folder);
    return true;
}

void AbandonSave(PendingSave& save, const FileSystem& fs) {
    if (save.fd < 0) return;
    fs.close(save.fd);
    save.fd = -1;
    fs.unlink(save.temporary.c_str());
    save.temporary.clear();
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, const FileSystem& fs) {
    PendingSave save;
    if (!BeginSave(path, fs, save)) return false;
    if (!WriteSave(save, bytes, fs)) {
        const int error = errno;
        AbandonSave(save, fs);
        errno = error;
        return false;
    }
    return CommitSave(save, fs);
}

}  // namespace zentova
