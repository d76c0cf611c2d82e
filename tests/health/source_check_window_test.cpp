#include "health/source_check_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <chrono>

#include "support/loopback_site.h"
#include "web/encoding.h"
#include "web/fetch_limits.h"
#include "workbench/control_names.h"
#include "workbench/test_main_window_fixture.h"

namespace dq {
namespace {

using testing::CannedResponse;

constexpr const char* kPortal = "www.chinanews.com.cn";

SourceToCheck At(const std::string& path, const char* name) {
    return {Utf8ToAnsi("频道新闻"), Utf8ToAnsi(name),
            {"https://" + std::string(kPortal) + path, NewsPattern(12), true, {}}, true};
}

class SourceCheckWindowTest : public testing::WidgetTest {
protected:
    SourceCheckWindowTest() {
        site.server.on(kPortal, "/good",
                       CannedResponse::Ok("<li><a href=\"/a\" target=\"_blank\">头条</a></li>"));
        site.server.on(kPortal, "/empty", CannedResponse::Ok("<p>nothing</p>"));
        site.server.on(kPortal, "/slow", CannedResponse::Silence());
    }

    static QString cell(const QTableWidget& table, int row, int column) {
        return table.item(row, column) ? table.item(row, column)->text() : QString();
    }

    testing::LoopbackSite site{{kPortal}};
    web::testing::ScopedFetchLimits limits{{std::chrono::milliseconds(1000), std::chrono::seconds(1),
                                            1u << 20}};
};

TEST_F(SourceCheckWindowTest, FillsTheTableAsResultsArriveWithoutHoldingUpTheWindow) {
    SourceCheckWindow window({At("/good", "好"), At("/empty", "空"), At("/slow", "慢")});
    QSignalSpy done(&window, &SourceCheckWindow::allChecked);
    // The constructor came back while a source still keeps its answer back.
    EXPECT_EQ(window.checkedCount(), 0u);
    auto& table = *window.findChild<QTableWidget*>(QStringLiteral("表格_信息源检测"));
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(cell(table, 0, 1), QStringLiteral("好"));

    // Results before the silent source's: the window took them while it waited.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.checkedCount() == 2; }, 5000));
    EXPECT_EQ(done.count(), 0);
    EXPECT_EQ(cell(table, 0, 3), QStringLiteral("200"));
    EXPECT_EQ(cell(table, 0, 6), QStringLiteral("1"));
    EXPECT_EQ(cell(table, 0, 7), QStringLiteral("头条"));
    EXPECT_EQ(cell(table, 1, 7), QStringLiteral("✗ 无匹配"));
    EXPECT_EQ(table.item(1, 7)->foreground().color(), QColor(Qt::red));
    EXPECT_NE(table.item(0, 7)->foreground().color(), QColor(Qt::red));

    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(cell(table, 2, 3), QStringLiteral("—"));  // no answer within the stall limit
    EXPECT_EQ(cell(table, 2, 7), QStringLiteral("✗ 无匹配"));
}

class SourceCheckMenuTest : public testing::MainWindowTest {
protected:
    // Routing a host confines the process to loopback: no check leaves the machine.
    testing::LoopbackSite site{{kPortal}};
};

TEST_F(SourceCheckMenuTest, TheToolsMenuOpensTheCheckOfEveryBuiltInAndTheChosenSource) {
    writePresets({{"信息源名称", "我的"}, {"信息源网址", "http://127.0.0.1:1/"}, {"信息源正则", "x"}});
    open();
    QAction* item = find<QAction>("信息源检测");
    ASSERT_NE(item, nullptr);
    item->trigger();
    auto* check = window->findChild<SourceCheckWindow*>();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isVisible());
    EXPECT_FALSE(check->isModal());
    auto& table = *check->findChild<QTableWidget*>(QStringLiteral("表格_信息源检测"));
    ASSERT_EQ(table.rowCount(), 40);
    EXPECT_EQ(table.item(39, 1)->text(), QStringLiteral("我的"));
    QSignalSpy done(check, &SourceCheckWindow::allChecked);
    ASSERT_TRUE(done.wait(20000));
    EXPECT_EQ(table.item(0, 7)->text(), QStringLiteral("✗ 无匹配"));  // unreachable here
    check->close();  // deleted on close
    QTest::qWait(50);
    EXPECT_EQ(window->findChild<SourceCheckWindow*>(), nullptr);
}

// Our tools share one menu beside 关于作者; nothing stands on the menu bar by itself.
TEST_F(SourceCheckMenuTest, OneToolsMenuHoldsBothToolsAndEachItemOpensItsWindow) {
    open();
    auto* tools = find<QMenu>(controls::kToolsMenu);
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->title(), QStringLiteral("工具"));
    QStringList bar;
    for (QAction* entry : window->menuBar()->actions())
        bar << (entry->menu() ? entry->menu()->objectName() : entry->objectName());
    EXPECT_EQ(bar, (QStringList{QStringLiteral("关于作者"), QStringLiteral("工具")}));
    QStringList items;
    for (QAction* item : tools->actions()) items << item->objectName() + "=" + item->text();
    ASSERT_EQ(items, (QStringList{QStringLiteral("信息源检测=信息源检测"),
                                  QStringLiteral("群机器人=群机器人")}));

    tools->actions()[1]->trigger();
    EXPECT_EQ(windows(), QStringList{QStringLiteral("群机器人窗口")});

    tools->actions()[0]->trigger();
    auto* check = window->findChild<SourceCheckWindow*>();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isVisible());
    QSignalSpy done(check, &SourceCheckWindow::allChecked);
    ASSERT_TRUE(done.wait(20000));
    check->close();
}

}  // namespace
}  // namespace dq
