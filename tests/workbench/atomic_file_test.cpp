// Whole-file replacement: what it leaves beside the file, and the protections of the file
// it replaces (symbolic links, permissions, read-only files).
#include "workbench/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "presets_temp_dir.h"

namespace dq {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::set<std::string> FilesIn(const std::string& directory) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) names.insert(entry.path().filename());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

TEST(WriteFileAtomically, LeavesOnlyTheFileAfterRepeatedWrites) {
    TempDir dir;
    const std::string path = dir.path() + "/wx.txt";
    for (const char* content : {"one", "two", "three"}) {
        ASSERT_EQ(WriteFileAtomically(path, content), "");
        EXPECT_EQ(ReadBytes(path), content);
    }
    EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"wx.txt"});
}

TEST(WriteFileAtomically, RemovesTemporariesOfKilledWritersButNotOfLiveOnes) {
    TempDir dir;
    const std::string path = dir.path() + "/wx.txt";
    WriteBytes(dir.path() + "/wx.txt.tmp-Ab12Cd", "left by a killed save");
    WriteBytes(dir.path() + "/wx.txt.tmp-Zz99Yy", "left by another");
    WriteBytes(dir.path() + "/other.txt.tmp-Ab12Cd", "not ours");
    // A writer still at work holds the lock on its temporary.
    const std::string live = dir.path() + "/wx.txt.tmp-Live00";
    WriteBytes(live, "being written");
    const int fd = ::open(live.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);

    ASSERT_EQ(WriteFileAtomically(path, "new"), "");
    EXPECT_EQ(FilesIn(dir.path()),
              (std::set<std::string>{"wx.txt", "wx.txt.tmp-Live00", "other.txt.tmp-Ab12Cd"}));
    ::close(fd);
}

TEST(WriteFileAtomically, KeepsTheModeOfTheFileItReplaces) {
    TempDir dir;
    const std::string path = dir.path() + "/配置文件.ini";
    for (const mode_t mode : {0600, 0640, 0664}) {
        WriteBytes(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_EQ(WriteFileAtomically(path, "new"), "");
        EXPECT_EQ(ReadBytes(path), "new");
        EXPECT_EQ(ModeOf(path), mode) << std::oct << mode;
    }
}

TEST(WriteFileAtomically, APrivateModeTakesAwayGroupAndOtherBits) {
    TempDir dir;
    const std::string path = dir.path() + "/secret.ini";
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    ASSERT_EQ(WriteFileAtomically(path, "new", 0600), "");
    EXPECT_EQ(ModeOf(path), 0600u);
}

TEST(WriteFileAtomically, GivesANewFileTheModeOpenWould) {
    TempDir dir;
    const std::string path = dir.path() + "/wx.txt";
    const mode_t mask = ::umask(022);
    ASSERT_EQ(WriteFileAtomically(path, "new"), "");
    ::umask(mask);
    EXPECT_EQ(ModeOf(path), 0644u);
}

TEST(WriteFileAtomically, RefusesAReadOnlyFileAndLeavesItAsItWas) {
    TempDir dir;
    const std::string path = dir.path() + "/wx.txt";
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_NE(WriteFileAtomically(path, "new"), "");
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(ModeOf(path), 0444u);
    EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"wx.txt"});
}

TEST(WriteFileAtomically, WritesThroughSymbolicLinksToTheirTarget) {
    TempDir dir;
    fs::create_directory(dir.path() + "/real");
    const std::string target = dir.path() + "/real/wx.txt";
    WriteBytes(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    // A relative link to a link: both stay links, the file at the end gets the content.
    fs::create_symlink("real/wx.txt", dir.path() + "/middle.txt");
    fs::create_symlink(dir.path() + "/middle.txt", dir.path() + "/wx.txt");

    ASSERT_EQ(WriteFileAtomically(dir.path() + "/wx.txt", "new"), "");
    EXPECT_TRUE(fs::is_symlink(dir.path() + "/wx.txt"));
    EXPECT_TRUE(fs::is_symlink(dir.path() + "/middle.txt"));
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_EQ(ModeOf(target), 0600u);
    EXPECT_EQ(FilesIn(dir.path() + "/real"), std::set<std::string>{"wx.txt"});
}

TEST(WriteFileAtomically, ADirectoryInTheWayIsReportedAndNoTemporaryStays) {
    TempDir dir;
    const std::string path = dir.path() + "/wx.txt";
    fs::create_directory(path);
    EXPECT_NE(WriteFileAtomically(path, "new"), "");
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"wx.txt"});
}

}  // namespace
}  // namespace dq
