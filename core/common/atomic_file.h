// Saving a file so that a failure at any moment leaves the old content whole.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace zentova {

// The system calls a save makes. The defaults are the real ones; a test
// replaces one of them to see that its failure costs nothing of the old file.
struct FileSystem {
    std::function<int(const char*, int, mode_t)> open =
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); };
    std::function<ssize_t(int, const void*, std::size_t)> write =
        [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); };
    std::function<int(int)> fsync = [](int fd) { return ::fsync(fd); };
    std::function<int(int)> close = [](int fd) { return ::close(fd); };
    std::function<int(const char*, const char*)> rename = [](const char* from, const char* to) {
        return ::rename(from, to);
    };
    std::function<int(const char*)> unlink = [](const char* path) { return ::unlink(path); };
    std::function<int(const char*, struct stat*)> stat = [](const char* path, struct stat* info) {
        return ::stat(path, info);
    };
    std::function<int(const char*, struct stat*)> lstat = [](const char* path, struct stat* info) {
        return ::lstat(path, info);
    };
    std::function<ssize_t(const char*, char*, std::size_t)> readlink =
        [](const char* path, char* buffer, std::size_t size) {
            return ::readlink(path, buffer, size);
        };
    // Whether this process may write the file, by its effective ids.
    std::function<int(const char*)> writable = [](const char* path) {
        return ::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS);
    };
    std::function<int(int, mode_t)> fchmod = [](int fd, mode_t mode) { return ::fchmod(fd, mode); };
    std::function<int(int, uid_t, gid_t)> fchown = [](int fd, uid_t owner, gid_t group) {
        return ::fchown(fd, owner, group);
    };
    std::function<ssize_t(const char*, char*, std::size_t)> listxattr =
        [](const char* path, char* names, std::size_t size) {
            return ::listxattr(path, names, size);
        };
    std::function<ssize_t(const char*, const char*, void*, std::size_t)> getxattr =
        [](const char* path, const char* name, void* value, std::size_t size) {
            return ::getxattr(path, name, value, size);
        };
    std::function<int(int, const char*, const void*, std::size_t)> fsetxattr =
        [](int fd, const char* name, const void* value, std::size_t size) {
            return ::fsetxattr(fd, name, value, size, 0);
        };
};

// Writes `bytes` to a new file and renames it over `path`, so that the file
// holds either its old content or all of the new. A `path` that is a symbolic
// link, or a chain of them, names the file it leads to: that file is replaced
// in its own folder and the links stay links; a link to nothing creates the
// file it names. A replaced file keeps its permission bits, its owner and
// group as far as this process may give them (a group that cannot be kept
// loses its permissions rather than passing them to another group), and its
// extended attributes, which hold its access control list: those the file
// system cannot take are left out, except the access control list, without
// which the save fails.
//
// Refused, with the old file whole: a chain of links that loops or is longer
// than 40 (ELOOP), a file this process may not write (EACCES), something that
// is not a regular file (EISDIR for a folder, EINVAL otherwise). On failure
// the new file is removed and errno tells the first call that failed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
bool WriteFileAtomically(const std::string& path, std::string_view bytes, const FileSystem& fs);

// A save under way: the new file beside the one it replaces or creates.
// WriteFileAtomically writes it in one go and StreamingFile piece by piece;
// both go through these steps, so that they follow links, refuse and keep
// the old file's owner, permissions and attributes alike.
struct PendingSave {
    std::string target;     // the file replaced or created, links followed
    std::string folder;     // the target's folder, synced after the rename
    std::string temporary;  // the new file, until it is renamed or removed
    int fd = -1;            // open on `temporary` while the save is pending
};

// Finds the target of `path` and refuses it as WriteFileAtomically does,
// then creates the new file with the old one's owner, permissions and
// attributes. False with errno, and nothing is left behind.
bool BeginSave(const std::string& path, const FileSystem& fs, PendingSave& save);
// Appends `bytes` to the new file. False with errno; the save stays pending.
bool WriteSave(PendingSave& save, std::string_view bytes, const FileSystem& fs);
// Puts the new file on the disk and in place of the target. False with
// errno, and the new file is removed.
bool CommitSave(PendingSave& save, const FileSystem& fs);
// Removes the new file of a pending save; the target stays as it was.
void AbandonSave(PendingSave& save, const FileSystem& fs);

// The file a save of `path` replaces or creates: `path` with every symbolic
// link of a chain followed, relative targets taken from the link's folder.
// Empty, with errno set, when a link cannot be read or the chain loops.
std::string SaveTarget(const std::string& path, const FileSystem& fs);

}  // namespace zentova
