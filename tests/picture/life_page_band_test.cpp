// The life page of the city in the web view, and its band in the exported picture.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QThread>

#include "picture/decoded_jpeg.h"
#include "picture_window_fixture.h"
#include "support/test_server.h"

namespace dq::testing {
namespace {

const QColor kBand(0x12, 0xA4, 0x56);

// White down to 334 px, the band of one colour from 334 to 409 px, blue below.
const char kLifePage[] =
    "<html><body style='margin:0'>"
    "<div style='height:334px;background:#ffffff'></div>"
    "<div style='height:75px;background:#12a456'></div>"
    "<div style='height:600px;background:#0000ff'></div>"
    "</body></html>";

// The page's pixel at (x, y) once the web view has painted it there, within ten seconds.
bool Painted(QWidget& page, QPoint at, const QColor& colour) {
    for (int tries = 0; tries < 200; ++tries) {
        if (NearColour(page.grab().toImage().pixelColor(at), colour)) return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(30);
    }
    return false;
}

TEST_F(PictureWindowTest, TheLifePageBandOfTheCityIsInTheExportedPicture) {
    TestServer site;
    site.on("/beijing/life.html", CannedResponse::Ok(kLifePage));
    open({}, site.port());
    window->show();
    QWidget* view = find<QWidget>("超文本浏览框1");
    ASSERT_NE(view, nullptr);
    QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));

    click("按钮2");

    ASSERT_TRUE(loaded.wait(30000));
    EXPECT_TRUE(loaded.at(0).at(0).toBool());
    ASSERT_FALSE(web->requested().empty());
    EXPECT_EQ(web->requested().front(), QUrl(QStringLiteral("https://www.tianqi.com/beijing/life.html")));
    // Inside 外形框1 at (63, 123): the band fills the frame's 75 px.
    QWidget* page = find<QWidget>("外形框_图片");
    ASSERT_TRUE(Painted(*page, {300, 160}, kBand));
    click("按钮1");
    ASSERT_EQ(pictures().size(), 1);
    const DecodedJpeg picture = DecodeJpegFile(picturePath(pictures()[0]));
    for (const QPoint at : {QPoint(70, 125), QPoint(300, 160), QPoint(630, 195)})
        EXPECT_TRUE(NearColour(picture.pixel(at.x(), at.y()), kBand)) << at.x() << "," << at.y();
    // Above and below the window onto the page, the band does not show.
    EXPECT_FALSE(NearColour(picture.pixel(300, 118), kBand));
    EXPECT_FALSE(NearColour(picture.pixel(300, 204), kBand));
}

}  // namespace
}  // namespace dq::testing
