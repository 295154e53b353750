#include "common/streaming_file.h"

#include <cerrno>

namespace zentova {

StreamingFile::~StreamingFile() {
    Abandon();
}

bool StreamingFile::Open(const std::string& path) {
    Abandon();
    return BeginSave(path, fs_, save_);
}

bool StreamingFile::Write(std::string_view bytes) {
    if (WriteSave(save_, bytes, fs_)) return true;
    const int error = errno;
    Abandon();
    errno = error;
    return false;
}

bool StreamingFile::Commit() {
    return CommitSave(save_, fs_);
}

void StreamingFile::Abandon() {
    AbandonSave(save_, fs_);
}

}  // namespace zentova
