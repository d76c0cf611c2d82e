// The picture window on the offscreen platform: its controls, the two previews, the QR
// picture, and the export checked in the JPEG it writes.
#include <gtest/gtest.h>

#include <ostream>

#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <fstream>
#include <iterator>

#include "appearance/skin_engine.h"
#include "content/weather.h"
#include "picture/decoded_jpeg.h"
#include "picture_window_fixture.h"
#include "support/case_name.h"
#include "support/loopback_site.h"

namespace dq::testing {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string BeijingPage() {
    return ReadFile(std::string(DQ_WEATHER_FIXTURES) + "/beijing.html");
}

const char kHint[] = "Pemmik提示：先预览图片-再生成";

struct Placement {
    const char* name;     // the role, naming the case
    const char* control;  // the objectName
    const char* parent;
    QRect geometry;
    const char* text;  // the initial text of a box or label, nullptr for none
};

// Failures name the case, not its bytes.
void PrintTo(const Placement& row, std::ostream* out) { *out << row.name; }

class PictureWindowControls : public PictureWindowTest,
                              public ::testing::WithParamInterface<Placement> {};

TEST_P(PictureWindowControls, SitWhereTheyBelongWithTheirInitialTexts) {
    open();
    const Placement& control = GetParam();

    QWidget* widget = find<QWidget>(control.control);

    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName(), Utf8(control.parent));
    EXPECT_EQ(widget->geometry(), control.geometry);
    if (!control.text) return;
    if (auto* box = qobject_cast<QTextEdit*>(widget)) {
        EXPECT_EQ(box->toPlainText(), Utf8(control.text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        EXPECT_EQ(button->text(), Utf8(control.text));
    } else {
        EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), Utf8(control.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureWindowControls,
    ::testing::Values(
        Placement{"Header", "超级编辑框_头部", "外形框_图片", {32, 26, 511, 61}, kHint},
        Placement{"WeatherBanner", "图片框3", "外形框_图片", {0, 72, 544, 62}, nullptr},
        Placement{"LifePageWindow", "外形框1", "外形框_图片", {63, 123, 816, 75}, nullptr},
        Placement{"LifePageView", "超文本浏览框1", "外形框1", {-4, -334, 688, 528}, nullptr},
        Placement{"NewsBanner", "图片框1", "外形框_图片", {0, 200, 520, 56}, nullptr},
        Placement{"News", "超级编辑框_新闻", "外形框_图片", {32, 256, 591, 526}, nullptr},
        Placement{"Qr", "图片框2", "外形框_图片", {487, 10, 136, 144}, nullptr},
        Placement{"StandardHeader", "超级编辑框_头部1", "外形框_图片1", {32, 21, 511, 167}, kHint},
        Placement{"StandardBanner", "图片框5", "外形框_图片1", {0, 92, 416, 62}, nullptr},
        Placement{"StandardWeather", "超级编辑框_天气1", "外形框_图片1", {32, 143, 440, 140},
                  "Pemmik提示：可以先天气预览"},
        Placement{"StandardNewsBanner", "图片框6", "外形框_图片1", {0, 252, 520, 56}, nullptr},
        Placement{"StandardNews", "超级编辑框_新闻1", "外形框_图片1", {32, 299, 591, 464}, nullptr},
        Placement{"StandardQr", "图片框4", "外形框_图片1", {487, 34, 145, 145}, nullptr}),
    CaseName<Placement>);

TEST_F(PictureWindowTest, HasItsButtonsLabelsTabsAndPages) {
    open();

    EXPECT_TRUE(window->windowTitle().startsWith(Utf8("Dawnquill 生成器")));
    EXPECT_EQ(find<QPushButton>("按钮2")->text(), Utf8("预览图片"));
    EXPECT_EQ(find<QLabel>("透明标签2")->text(), Utf8("先预览效果哦！"));
    EXPECT_EQ(find<QPushButton>("按钮1")->text(), Utf8("生成图片"));
    EXPECT_EQ(find<QLabel>("透明标签1")->text(), Utf8("图片存在运行目录"));
    EXPECT_EQ(find<QPushButton>("按钮_二维码")->text(), Utf8("二维码添加"));
    EXPECT_EQ(find<QLabel>("透明标签3")->text(), Utf8("图片尺寸145*145"));
    EXPECT_EQ(find<QPushButton>("按钮4")->text(), Utf8("关闭当前窗口"));
    EXPECT_EQ(find<QCheckBox>("选择框_发到群")->text(), Utf8("发到群"));
    EXPECT_FALSE(find<QCheckBox>("选择框_发到群")->isChecked());
    auto* tabs = find<QTabWidget>("高级选择夹_图片");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), Utf8("天气"));
    EXPECT_EQ(tabs->tabText(1), Utf8("标准天气"));
    EXPECT_EQ(tabs->tabText(2), Utf8("发生发射点发生"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(find<QWidget>("外形框_图片")->size(), QSize(640, 800));
    EXPECT_EQ(find<QWidget>("外形框_图片1")->size(), QSize(640, 800));
    EXPECT_TRUE(find<QLabel>("图片框2")->isHidden());
    EXPECT_TRUE(find<QLabel>("图片框4")->isHidden());
    EXPECT_EQ(find<QLabel>("图片框3")->pixmap().size(), QSize(390, 52));
    EXPECT_EQ(find<QLabel>("图片框5")->pixmap().size(), QSize(390, 52));
    EXPECT_EQ(find<QLabel>("图片框1")->pixmap().size(), QSize(560, 46));
    EXPECT_EQ(find<QLabel>("图片框6")->pixmap().size(), QSize(560, 46));
}

TEST_F(PictureWindowTest, TheCloseButtonClosesTheWindow) {
    open();
    window->show();

    click("按钮4");

    EXPECT_FALSE(window->isVisible());
}

// The character format of the box's first character.
QTextCharFormat FirstCharacterFormat(QTextEdit& box) {
    QTextCursor cursor(box.document());
    cursor.movePosition(QTextCursor::NextCharacter);
    return cursor.charFormat();
}

void ExpectPageFormat(QTextEdit& box) {
    const QTextCharFormat format = FirstCharacterFormat(box);
    EXPECT_EQ(format.fontPointSize(), 14);
    EXPECT_NEAR(format.baselineOffset(), 2.0 / 14 * 100, 1e-9);  // 2 pt of 14, in percent
    EXPECT_TRUE(format.fontFamilies().toStringList().startsWith(Utf8("宋体")));
    EXPECT_FALSE(format.fontItalic() || format.fontUnderline() || format.fontStrikeOut());
    EXPECT_NE(format.fontWeight(), QFont::Bold);
}

TEST_F(PictureWindowTest, PreviewOnTheWeatherPageFillsTheWeekLineAndTheNews) {
    state.weatherPage = Utf8ToAnsi(BeijingPage());
    mainForm.texts["编辑框_新闻"] = Utf8ToAnsi("1、头条新闻\r\n2、第二条");
    open();

    click("按钮2");

    auto* header = find<QTextEdit>("超级编辑框_头部");
    auto* news = find<QTextEdit>("超级编辑框_新闻");
    EXPECT_EQ(header->toPlainText(),
              Utf8("2026年12月11日　星期五　冬月十二\n━━━━━━━━━━━━━━"));
    EXPECT_EQ(news->toPlainText(), Utf8("1、头条新闻\n2、第二条"));
    ExpectPageFormat(*header);
    ExpectPageFormat(*news);
    // The standard page is not touched.
    EXPECT_EQ(find<QTextEdit>("超级编辑框_头部1")->toPlainText(), Utf8(kHint));
    EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(PictureWindowTest, PreviewOnTheStandardPageFillsHeaderWeatherAndNews) {
    LoopbackSite site({std::string(kWeatherSiteHost)});
    site.server.on(std::string(kWeatherSiteHost), "/beijing/", CannedResponse::Ok(BeijingPage()));
    state.weatherPage = Utf8ToAnsi(BeijingPage());
    mainForm.checks["单选框_晨报默认头部"] = true;
    mainForm.texts["编辑框_新闻"] = Utf8ToAnsi("1、头条新闻");
    open();
    choosePage(1);

    click("按钮2");

    EXPECT_EQ(find<QTextEdit>("超级编辑框_头部")->toPlainText(), "");
    EXPECT_EQ(find<QTextEdit>("超级编辑框_头部1")->toPlainText(),
              Utf8("12月11日北京早报\n2026年12月11日　星期五　冬月十二\n━━━━━━━━━━━━━━"));
    EXPECT_EQ(find<QTextEdit>("超级编辑框_天气1")->toPlainText(),
              Utf8("平均气温：3℃ 晴\n最低最高：-5 ~ 6℃\n湿度：30%风向：北风 2级紫外线：弱\n"
                   "━━━━━━━━━━━━━━\n"));
    EXPECT_EQ(find<QTextEdit>("超级编辑框_新闻1")->toPlainText(), Utf8("1、头条新闻"));
    for (const char* box : {"超级编辑框_头部1", "超级编辑框_天气1", "超级编辑框_新闻1"})
        ExpectPageFormat(*find<QTextEdit>(box));
    EXPECT_EQ(site.server.requests().size(), 1u);  // the range line fetches the page again
    EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(PictureWindowTest, OnTheThirdPagePreviewAndExportDoNothing) {
    mainForm.texts["编辑框_新闻"] = Utf8ToAnsi("1、头条新闻");
    open();
    choosePage(2);

    click("按钮2");
    click("按钮1");

    EXPECT_EQ(find<QTextEdit>("超级编辑框_头部")->toPlainText(), Utf8(kHint));
    EXPECT_EQ(find<QTextEdit>("超级编辑框_新闻")->toPlainText(), "");
    EXPECT_EQ(find<QTextEdit>("超级编辑框_头部1")->toPlainText(), Utf8(kHint));
    EXPECT_TRUE(pictures().isEmpty());
    EXPECT_TRUE(Dialogs::shown().empty());
}

// A QR picture file of one colour in the test's directory.
QString WriteQrFile(const QTemporaryDir& directory, const char* name, QColor colour) {
    QImage picture(145, 145, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = directory.filePath(Utf8(name));
    EXPECT_TRUE(picture.save(path, "JPG", 95));
    return path;
}

QColor PixmapColour(const QLabel& box) { return box.pixmap().toImage().pixelColor(70, 70); }

TEST_F(PictureWindowTest, TheQrPictureGoesIntoTheBoxOfTheCurrentPageAndShowsBothBoxes) {
    QTemporaryDir files;
    open();
    choosePage(1);
    Dialogs::setNextFileName(WriteQrFile(files, "qr.jpg", Qt::red));

    click("按钮_二维码");

    EXPECT_FALSE(find<QLabel>("图片框2")->isHidden());
    EXPECT_FALSE(find<QLabel>("图片框4")->isHidden());
    EXPECT_TRUE(find<QLabel>("图片框2")->pixmap().isNull());
    EXPECT_TRUE(NearColour(PixmapColour(*find<QLabel>("图片框4")), Qt::red));
}

TEST_F(PictureWindowTest, CancellingTheQrDialogLoadsTheLastChoiceAgain) {
    QTemporaryDir files;
    open();
    Dialogs::setNextFileName(WriteQrFile(files, "qr.jpg", Qt::red));
    click("按钮_二维码");
    choosePage(1);

    click("按钮_二维码");  // cancelled: no name given

    EXPECT_TRUE(NearColour(PixmapColour(*find<QLabel>("图片框4")), Qt::red));
}

TEST_F(PictureWindowTest, CancellingTheQrDialogBeforeAnyChoiceClearsTheBox) {
    open();

    click("按钮_二维码");

    EXPECT_FALSE(find<QLabel>("图片框2")->isHidden());
    EXPECT_TRUE(find<QLabel>("图片框2")->pixmap().isNull());
}

TEST_F(PictureWindowTest, OnTheThirdPageTheQrButtonOnlyShowsTheBoxes) {
    open();
    choosePage(2);

    click("按钮_二维码");

    EXPECT_FALSE(find<QLabel>("图片框2")->isHidden());
    EXPECT_FALSE(find<QLabel>("图片框4")->isHidden());
    EXPECT_TRUE(Dialogs::shown().empty());  // no file dialog
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// Presses the left button at grip inside box, moves by offset, releases.
void Drag(QWidget& box, QPoint grip, QPoint offset) {
    SendMouse(box, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    SendMouse(box, QEvent::MouseMove, grip + offset, Qt::NoButton, Qt::LeftButton);
    SendMouse(box, QEvent::MouseButtonRelease, grip, Qt::LeftButton, Qt::NoButton);
}

TEST_F(PictureWindowTest, ADraggedQrPictureAppearsAtItsPlaceInTheExportedPicture) {
    QTemporaryDir files;
    open();
    window->show();
    Dialogs::setNextFileName(WriteQrFile(files, "qr.jpg", QColor(0xD0, 0x20, 0x90)));
    click("按钮_二维码");
    auto* qr = find<QLabel>("图片框2");

    Drag(*qr, {20, 20}, {-300, 400});  // from (487, 10) to (187, 410)

    EXPECT_EQ(qr->pos(), QPoint(187, 410));
    click("按钮1");
    ASSERT_EQ(pictures().size(), 1);
    const DecodedJpeg picture = DecodeJpegFile(picturePath(pictures()[0]));
    EXPECT_TRUE(NearColour(picture.pixel(187 + 60, 410 + 60), QColor(0xD0, 0x20, 0x90)));
    EXPECT_FALSE(NearColour(picture.pixel(487 + 60, 10 + 60), QColor(0xD0, 0x20, 0x90)));
}

TEST_F(PictureWindowTest, TheQrBoxCannotBeDraggedOutOfItsPage) {
    open();
    click("按钮_二维码");
    auto* qr = find<QLabel>("图片框2");

    Drag(*qr, {10, 10}, {5000, -5000});
    EXPECT_EQ(qr->pos(), QPoint(640 - 136, 0));
    SendMouse(*qr, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
    SendMouse(*qr, QEvent::MouseMove, {-400, 300}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(qr->pos(), QPoint(640 - 136, 0));  // only the left button drags
}

TEST_F(PictureWindowTest, ExportWritesA640By800BaselineJpegNamedByTheMoment) {
    open();
    window->show();

    click("按钮1");

    EXPECT_EQ(pictures(), QStringList{Utf8("2024年5月6日8时5分9秒.jpg")});
    const DecodedJpeg picture = DecodeJpegFile(picturePath(pictures()[0]));
    EXPECT_EQ(picture.width, 640);
    EXPECT_EQ(picture.height, 800);
    EXPECT_EQ(picture.components, 3);
    EXPECT_TRUE(picture.baseline);
    EXPECT_TRUE(NearColour(picture.pixel(10, 790), Qt::white));  // the page is white paper
    ASSERT_EQ(Dialogs::shown().size(), 1u);
    EXPECT_EQ(Dialogs::shown()[0].window, QStringLiteral("SuccessWindow"));
}

TEST_F(PictureWindowTest, APageShownSmallerIsStillExportedAt640By800) {
    open();
    window->show();
    choosePage(1);
    find<QWidget>("外形框_图片1")->resize(400, 500);

    click("按钮1");

    ASSERT_EQ(pictures().size(), 1);
    const DecodedJpeg picture = DecodeJpegFile(picturePath(pictures()[0]));
    EXPECT_EQ(picture.width, 640);
    EXPECT_EQ(picture.height, 800);
}

TEST_F(PictureWindowTest, TwoExportsInOneSecondKeepBothPicturesAndLeaveNothingElse) {
    open();
    window->show();

    click("按钮1");
    click("按钮1");

    EXPECT_EQ(pictures(), (QStringList{Utf8("2024年5月6日8时5分9秒(2).jpg"),
                                       Utf8("2024年5月6日8时5分9秒.jpg")}));
    EXPECT_EQ(Dialogs::shown().size(), 2u);
}

TEST_F(PictureWindowTest, ADirectoryThatCannotBeWrittenShowsTheErrorAndNoSuccess) {
    const std::string missing = directory.path().toStdString() + "/gone";
    open(missing);
    window->show();

    click("按钮1");

    ASSERT_EQ(Dialogs::shown().size(), 1u);
    const Dialogs::Shown& box = Dialogs::shown()[0];
    EXPECT_EQ(box.kind, Dialogs::Shown::Kind::MessageBox);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.text, QString::fromStdString("图片没有生成：" + missing +
                                               "/2024年5月6日8时5分9秒.jpg\r\n原因：No such file or directory"));
    EXPECT_TRUE(pictures().isEmpty());
}

TEST_F(PictureWindowTest, TheExportedPictureIsTheSameWhateverTheSkin) {
    mainForm.texts["编辑框_新闻"] = Utf8ToAnsi("1、头条新闻");
    open();
    window->show();
    click("按钮2");
    click("按钮1");
    moment.second = 10;

    ApplySkin(16);  // 简约黑: dark windows, light text
    QCoreApplication::processEvents();
    click("按钮1");

    ASSERT_EQ(pictures().size(), 2);
    EXPECT_EQ(ReadFile(picturePath(pictures()[0])), ReadFile(picturePath(pictures()[1])));
    // The skin did reach the window's own controls.
    EXPECT_EQ(find<QPushButton>("按钮1")->property("dqSkinned").toBool(), true);
}

}  // namespace
}  // namespace dq::testing
