// Saving a file so that a failure at any moment leaves the old content whole.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
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
    std::function<int(int, mode_t)> fchmod = [](int fd, mode_t mode) { return ::fchmod(fd, mode); };
};

// Writes `bytes` to a new file in the folder of `path` and renames it over
// `path`, so that `path` holds either its old content or all of the new.
// A replaced file keeps its permissions. On failure the new file is removed
// and errno tells the first call that failed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
bool WriteFileAtomically(const std::string& path, std::string_view bytes, const FileSystem& fs);

}  // namespace zentova
