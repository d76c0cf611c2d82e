// The skin of the main window: the saved choice applied at start, a choice in 皮肤_组合框
// applied at once without being saved, and the windows it opens drawn in the same skin.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QtTest/QTest>

#include "appearance/skin_test_helpers.h"
#include "support/case_name.h"
#include "test_main_window_fixture.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::BuiltInSheet;

class MainWindowSkins : public testing::MainWindowTest {
protected:
    QComboBox* combo() const { return find<QComboBox>(controls::kSkinChoice); }

    testing::WithoutSkin withoutSkin_;
};

struct StartCase {
    const char* name;
    const char* saved;  // the preset "皮肤"; nullptr for none
    int skin;           // the skin applied; 0 for none
    const char* shown;  // the combo's text
};

class SavedSkin : public MainWindowSkins, public ::testing::WithParamInterface<StartCase> {};

TEST_P(SavedSkin, IsAppliedAtStartAndShownInTheCombo) {
    const StartCase& c = GetParam();
    if (c.saved) writePresets({{"皮肤", c.saved}, {"天气开关", "真"}});
    open();
    EXPECT_EQ(qApp->styleSheet(), c.skin ? BuiltInSheet(c.skin) : QString());
    EXPECT_EQ(combo()->currentText(), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Presets, SavedSkin,
                         ::testing::Values(StartCase{"NoPresetFile", nullptr, 1, "大海蓝色（系统默认）"},
                                           StartCase{"SoftRed", "1", 3, "少女红（女士最爱）"},
                                           StartCase{"Dark", "3", 16, "简约黑"},
                                           StartCase{"Platform", "5", 30, "win系统"},
                                           StartCase{"PastTheList", "6", 0, ""},
                                           StartCase{"NothingSelected", "-1", 0, ""}),
                         testing::CaseName<StartCase>);

TEST_F(MainWindowSkins, AChoiceAppliesAtOnceAndIsNotSaved) {
    writePresets({{"皮肤", "3"}, {"天气开关", "真"}});
    open();
    QFile presets(presetPath());
    ASSERT_TRUE(presets.open(QIODevice::ReadOnly));
    const QByteArray saved = presets.readAll();
    presets.close();

    // Two steps up from 简约黑 by keyboard, as a user would: 简约蓝, then 少女红（女士最爱）.
    combo()->setFocus();
    QTest::keyClick(combo(), Qt::Key_Up);
    EXPECT_EQ(qApp->styleSheet(), BuiltInSheet(15));
    QTest::keyClick(combo(), Qt::Key_Up);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("少女红（女士最爱）"));
    EXPECT_EQ(qApp->styleSheet(), BuiltInSheet(3));

    ASSERT_TRUE(presets.open(QIODevice::ReadOnly));
    EXPECT_EQ(presets.readAll(), saved);
    open();  // a restart without saving: the saved skin comes back
    EXPECT_EQ(qApp->styleSheet(), BuiltInSheet(16));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("简约黑"));
}

TEST_F(MainWindowSkins, TheSuccessWindowCarriesTheSkin) {
    writePresets({{"皮肤", "3"}, {"天气开关", "真"}});
    open();
    QImage success;
    Dialogs::setWindowHandler([&](QDialog& opened) {
        opened.show();
        success = opened.grab().toImage();
        return QDialog::Accepted;
    });
    find<QPushButton>("按钮5")->click();
    ASSERT_EQ(windows(), QStringList{QStringLiteral("SuccessWindow")});
    ASSERT_FALSE(success.isNull());

    // Left of every group box both windows show their bare background.
    const QImage main = window->grab().toImage();
    const QColor mainBackground = main.pixelColor(4, 300);
    EXPECT_EQ(success.pixelColor(2, 100), mainBackground);
    qApp->setStyleSheet(QString());
    EXPECT_NE(window->grab().toImage().pixelColor(4, 300), mainBackground);
}

}  // namespace
}  // namespace dq
