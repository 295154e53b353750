// Saving a file too large to hold in memory, piece by piece, so that a failure
// or a stop at any moment leaves the old content whole: the pieces go to a new
// file in the target's folder, which is renamed over the target only once all
// of them are written and on the disk.
#pragma once

#include <string>
#include <string_view>

namespace zentova {

class StreamingFile {
  public:
    StreamingFile() = default;
    ~StreamingFile();  // abandons a file not committed
    StreamingFile(const StreamingFile&) = delete;
    StreamingFile& operator=(const StreamingFile&) = delete;

    // Starts the new file for `path`. A symbolic link is followed, so that the
    // file it points to is replaced and the link stays. False with errno.
    bool Open(const std::string& path);
    // Appends `bytes`; false with errno (the file is then abandoned).
    bool Write(std::string_view bytes);
    // Puts the new file in place of the target; a replaced file keeps its
    // permissions. False with errno, and the new file is gone.
    bool Commit();
    // Removes the new file; the target stays as it was.
    void Abandon();

    bool IsOpen() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
    std::string target_;
    std::string temporary_;
    std::string folder_;
};

}  // namespace zentova
