// Saving a file too large to hold in memory, piece by piece, so that a failure
// or a stop at any moment leaves the old content whole: the pieces go to a new
// file in the target's folder, which is renamed over the target only once all
// of them are written and on the disk.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "common/atomic_file.h"

namespace zentova {

class StreamingFile {
  public:
    StreamingFile() = default;
    // With other system calls than the real ones, for a test.
    explicit StreamingFile(FileSystem fs) : fs_(std::move(fs)) {}
    ~StreamingFile();  // abandons a file not committed
    StreamingFile(const StreamingFile&) = delete;
    StreamingFile& operator=(const StreamingFile&) = delete;

    // Starts the new file for `path`, which is followed and refused as
    // WriteFileAtomically does it: through a symbolic link the file it points
    // to is replaced, or created when it is not there yet, and the link stays.
    // False with errno.
    bool Open(const std::string& path);
    // Appends `bytes`; false with errno (the file is then abandoned).
    bool Write(std::string_view bytes);
    // Puts the new file in place of the target; a replaced file keeps its
    // owner, permissions and attributes. False with errno, and the new file
    // is gone.
    bool Commit();
    // Removes the new file; the target stays as it was.
    void Abandon();

    bool IsOpen() const { return save_.fd >= 0; }

  private:
    FileSystem fs_;
    PendingSave save_;
};

}  // namespace zentova
