#include "workbench/run_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "workbench/presets_temp_dir.h"

namespace dq {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// A program directory and a home directory side by side in one scratch directory.
class DataLayoutTest : public ::testing::Test {
protected:
    DataLayoutTest() {
        fs::create_directories(program());
        fs::create_directories(home());
    }
    std::string program() const { return scratch.path() + "/bin"; }
    std::string home() const { return scratch.path() + "/home"; }
    std::string xdg() const { return scratch.path() + "/xdg"; }

    TempDir scratch;
};

TEST_F(DataLayoutTest, ChoosesTheDirectoryByWritabilityAndEnvironment) {
    struct Case {
        const char* name;
        bool writable;
        const char* xdgDataHome;  // "$XDG" stands for the scratch XDG directory
        bool withHome;
        const char* expected;     // relative to the scratch directory
    };
    const Case cases[] = {
        {"writable program directory", true, "$XDG", true, "/bin"},
        {"read-only, XDG set", false, "$XDG", true, "/xdg/dawnquill"},
        {"read-only, XDG unset", false, "", true, "/home/.local/share/dawnquill"},
        {"read-only, relative XDG ignored", false, "relative/share", true,
         "/home/.local/share/dawnquill"},
        {"read-only, no home at all", false, "", false, "/bin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string xdgValue = std::string(c.xdgDataHome) == "$XDG" ? xdg() : c.xdgDataHome;
        const DataLayout layout =
            ChooseDataLayout({program(), c.writable, xdgValue, c.withHome ? home() : ""});
        EXPECT_EQ(layout.directory, scratch.path() + c.expected);
        EXPECT_EQ(layout.portable, layout.directory == program());
        EXPECT_TRUE(fs::is_directory(layout.directory));
    }
    // The portable layout creates nothing elsewhere.
    EXPECT_FALSE(fs::exists(xdg() + "/dawnquill/配置文件.ini"));
}

TEST_F(DataLayoutTest, CopiesThePresetsAndTheDatabaseOnceAndNeverMovesThem) {
    WriteBytes(program() + "/配置文件.ini", "[presets]");
    WriteBytes(program() + "/Sorvane.db", "database");
    WriteBytes(program() + "/wx.txt", "not carried over");
    const DataLayoutInputs inputs{program(), false, xdg(), home()};

    const DataLayout first = ChooseDataLayout(inputs);
    ASSERT_EQ(first.directory, xdg() + "/dawnquill");
    EXPECT_EQ(ReadBytes(first.directory + "/配置文件.ini"), "[presets]");
    EXPECT_EQ(ReadBytes(first.directory + "/Sorvane.db"), "database");
    EXPECT_FALSE(fs::exists(first.directory + "/wx.txt"));
    EXPECT_EQ(ReadBytes(program() + "/配置文件.ini"), "[presets]");
    EXPECT_EQ(ReadBytes(program() + "/Sorvane.db"), "database");

    // The user's own copies win over the program directory's from then on.
    WriteBytes(first.directory + "/配置文件.ini", "[changed by the user]");
    fs::remove(first.directory + "/Sorvane.db");
    WriteBytes(program() + "/配置文件.ini", "[updated install]");
    const DataLayout second = ChooseDataLayout(inputs);
    EXPECT_EQ(ReadBytes(second.directory + "/配置文件.ini"), "[changed by the user]");
    // A file the data directory lacks is copied again: there is nothing of the user's to keep.
    EXPECT_EQ(ReadBytes(second.directory + "/Sorvane.db"), "database");
}

TEST_F(DataLayoutTest, FallsBackToTheProgramDirectoryWhenNoDataDirectoryCanBeMade) {
    // A file where the data home should be: the directory cannot be created.
    WriteBytes(xdg(), "in the way");
    const DataLayout layout = ChooseDataLayout({program(), false, xdg(), home()});
    EXPECT_EQ(layout.directory, program());
    EXPECT_TRUE(layout.portable);
}

TEST(RunDirectory, IsTheProgramDirectoryWhenThatIsWritable) {
    // The test program lives in the build tree, which is writable.
    EXPECT_EQ(RunDirectory(), ProgramDirectory());
    EXPECT_TRUE(PortableLayout());
    EXPECT_TRUE(fs::exists(ProgramDirectory() + "/run_directory_tests"));
}

}  // namespace
}  // namespace dq
