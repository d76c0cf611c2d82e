// The export of a captured page: its name, its size, and what it leaves in the directory.
#include <gtest/gtest.h>

#include <ostream>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "picture/decoded_jpeg.h"
#include "picture/picture_export.h"
#include "picture/picture_texts.h"
#include "web/encoding.h"
#include "support/case_name.h"

namespace dq {
namespace {

QImage Page(int width, int height, QColor colour) {
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(colour);
    return page;
}

QStringList Entries(const QTemporaryDir& directory) {
    return QDir(directory.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

struct NameCase {
    const char* name;
    LocalDateTime moment;
    const char* file;
};

// Failures name the case, not its bytes.
void PrintTo(const NameCase& row, std::ostream* out) { *out << row.name; }

class PictureName : public ::testing::TestWithParam<NameCase> {};

TEST_P(PictureName, IsTheDateTimeTextOfTheMoment) {
    QTemporaryDir directory;

    const PictureExport exported = ExportPicture(Page(640, 800, Qt::white),
                                                 directory.path().toStdString(), GetParam().moment);

    EXPECT_EQ(exported.error, "");
    EXPECT_EQ(Entries(directory), QStringList{QString::fromUtf8(GetParam().file)});
}

INSTANTIATE_TEST_SUITE_P(
    Moments, PictureName,
    ::testing::Values(NameCase{"Seconds", {2024, 5, 6, 8, 5, 9}, "2024年5月6日8时5分9秒.jpg"},
                      NameCase{"FullHour", {2024, 5, 6, 8, 0, 0}, "2024年5月6日8时.jpg"},
                      NameCase{"Midnight", {2024, 5, 6, 0, 0, 0}, "2024年5月6日.jpg"}),
    testing::CaseName<NameCase>);

TEST(PictureExport, TwoExportsInOneSecondKeepBothPictures) {
    QTemporaryDir directory;
    const LocalDateTime moment{2024, 5, 6, 8, 5, 9};

    const PictureExport first =
        ExportPicture(Page(640, 800, Qt::red), directory.path().toStdString(), moment);
    const PictureExport second =
        ExportPicture(Page(640, 800, Qt::blue), directory.path().toStdString(), moment);

    EXPECT_EQ(Entries(directory), (QStringList{QStringLiteral("2024年5月6日8时5分9秒(2).jpg"),
                                               QStringLiteral("2024年5月6日8时5分9秒.jpg")}));
    EXPECT_TRUE(testing::NearColour(testing::DecodeJpegFile(first.path).pixel(5, 5), Qt::red));
    EXPECT_TRUE(testing::NearColour(testing::DecodeJpegFile(second.path).pixel(5, 5), Qt::blue));
}

TEST(PictureExport, APageOfAnotherSizeIsStretchedTo640By800) {
    QTemporaryDir directory;
    QImage page = Page(320, 500, Qt::white);
    page.setPixelColor(319, 499, Qt::black);  // the far corner stays the far corner

    const PictureExport exported =
        ExportPicture(page, directory.path().toStdString(), {2024, 5, 6, 8, 0, 0});

    const testing::DecodedJpeg decoded = testing::DecodeJpegFile(exported.path);
    EXPECT_EQ(decoded.width, 640);
    EXPECT_EQ(decoded.height, 800);
    EXPECT_TRUE(decoded.baseline);
    EXPECT_LT(decoded.pixel(639, 799).lightness(), 128);
    EXPECT_GT(decoded.pixel(320, 400).lightness(), 240);
}

TEST(PictureExport, ADirectoryThatCannotBeWrittenGivesTheNameAndTheReason) {
    QTemporaryDir directory;
    const std::string missing = directory.path().toStdString() + "/gone";

    const PictureExport exported =
        ExportPicture(Page(640, 800, Qt::white), missing, {2024, 5, 6, 8, 0, 0});

    EXPECT_EQ(exported.path, "");
    EXPECT_EQ(exported.wanted, missing + "/2024年5月6日8时.jpg");
    EXPECT_EQ(exported.error, "No such file or directory");
    EXPECT_TRUE(Entries(directory).isEmpty());
}

TEST(PictureFolderLabel, SaysRunDirectoryBesideTheProgramAndNamesTheFolderElsewhere) {
    EXPECT_EQ(picture_texts::FolderLabel(true, "/opt/dawnquill/bin"), Utf8ToAnsi("图片存在运行目录"));
    EXPECT_EQ(picture_texts::FolderLabel(false, "/home/li/.local/share/dawnquill"),
              Utf8ToAnsi("图片存在/home/li/.local/share/dawnquill"));
}

}  // namespace
}  // namespace dq
