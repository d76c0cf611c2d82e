// Writing under a free name: never replacing, never leaving a temporary file.
#include <gtest/gtest.h>

#include <ostream>

#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "picture/new_file.h"
#include "support/case_name.h"

namespace dq {
namespace {

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every entry of directory, hidden ones included, sorted.
std::vector<std::string> Entries(const std::string& directory) {
    std::vector<std::string> names;
    for (const QString& name : QDir(QString::fromStdString(directory))
                                   .entryList(QDir::Files | QDir::Hidden | QDir::System,
                                              QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

struct FreeNameCase {
    const char* name;
    std::vector<std::string> existing;
    std::string expected;
};

// Failures name the case, not its bytes.
void PrintTo(const FreeNameCase& row, std::ostream* out) { *out << row.name; }

class FreeName : public ::testing::TestWithParam<FreeNameCase> {};

TEST_P(FreeName, TakesTheFirstFreeNameAndLeavesTheOthersAlone) {
    QTemporaryDir directory;
    const std::string dir = directory.path().toStdString();
    for (const std::string& name : GetParam().existing) Write(dir + "/" + name, "old " + name);

    const NewFile written = WriteNewFile(dir, "2024年5月6日8时", ".jpg", "new");

    EXPECT_EQ(written.error, "");
    EXPECT_EQ(written.path, dir + "/" + GetParam().expected);
    EXPECT_EQ(Read(written.path), "new");
    for (const std::string& name : GetParam().existing)
        EXPECT_EQ(Read(dir + "/" + name), "old " + name);
    std::vector<std::string> expected = GetParam().existing;
    expected.push_back(GetParam().expected);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(dir), expected);  // no temporary file left
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FreeName,
    ::testing::Values(
        FreeNameCase{"NewName", {}, "2024年5月6日8时.jpg"},
        FreeNameCase{"Taken", {"2024年5月6日8时.jpg"}, "2024年5月6日8时(2).jpg"},
        FreeNameCase{"TwoTaken", {"2024年5月6日8时.jpg", "2024年5月6日8时(2).jpg"},
                     "2024年5月6日8时(3).jpg"},
        FreeNameCase{"GapIsFilled", {"2024年5月6日8时.jpg", "2024年5月6日8时(3).jpg"},
                     "2024年5月6日8时(2).jpg"}),
    testing::CaseName<FreeNameCase>);

TEST(NewFile, AnExistingDirectoryEntryOfAnyKindIsNotReplaced) {
    QTemporaryDir directory;
    const std::string dir = directory.path().toStdString();
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("a.jpg")));

    const NewFile written = WriteNewFile(dir, "a", ".jpg", "new");

    EXPECT_EQ(written.path, dir + "/a(2).jpg");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(dir + "/a.jpg")).isDir());
}

TEST(NewFile, AMissingDirectoryIsReportedAndNothingIsWritten) {
    QTemporaryDir directory;
    const std::string missing = directory.path().toStdString() + "/gone";

    const NewFile written = WriteNewFile(missing, "a", ".jpg", "new");

    EXPECT_EQ(written.path, "");
    EXPECT_EQ(written.error, "No such file or directory");
    EXPECT_TRUE(Entries(directory.path().toStdString()).empty());
}

// While it lives, files of this process cannot grow past limit bytes: a write beyond fails
// with EFBIG (the signal that would come with it is ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t oldHandler_ = SIG_DFL;
};

TEST(NewFile, AFailedWriteIsReportedAndLeavesNothingBehind) {
    QTemporaryDir directory;
    const std::string dir = directory.path().toStdString();
    NewFile written;
    {
        FileSizeLimit limit(100);
        written = WriteNewFile(dir, "a", ".jpg", std::string(5000, 'x'));
    }

    EXPECT_EQ(written.path, "");
    EXPECT_EQ(written.error, "File too large");
    EXPECT_TRUE(Entries(dir).empty());  // the temporary file is gone
}

TEST(NewFile, TheFileGetsTheModeOfANewFile) {
    QTemporaryDir directory;
    const NewFile written = WriteNewFile(directory.path().toStdString(), "a", ".jpg", "new");

    const auto permissions = QFileInfo(QString::fromStdString(written.path)).permissions();
    EXPECT_TRUE(permissions & QFileDevice::ReadOther);  // not mkstemp's private 0600
}

}  // namespace
}  // namespace dq
