// The engine host over real widgets: a skin reaches every window, open or opened later, and
// spares the widgets marked exempt; a skin that cannot be applied leaves the look as it was.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <functional>

#include "appearance/skin_test_helpers.h"
#include "appearance/skin_engine.h"
#include "appearance/skin_exempt.h"
#include "support/case_name.h"
#include "workbench/test_main_window_fixture.h"

namespace dq {
namespace {

using testing::BuiltInSheet;

constexpr int kDarkSkin = 16;

QImage Shot(QWidget& widget) { return widget.grab().toImage(); }

// A window with a label of its own and a page that must keep its look: the page carries its
// own style sheet (a white page, nothing about text), so without the exemption the skin's
// text colour would cascade onto the label on it.
struct PageWindow {
    QWidget window;
    QLabel* label = new QLabel(QStringLiteral("晨报 Morning"), &window);
    QFrame* page = new QFrame(&window);
    QLabel* onPage = new QLabel(QStringLiteral("晨报 Morning"), &window);

    explicit PageWindow(bool exempt) {
        window.resize(300, 120);
        label->setGeometry(10, 10, 120, 30);
        page->setGeometry(150, 0, 150, 120);
        page->setStyleSheet(QStringLiteral("QFrame { background-color: #ffffff; }"));
        if (exempt) SetSkinExempt(*page);
        window.show();
    }
    void putLabelOnPage() {
        onPage->setParent(page);
        onPage->setGeometry(10, 10, 120, 30);
        onPage->show();
    }
};

class SkinEngineTest : public testing::WidgetTest {
protected:
    testing::WithoutSkin withoutSkin_;
};

struct ExemptCase {
    const char* name;
    bool exemptFromTheStart;
    std::function<void(PageWindow&)> beforeSkin;
    std::function<void(PageWindow&)> afterSkin;
};

class ExemptPages : public SkinEngineTest, public ::testing::WithParamInterface<ExemptCase> {};

TEST_P(ExemptPages, KeepTheirLookWhileTheRestTakesTheSkin) {
    PageWindow plain(true);
    plain.putLabelOnPage();
    const QImage plainPage = Shot(*plain.page);
    const QImage plainLabel = Shot(*plain.label);

    PageWindow skinned(GetParam().exemptFromTheStart);
    GetParam().beforeSkin(skinned);
    ApplySkin(kDarkSkin);
    GetParam().afterSkin(skinned);

    EXPECT_NE(Shot(*skinned.label), plainLabel);
    EXPECT_EQ(Shot(*skinned.page), plainPage);
}

const auto kNothing = [](PageWindow&) {};

INSTANTIATE_TEST_SUITE_P(
    Ways, ExemptPages,
    ::testing::Values(
        ExemptCase{"ExemptFromTheStart", true, [](PageWindow& w) { w.putLabelOnPage(); }, kNothing},
        ExemptCase{"ExemptOnceSkinned", false, [](PageWindow& w) { w.putLabelOnPage(); },
                   [](PageWindow& w) { SetSkinExempt(*w.page); }},
        ExemptCase{"LabelMovedOntoThePageOnceSkinned", true, kNothing,
                   [](PageWindow& w) { w.putLabelOnPage(); }}),
    testing::CaseName<ExemptCase>);

TEST_F(SkinEngineTest, WindowsOpenedLaterCarryTheSkin) {
    QDialog before;
    before.resize(100, 60);
    before.show();
    const QColor plain = Shot(before).pixelColor(5, 5);
    ApplySkin(kDarkSkin);
    QDialog later;
    later.resize(100, 60);
    later.show();
    const QColor skinned = Shot(later).pixelColor(5, 5);
    EXPECT_NE(skinned, plain);
    EXPECT_EQ(Shot(before).pixelColor(5, 5), skinned);
}

TEST_F(SkinEngineTest, ASkinReplacesTheOneBefore) {
    ApplySkin(1);
    ApplySkin(kDarkSkin);
    EXPECT_EQ(qApp->styleSheet(), BuiltInSheet(kDarkSkin));
}

TEST_F(SkinEngineTest, NumbersOutsideTheStoreChangeNothing) {
    ApplySkin(kDarkSkin);
    for (const int number : {0, -1, 34}) {
        ApplySkin(number);
        EXPECT_EQ(qApp->styleSheet(), BuiltInSheet(kDarkSkin)) << number;
    }
}

TEST_F(SkinEngineTest, AMalformedSkinFileLeavesTheCurrentLook) {
    PageWindow window(false);
    ApplySkin(kDarkSkin);
    const QImage look = Shot(window.window);
    const std::string good = BuiltInSkin(1);
    const struct {
        const char* name;
        std::string file;
    } cases[] = {{"wrong mark", ".SKN" + good.substr(4)}, {"cut short", good.substr(0, good.size() / 2)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(SkinEngine::instance().attach(c.file));
        EXPECT_EQ(qApp->styleSheet(), BuiltInSheet(kDarkSkin));
        EXPECT_EQ(Shot(window.window), look);
    }
    EXPECT_TRUE(SkinEngine::instance().attach(good));
    EXPECT_NE(Shot(window.window), look);
}

}  // namespace
}  // namespace dq
