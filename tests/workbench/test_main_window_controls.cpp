// The controls of the main window: kind, parent, place and caption of each, the pages of the
// news tab control and the design states the creation sequence leaves alone.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "test_main_window_fixture.h"

namespace dq {
namespace {

struct Control {
    const char* name;
    const char* kind;       // the widget class
    const char* parent;     // objectName of the parent widget
    QRect place;            // empty: the place is not fixed
    const char16_t* caption;  // null: not checked here
};

constexpr const char* kWindow = "centralwidget";
constexpr const char* kPage0 = "选择夹页_频道新闻";
constexpr const char* kPage1 = "选择夹页_网站热搜";
constexpr const char* kPage2 = "选择夹页_本地新闻";
constexpr const char* kPage3 = "选择夹页_自定义信息源";

const Control kControls[] = {
    {"分组框1", "QGroupBox", kWindow, {11, 8, 464, 72}, u"天气情况"},
    {"分组框3", "QGroupBox", kWindow, {11, 250, 464, 120}, u"每日寄语"},
    {"分组框5", "QGroupBox", kWindow, {11, 377, 464, 45}, u"设置"},
    {"分组框6", "QGroupBox", kWindow, {11, 415, 464, 45}, u""},
    {"分组框2", "QGroupBox", kWindow, {12, 453, 464, 45}, u""},
    {"分组框7", "QGroupBox", kWindow, {288, 453, 187, 45}, u""},
    {"分组框4", "QGroupBox", kWindow, {483, 8, 333, 534}, u"预览"},
    {"高级选择夹_新闻", "QTabWidget", kWindow, {12, 93, 380, 136}, nullptr},
    {"透明标签8", "QLabel", kWindow, {398, 111, 32, 24}, u"条数:"},
    {"组合框_新闻条数", "QComboBox", kWindow, {432, 114, 42, 20}, nullptr},
    {"新闻预览", "QPushButton", kWindow, {404, 149, 64, 32}, u"新闻预览"},
    {"按钮_保存", "QPushButton", kWindow, {11, 506, 80, 32}, u"保存预设"},
    {"一键生成", "QPushButton", kWindow, {205, 504, 80, 32}, u"一键生成"},
    {"更换背景", "QPushButton", kWindow, {395, 503, 80, 32}, u"图片功能"},
    {"选择框_开启网址", "QCheckBox", kWindow, {832, 14, 128, 24}, u"是否开启网址链接"},
    {"选择框_开启短链", "QCheckBox", kWindow, {833, 48, 136, 24}, u"是否开启超级短链"},
    {"透明标签7", "QLabel", kWindow, {829, 74, 184, 24}, u"注:开启短链后选择接口"},
    {"按钮_获取接口", "QPushButton", kWindow, {829, 97, 144, 32}, u"获取接口"},
    {"标签_接口数量", "QLabel", kWindow, {831, 132, 144, 16}, u"短链接口状态"},
    {"超级列表框_接口列表", "QTreeWidget", kWindow, {829, 149, 144, 248}, nullptr},
    {"图片框2", "QLabel", kWindow, {823, 400, 157, 141}, nullptr},
    {"分隔条1", "QFrame", kWindow, {-8, 541, 1000, 35}, nullptr},
    {"标签2", "QLabel", kWindow, {853, 544, 115, 24}, nullptr},
    {"透明标签1", "QLabel", "分组框1", {26, 31, 72, 24}, u"省、市、县"},
    {"城镇", "QLineEdit", "分组框1", {113, 31, 172, 25}, nullptr},
    {"天气预览", "QPushButton", "分组框1", {392, 22, 64, 32}, u"天气预览"},
    {"编辑框_寄语", "QPlainTextEdit", "分组框3", {21, 19, 336, 47}, nullptr},
    {"励志_单选", "QRadioButton", "分组框3", {21, 73, 56, 20}, u"励志库"},
    {"道德经_单选", "QRadioButton", "分组框3", {110, 74, 70, 20}, u"道德经"},
    {"名言库_单选", "QRadioButton", "分组框3", {200, 75, 69, 20}, u"名言库"},
    {"寄语随即查看", "QPushButton", "分组框3", {294, 76, 64, 32}, u"随机查看"},
    {"寄语预览", "QPushButton", "分组框3", {389, 44, 63, 32}, u"寄语预览"},
    {"透明标签2", "QLabel", "分组框3", {27, 96, 264, 16}, u"每日寄语内容默认为空，可以自定义自己的尾巴"},
    {"透明标签3", "QLabel", "分组框5", {21, 14, 88, 20}, u"晨报头部："},
    {"单选框_晨报默认头部", "QRadioButton", "分组框5", {105, 15, 75, 20}, u"默认头部"},
    {"单选框_晨报自定义头部", "QRadioButton", "分组框5", {200, 16, 80, 20}, u"晨报头部"},
    {"自定义头部", "QLineEdit", "分组框5", {294, 14, 152, 20}, nullptr},
    {"透明标签4", "QLabel", "分组框6", {21, 16, 88, 20}, u"寄语头部："},
    {"单选框_寄语默认头部", "QRadioButton", "分组框6", {105, 17, 75, 20}, u"默认头部"},
    {"单选框_寄语自定义头部", "QRadioButton", "分组框6", {200, 18, 80, 20}, u"寄语头部"},
    {"编辑框_寄语头部", "QLineEdit", "分组框6", {294, 14, 152, 20}, nullptr},
    {"透明标签6", "QLabel", "分组框2", {21, 16, 64, 16}, u"天气开关："},
    {"单选框_天气开", "QRadioButton", "分组框2", {105, 17, 32, 16}, u"开"},
    {"单选框_天气关", "QRadioButton", "分组框2", {200, 16, 32, 16}, u"关"},
    {"透明标签5", "QLabel", "分组框7", {13, 11, 53, 25}, u"软件皮肤："},
    {"皮肤_组合框", "QComboBox", "分组框7", {76, 15, 105, 20}, nullptr},
    {"透明标签10", "QLabel", "分组框4", {61, 509, 192, 16}, u"如果新闻显示不全，滑动鼠标滑轮"},
    {"图片框1", "QLabel", "分组框4", {24, 22, 306, 488}, nullptr},
    {"编辑框_天气", "QPlainTextEdit", "图片框1", {16, 19, 226, 143}, u"Dawnquill头部"},
    {"编辑框_新闻", "QPlainTextEdit", "图片框1", {16, 146, 226, 325},
     u"Dawnquill提示：确认好新闻条数-选择新闻类别-再点新闻预览"},
    {"标签1", "QLabel", "图片框1", {264, 10, 36, 40}, u"晨报"},
    {"按钮5", "QPushButton", "图片框1", {262, 62, 39, 32}, u"复制"},
    {"按钮1", "QPushButton", "图片框1", {262, 118, 39, 32}, u"清空"},
    {"按钮_发送到群", "QPushButton", "图片框1", {258, 174, 46, 32}, u"发送到群"},
    {"透明标签9", "QLabel", kPage2, {70, 67, 272, 48}, u"需要添加本地新闻咨询、论坛留言"},
    {"单选框_石家庄", "QRadioButton", kPage2, {}, u"最美国际庄（石家庄）仅用于测试"},
    {"单选框_德阳", "QRadioButton", kPage2, {}, u"德阳"},
    {"单选框_成都", "QRadioButton", kPage2, {}, u"成都"},
    {"单选框_兴华", "QRadioButton", kPage2, {}, u"兴华市政府"},
    {"透明标签12", "QLabel", kPage3, {}, u"编码模式："},
    {"单选框_utf8", "QRadioButton", kPage3, {}, u"utf8"},
    {"单选框_gb2312", "QRadioButton", kPage3, {}, u"gb2312"},
    {"透明标签11", "QLabel", kPage3, {}, u"拼接网址："},
    {"编辑框_拼接网址", "QLineEdit", kPage3, {}, u""},
    {"按钮_信息源管理", "QPushButton", kPage3, {}, u"信息源设置"},
    {"透明标签_当前信息源", "QLabel", kPage3, {}, nullptr},
};

QString CaptionOf(const QWidget& w) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&w)) return group->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(&w)) return edit->text();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(&w)) return plain->toPlainText();
    return {};
}

class MainWindowControls : public testing::MainWindowTest {
protected:
    // The weather on keeps the design layout and the design text of the weather box.
    void SetUp() override {
        MainWindowTest::SetUp();
        writePresets({{"天气开关", "真"}});
        open();
    }
};

TEST_F(MainWindowControls, EveryControlHasItsKindParentPlaceAndCaption) {
    for (const Control& c : kControls) {
        SCOPED_TRACE(c.name);
        QWidget* w = find<QWidget>(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), c.kind);
        ASSERT_NE(w->parentWidget(), nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromUtf8(c.parent));
        if (!c.place.isNull()) {
            EXPECT_EQ(w->geometry(), c.place);
        }
        if (c.caption != nullptr) {
            EXPECT_EQ(CaptionOf(*w), QString::fromUtf16(c.caption));
        }
    }
}

TEST_F(MainWindowControls, WindowHasItsSizeCaptionAndMenu) {
    EXPECT_EQ(window->size(), QSize(994, 622));
    EXPECT_EQ(window->pos(), QPoint(50, 50));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Dawnquill v终版")));
    EXPECT_GT(window->windowTitle().size(), QStringLiteral("Dawnquill v终版").size());
    auto* menu = find<QMenu>("关于作者");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("关于作者"));
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->objectName(), QStringLiteral("作者"));
    EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("作者"));
    EXPECT_TRUE(window->menuBar()->actions().contains(menu->menuAction()));
}

TEST_F(MainWindowControls, PicturesAreLoadedAndPreviewBoxesHaveNoScrollBars) {
    for (const char* name : {"图片框1", "图片框2"}) {
        auto* picture = find<QLabel>(name);
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_FALSE(picture->pixmap().isNull()) << name;
    }
    for (const char* name : {"编辑框_天气", "编辑框_新闻"}) {
        auto* box = find<QPlainTextEdit>(name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << name;
        EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << name;
    }
}

TEST_F(MainWindowControls, ComboBoxesHoldTheirItems) {
    const struct {
        const char* name;
        QStringList items;
    } combos[] = {
        {"组合框_新闻条数", {"5", "6", "7", "8", "9", "10", "11", "12"}},
        {"皮肤_组合框",
         {QStringLiteral("大海蓝色（系统默认）"), QStringLiteral("少女红（女士最爱）"),
          QStringLiteral("简约蓝"), QStringLiteral("简约黑"), QStringLiteral("简约白"),
          QStringLiteral("win系统")}},
    };
    for (const auto& c : combos) {
        auto* combo = find<QComboBox>(c.name);
        ASSERT_NE(combo, nullptr) << c.name;
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        EXPECT_EQ(items, c.items) << c.name;
    }
}

TEST_F(MainWindowControls, InterfaceListHasSevenColumnsOfWhichTwoShow) {
    auto* list = find<QTreeWidget>("超级列表框_接口列表");
    ASSERT_NE(list, nullptr);
    const QStringList headers = {"序号", "短网址", "类型", "作者", "版本", "数据", "接口地址"};
    ASSERT_EQ(list->columnCount(), headers.size());
    for (int column = 0; column < list->columnCount(); ++column) {
        EXPECT_EQ(list->headerItem()->text(column), headers[column]);
        EXPECT_EQ(list->isColumnHidden(column), column >= 2) << column;
    }
    EXPECT_EQ(list->columnWidth(0), 40);
    EXPECT_EQ(list->columnWidth(1), 103);
    EXPECT_FALSE(list->rootIsDecorated());
}

TEST_F(MainWindowControls, NewsPagesHoldTheirRadioButtonsInOrder) {
    auto* tabs = find<QTabWidget>("高级选择夹_新闻");
    ASSERT_NE(tabs, nullptr);
    const struct {
        const char16_t* title;
        const char* page;
        QStringList radios;
    } pages[] = {
        {u"  频道新闻  ", kPage0,
         {"旅游", "教育", "食品", "能源", "综合", "体育", "娱乐", "医药", "科技", "国内", "国际",
          "游戏", "汽车", "安全", "女人", "军事", "财经", "房产"}},
        {u"  网站热搜 ", kPage1,
         {"吾爱破解", "虎扑社区", "CSDN论坛", "IT之家", "汽车之家", "小红书", "豆瓣电影",
          "今日头条", "天涯", "抖音", "虎嗅", "36氪", "网易", "哔哩", "澎湃", "微博", "微信",
          "知乎"}},
        {u"  本地新闻  ", kPage2, {"石家庄", "德阳", "成都", "兴华"}},
        {u"  自定义信息源  ", kPage3, {"utf8", "gb2312"}},
    };
    ASSERT_EQ(tabs->count(), 4);
    for (int index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(tabs->tabText(index), QString::fromUtf16(pages[index].title));
        QWidget* page = tabs->widget(index);
        EXPECT_EQ(page->objectName(), QString::fromUtf8(pages[index].page));
        QStringList radios;
        for (auto* radio : page->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            radios << radio->objectName().mid(QStringLiteral("单选框_").size());
        }
        EXPECT_EQ(radios, pages[index].radios);
    }
    // On the channel and hot-list pages every radio button shows its own name.
    for (const char* page : {kPage0, kPage1}) {
        for (auto* radio : find<QWidget>(page)->findChildren<QRadioButton*>()) {
            EXPECT_EQ(QStringLiteral("单选框_") + radio->text(), radio->objectName());
        }
    }
}

TEST_F(MainWindowControls, DesignStatesSurviveTheCreationSequence) {
    for (const char* name : {"单选框_德阳", "单选框_成都", "单选框_兴华"}) {
        EXPECT_TRUE(find<QWidget>(name)->isHidden()) << name;
    }
    EXPECT_TRUE(find<QRadioButton>("励志_单选")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("道德经_单选")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("名言库_单选")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("单选框_utf8")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("单选框_gb2312")->isChecked());
}

// Radio buttons in one group box exclude each other when the user clicks them.
TEST_F(MainWindowControls, RadioButtonsOfAGroupExcludeEachOther) {
    const std::vector<std::vector<const char*>> groups = {
        {"励志_单选", "道德经_单选", "名言库_单选"},
        {"单选框_晨报默认头部", "单选框_晨报自定义头部"},
        {"单选框_寄语默认头部", "单选框_寄语自定义头部"},
        {"单选框_天气开", "单选框_天气关"},
    };
    for (const auto& group : groups) {
        for (const char* clicked : group) {
            find<QRadioButton>(clicked)->click();
            for (const char* other : group) {
                EXPECT_EQ(find<QRadioButton>(other)->isChecked(), other == clicked)
                    << clicked << " / " << other;
            }
        }
    }
}

}  // namespace
}  // namespace dq
