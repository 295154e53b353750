// Each system call of a save failing in turn, and the files a save meets
// (links, chains of links, a link to nothing or into another file system, a
// loop, a file of another owner): the old file stays byte for byte, links stay
// links, no temporary file stays behind, and errno names the call's failure.
// A save streamed piece by piece goes the same way.
#include "common/atomic_file.h"

#include <gtest/gtest.h>

#include <sys/xattr.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "common/streaming_file.h"
#include "support/table.h"

namespace zentova {
namespace {

namespace fs = std::filesystem;
constexpr std::string_view kOld = "old list", kNew = "the new list, longer than the old";

auto Fails(int error) {
    return [error](auto...) { return errno = error, -1; };
}
// Writes that go as told, then as the disk lets them: n writes at most n
// bytes, -e fails with e.
auto Writes(std::vector<int> script) {
    return [script, next = 0u](int fd, const void* data, std::size_t size) mutable -> ssize_t {
        const int step = next < script.size() ? script[next++] : static_cast<int>(size);
        return step < 0 ? (errno = -step, -1)
                        : ::write(fd, data, std::min(size, static_cast<std::size_t>(step)));
    };
}

// What stands at the saved path.
enum class Layout {
    File,             // the list itself
    Link,             // a link to the list beside it
    Chain,            // a link to an absolute link to a relative link, into a subfolder
    Dangling,         // a link to a file not there yet
    OtherFileSystem,  // a link to a list in /dev/shm
    Loop,             // two links naming each other
    ForeignOwner,     // a list of another user and group, with an extended attribute
};

struct FaultRow {
    std::string name;
    FileSystem system;
    int error;  // 0 when the save goes through
    Layout layout = Layout::File;
    fs::perms mode = fs::perms(0600);       // of the list before
    fs::perms savedMode = fs::perms(0600);  // after
    bool streamed = false;                  // saved with StreamingFile, in two pieces
};

bool StreamedSave(const std::string& path, std::string_view bytes, const FileSystem& system) {
    StreamingFile file(system);
    const std::size_t half = bytes.size() / 2;
    return file.Open(path) && file.Write(bytes.substr(0, half)) && file.Write(bytes.substr(half)) &&
           file.Commit();
}

// A listed access control list that cannot be set on the new file.
FileSystem RefusedAccessList() {
    static constexpr char kName[] = "system.posix_acl_access";
    return {.listxattr = [](const char*, char* names, std::size_t size) -> ssize_t {
                if (size >= sizeof kName) std::memcpy(names, kName, sizeof kName);
                return sizeof kName;
            },
            .getxattr = [](const char*, const char*, void*, std::size_t) -> ssize_t { return 0; },
            .fsetxattr = Fails(EPERM)};
}

class SaveFault : public ::testing::TestWithParam<FaultRow> {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("zentova-save-" + std::to_string(::getpid()));
        path_ = folder_ / "list.exp";
        fs::create_directory(folder_);
        std::ofstream(path_) << kOld;
        fs::permissions(path_, fs::perms(0600));
        target_ = path_;
    }
    void TearDown() override {
        fs::remove_all(folder_);
        if (!other_.empty()) fs::remove_all(other_);
    }
    std::string Saved() const {
        return std::string(std::istreambuf_iterator<char>(std::ifstream(target_).rdbuf()), {});
    }
    std::ptrdiff_t Files() const {
        std::ptrdiff_t files = 0;
        for (const fs::path& folder : {folder_, folder_ / "sub", other_}) {
            if (!folder.empty() && fs::is_directory(folder))
                files += std::distance(fs::directory_iterator(folder), {});
        }
        return files;
    }
    // Puts `layout` in place; false when this machine cannot show it.
    bool Build(Layout layout) {
        fs::create_directory(folder_ / "sub");
        auto link = [&](const fs::path& at, const fs::path& to) { fs::create_symlink(to, at); };
        auto move = [&](const fs::path& to) { fs::rename(path_, target_ = to); };
        struct stat here {
        }, there{};
        switch (layout) {
            case Layout::File:
                return true;
            case Layout::Link:
                return move(folder_ / "real.exp"), link(path_, "real.exp"), true;
            case Layout::Chain:
                move(folder_ / "sub/real.exp");
                link(folder_ / "sub/near.lnk", "real.exp");
                link(folder_ / "far.lnk", folder_ / "sub/near.lnk");
                return link(path_, "far.lnk"), true;
            case Layout::Dangling:
                fs::remove(path_);
                return link(path_, target_ = folder_ / "sub/real.exp"), true;
            case Layout::OtherFileSystem:
                other_ = fs::path("/dev/shm") / folder_.filename();
                if (!fs::create_directory(other_) || ::stat(folder_.c_str(), &here) != 0 ||
                    ::stat(other_.c_str(), &there) != 0 || here.st_dev == there.st_dev) {
                    return false;
                }
                fs::copy_file(path_, target_ = other_ / "real.exp");
                fs::remove(path_);
                return link(path_, target_), true;
            case Layout::Loop:
                fs::remove(path_);
                return link(path_, "loop.lnk"), link(folder_ / "loop.lnk", "list.exp"), true;
            case Layout::ForeignOwner:  // only a privileged test can make one
                return ::chown(path_.c_str(), 4321, 4321) == 0 &&
                       ::setxattr(path_.c_str(), "user.origin", "sync", 4, 0) == 0;
        }
        return false;
    }
    fs::path folder_, path_, other_, target_;
};

TEST_P(SaveFault, LeavesTheOldFileWhole) {
    const FaultRow& row = GetParam();
    if (!Build(row.layout)) GTEST_SKIP() << "no such file system or privilege here";
    std::error_code none;  // a loop has no file to look at
    if (fs::exists(target_, none)) fs::permissions(target_, row.mode);
    const bool linked = fs::is_symlink(path_);
    const std::string before = fs::exists(target_, none) ? Saved() : "";
    const std::ptrdiff_t files = Files();
    const bool saved = row.streamed ? StreamedSave(path_, kNew, row.system)
                                    : WriteFileAtomically(path_, kNew, FileSystem(row.system));
    EXPECT_EQ(saved ? 0 : errno, row.error);
    EXPECT_EQ(fs::is_symlink(path_), linked);  // the link is not replaced by a file
    if (row.layout == Layout::Loop) {
        EXPECT_EQ(Files(), files);
        return;
    }
    EXPECT_EQ(Saved(), saved ? kNew : before);
    EXPECT_EQ(Files(), files + (before.empty() && saved));
    if (row.layout == Layout::Dangling) return;  // a new file takes the usual permissions
    EXPECT_EQ(fs::status(target_).permissions(), row.savedMode);  // a private list stays private
    if (row.layout == Layout::ForeignOwner) {
        struct stat info {};
        ASSERT_EQ(::stat(target_.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 4321u);
        char origin[8] = {};
        EXPECT_EQ(::getxattr(target_.c_str(), "user.origin", origin, sizeof origin), 4);
        EXPECT_STREQ(origin, "sync");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SaveFault,
    ::testing::Values(
        FaultRow{"DiskFull", {.write = Writes({-ENOSPC})}, ENOSPC},
        FaultRow{"ShortWriteThenDiskFull", {.write = Writes({9, -ENOSPC})}, ENOSPC},
        FaultRow{"ReadOnlyFolder", {.open = Fails(EROFS)}, EROFS},
        FaultRow{"WriteError", {.write = Writes({-EIO})}, EIO},
        FaultRow{"WriteTakesNothing", {.write = Writes({0})}, EIO},
        FaultRow{"InterruptedShortWrites", {.write = Writes({-EINTR, 5, -EINTR, 5})}, 0},
        FaultRow{"FsyncFails", {.fsync = Fails(EIO)}, EIO},
        FaultRow{"CloseFails", {.close = [](int fd) { return ::close(fd), errno = EIO, -1; }}, EIO},
        FaultRow{"RenameFails", {.rename = Fails(EXDEV)}, EXDEV},
        FaultRow{"ChmodFails", {.fchmod = Fails(EPERM)}, EPERM}, FaultRow{"Succeeds", {}, 0},
        FaultRow{"FolderNotWritable", {.open = Fails(EACCES)}, EACCES},
        FaultRow{"Link", {}, 0, Layout::Link}, FaultRow{"ChainOfLinks", {}, 0, Layout::Chain},
        FaultRow{"DanglingLink", {}, 0, Layout::Dangling},
        // It used to put a file of its own in place of the link.
        FaultRow{"StreamedThroughDanglingLink",
                 {},
                 0,
                 Layout::Dangling,
                 fs::perms(0600),
                 fs::perms(0600),
                 true},
        FaultRow{"LinkIntoAnotherFileSystem", {}, 0, Layout::OtherFileSystem},
        FaultRow{"LinkLoop", {}, ELOOP, Layout::Loop},
        FaultRow{"LinkToFileNotWritable", {.writable = Fails(EACCES)}, EACCES, Layout::Link},
        FaultRow{"LinkTargetFolderNotWritable", {.open = Fails(EACCES)}, EACCES, Layout::Chain},
        FaultRow{"OwnerGroupAndAttributesKept", {}, 0, Layout::ForeignOwner},
        // The new file is this user's; the old group's permissions go with it.
        FaultRow{"GroupCannotBeKept", {.fchown = Fails(EPERM)}, 0, Layout::File, fs::perms(0640)},
        FaultRow{"AttributeCannotBeKept", {.fsetxattr = Fails(ENOTSUP)}, 0},
        FaultRow{"AccessListCannotBeKept", RefusedAccessList(), EPERM}),
    testing::RowName());

// Nobody is left to remove the temporary file then; the next save still works.
TEST_F(SaveFault, KilledBeforeTheRenameLeavesTheOldFile) {
    GTEST_FLAG_SET(death_test_style, "fast");  // the child must save into this test's folder
    const FileSystem dying{.rename = [](auto...) { return ::raise(SIGKILL); }};
    EXPECT_EXIT(WriteFileAtomically(path_, kNew, dying), ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(Saved(), kOld);
    EXPECT_EQ(Files(), 2);  // it got as far as the rename
    ASSERT_TRUE(WriteFileAtomically(path_, kNew));
    EXPECT_EQ(Saved(), kNew);
}

}  // namespace
}  // namespace zentova
