// Each system call of a save failing in turn: the old file stays byte for byte,
// no temporary file stays behind, and errno names the call's failure.
#include "common/atomic_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <vector>

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

struct FaultRow {
    std::string name;
    FileSystem system;
    int error;  // 0 when the save goes through
};

class SaveFault : public ::testing::TestWithParam<FaultRow> {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("zentova-save-" + std::to_string(::getpid()));
        path_ = folder_ / "list.exp";
        fs::create_directory(folder_);
        std::ofstream(path_) << kOld;
        fs::permissions(path_, fs::perms(0600));
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Saved() const {
        return std::string(std::istreambuf_iterator<char>(std::ifstream(path_).rdbuf()), {});
    }
    std::ptrdiff_t Files() const { return std::distance(fs::directory_iterator(folder_), {}); }
    fs::path folder_, path_;
};

TEST_P(SaveFault, LeavesTheOldFileWhole) {
    const bool saved = WriteFileAtomically(path_, kNew, FileSystem(GetParam().system));
    EXPECT_EQ(saved ? 0 : errno, GetParam().error);
    EXPECT_EQ(Saved(), saved ? kNew : kOld);
    EXPECT_EQ(fs::status(path_).permissions(), fs::perms(0600));  // a private list stays private
    EXPECT_EQ(Files(), 1);
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
        FaultRow{"ChmodFails", {.fchmod = Fails(EPERM)}, EPERM}, FaultRow{"Succeeds", {}, 0}),
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
