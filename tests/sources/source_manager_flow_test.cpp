// The source manager from the main window: a source added and chosen there is what the
// custom-source page scrapes, also after a restart; and the pattern test of the add window.
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "source_windows_fixture.h"
#include "support/loopback_site.h"
#include "web/fetch_limits.h"
#include "web/gbk_literal.h"
#include "workbench/message_texts.h"

namespace dq {
namespace {

using namespace dq::literals;
using testing::AddStep;
using testing::CannedResponse;
using testing::Child;
using testing::Click;
using testing::ClickStep;
using testing::Gbk;
using testing::Type;
using testing::WindowStep;

constexpr char kHost[] = "news.example.cn";
// Anchors with the link in group 1 and the title in group 2, "#引号" for each double quote.
constexpr char kPattern[] = "<a href=#引号(.*?)#引号>(.*?)</a>";

std::string HeadlinesPage(int count) {
    std::string page = "<html><body><ul>";
    for (int i = 1; i <= count; ++i) {
        page += "<li><a href=\"/n" + std::to_string(i) + ".html\">头条" + std::to_string(i) +
                "</a></li>";
    }
    return page + "</ul></body></html>";
}

// The manager step of the main-window tests: windows are told apart by their objectName.
class SourcesFromMainWindow : public testing::MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        testing::PlayWindowSteps(steps);
        writePresets({{"天气开关", "真"}, {"头部", "晨报头"}, {"新闻条数选", "5"}});
    }

    std::string databasePath() const { return directory.path().toStdString() + "/Sorvane.db"; }
    QString text(const char* control) const { return ToQString(form->text(control)); }

    std::deque<WindowStep> steps;
};

WindowStep ChooseLastRowStep() {
    return [](QDialog& window) {
        auto* list = Child<QTreeWidget>(window, controls::kSourceList);
        QTreeWidgetItem* last = list->topLevelItem(list->topLevelItemCount() - 1);
        const QRect row = list->visualItemRect(last);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        return window.result();
    };
}

TEST_F(SourcesFromMainWindow, ChosenSourceIsScrapedAlsoAfterARestart) {
    testing::LoopbackSite site({kHost});
    site.server.on(kHost, "/list.html", CannedResponse::Ok(HeadlinesPage(6)));
    open();
    ASSERT_FALSE(std::filesystem::exists(databasePath()));

    const Text address = "http://" + std::string(kHost) + "/list.html";
    steps.push_back([&](QDialog& manager) {
        EXPECT_EQ(manager.windowTitle(), QStringLiteral("新闻信息源添加"));
        steps.push_back(AddStep(Gbk("本地新闻"), address, Gbk(kPattern)));
        Click(manager, controls::kSourceAddButton);
        return ChooseLastRowStep()(manager);
    });
    find<QAbstractButton>("按钮_信息源管理")->click();
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(std::filesystem::exists(databasePath()));  // created on first use
    EXPECT_EQ(text("透明标签_当前信息源"), QStringLiteral("当前选择：本地新闻"));

    open();  // a restart
    EXPECT_EQ(text("透明标签_当前信息源"), QStringLiteral("当前选择：本地新闻"));
    find<QTabWidget>("高级选择夹_新闻")->setCurrentIndex(3);
    find<QAbstractButton>("单选框_utf8")->click();
    find<QAbstractButton>("新闻预览")->click();
    EXPECT_EQ(form->text("编辑框_新闻"),
              Gbk("1.头条1\r\n2.头条2\r\n3.头条3\r\n4.头条4\r\n5.头条5\r\n"));
    ASSERT_FALSE(site.server.requests().empty());
    EXPECT_EQ(site.server.lastRequest().target, "/list.html");
}

// A database file that cannot be opened: the user is told which file and why, once; the list
// stays empty and an add fails; nothing breaks.
TEST_F(SourcesFromMainWindow, UnopenableDatabaseIsNamedOnceAndChangesFail) {
    open();
    std::filesystem::create_directory(databasePath());  // a directory where the file belongs
    Dialogs::clearShown();
    steps.push_back([&](QDialog& manager) {
        EXPECT_EQ(Child<QTreeWidget>(manager, controls::kSourceList)->topLevelItemCount(), 0);
        steps.push_back([](QDialog& add) {
            AddStep("a", "http://a/", "p")(add);
            return ClickStep(controls::kAddCancel)(add);
        });
        Click(manager, controls::kSourceAddButton);
        return static_cast<int>(QDialog::Rejected);
    });
    find<QAbstractButton>("按钮_信息源管理")->click();
    const QStringList shown = messages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("信息源数据库打不开：")));
    EXPECT_TRUE(shown[0].contains(QString::fromStdString(databasePath())));
    EXPECT_EQ(shown[1], QStringLiteral("添加失败"));
    EXPECT_EQ(text("透明标签_当前信息源"), QStringLiteral("当前选择："));
}

// The 测试 button of the add window against a loopback page: the outcome shows in the window,
// and nothing is stored.
class PatternTest : public testing::SourceWindowsTest {
  protected:
    // Types address and pattern into the add window, clicks 测试 and cancels the window.
    Text tryInAddWindow(const Text& page, const Text& pattern) {
        Text outcome;
        steps.push_back([&](QDialog& window) {
            Type(window, controls::kAddAddress, page);
            Type(window, controls::kAddPattern, pattern);
            Click(window, controls::kPatternTestButton);
            outcome = TextFromQString(
                Child<QPlainTextEdit>(window, controls::kPatternTestResult)->toPlainText());
            return ClickStep(controls::kAddCancel)(window);
        });
        Click(*manager, controls::kSourceAddButton);
        return outcome;
    }

    testing::LoopbackSite site{{kHost}};
    const Text pageAddress = "http://" + std::string(kHost) + "/list.html";
};

TEST_F(PatternTest, ShowsTheMatchCountAndTheFirstThreeHeadlines) {
    site.server.on(kHost, "/list.html", CannedResponse::Ok(Utf8ToAnsi(HeadlinesPage(5))));
    mainForm.setChecked(controls::kSourceIsUtf8, false);  // the page is GBK
    const struct {
        const char* name;
        bool linksOn;
        const char* pattern;
        const char* outcome;  // line breaks as the box shows them
    } cases[] = {
        {"titles", false, kPattern, "匹配数量：5\n1.头条1\n2.头条2\n3.头条3\n"},
        {"with links", true, kPattern,
         "匹配数量：5\n1.头条1\nhttp://base/n1.html\n2.头条2\nhttp://base/n2.html\n3.头条3\n"
         "http://base/n3.html\n"},
        {"fewer than three", false, "<a href=#引号/n[45].html#引号>(头条.)</a>",
         "匹配数量：2\n1.\n2.\n"},
        {"no valid pattern", false, "(", "正则创建失败，请检查正则表达式语句是否有误！"},
        {"nothing found", false, "<b>(.*?)</b>", "匹配失败，请检检查正则语句是否有误，数量：0"},
    };
    mainForm.setText(controls::kLinkBase, "http://base");
    for (const auto& c : cases) {
        mainForm.setChecked(controls::kLinksOn, c.linksOn);
        openManager();
        EXPECT_EQ(AnsiToUtf8(tryInAddWindow(pageAddress, Gbk(c.pattern))), c.outcome) << c.name;
    }
    EXPECT_TRUE(stored().empty());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(PatternTest, ConvertsAUtf8PageAsTheCustomPageWould) {
    site.server.on(kHost, "/list.html", CannedResponse::Ok(HeadlinesPage(1)));
    mainForm.setChecked(controls::kSourceIsUtf8, true);
    openManager();
    EXPECT_EQ(AnsiToUtf8(tryInAddWindow(pageAddress, Gbk(kPattern))), "匹配数量：1\n1.头条1\n");
}

// A server that accepts the request and never answers: the test gives up at the trial's time
// bound (shortened here), not at the far longer stall limit.
TEST_F(PatternTest, GivesUpOnAPageThatNeverComes) {
    site.server.on(kHost, "/list.html", CannedResponse::Silence());
    web::FetchLimits limits = web::CurrentFetchLimits();
    limits.stallTimeout = std::chrono::seconds(100);
    limits.totalTimeout = std::chrono::milliseconds(300);
    web::testing::ScopedFetchLimits bounded(limits);
    openManager();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(AnsiToUtf8(tryInAddWindow(pageAddress, Gbk(kPattern))),
              "没有取到网页：地址打不开、15 秒内没有取完，或网页是空的。");
    // Bounded at 0.3 s; the stall limits (15 s for a trial, 100 s here) lie far beyond.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(site.server.requests().size(), 1u);
}

TEST(PatternTrialLimits, BoundEveryTimeAtFifteenSeconds) {
    using std::chrono::milliseconds;
    using std::chrono::seconds;
    const struct {
        const char* name;
        web::FetchLimits inForce;
        web::FetchLimits expected;
    } cases[] = {
        {"defaults",
         {.connectTimeout = milliseconds(60'000),
          .stallTimeout = seconds(30),
          .maxBodyBytes = 1u << 20,
          .totalTimeout = milliseconds(0)},
         {.connectTimeout = milliseconds(15'000),
          .stallTimeout = seconds(15),
          .maxBodyBytes = 1u << 20,
          .totalTimeout = milliseconds(15'000)}},
        {"tighter kept",
         {.connectTimeout = milliseconds(500),
          .stallTimeout = seconds(2),
          .maxBodyBytes = 100,
          .totalTimeout = milliseconds(300)},
         {.connectTimeout = milliseconds(500),
          .stallTimeout = seconds(2),
          .maxBodyBytes = 100,
          .totalTimeout = milliseconds(300)}},
        {"total too long",
         {.connectTimeout = milliseconds(500),
          .stallTimeout = seconds(2),
          .maxBodyBytes = 100,
          .totalTimeout = milliseconds(60'000)},
         {.connectTimeout = milliseconds(500),
          .stallTimeout = seconds(2),
          .maxBodyBytes = 100,
          .totalTimeout = milliseconds(15'000)}},
    };
    for (const auto& c : cases) {
        const web::FetchLimits got = PatternTrialLimits(c.inForce);
        EXPECT_EQ(got.connectTimeout, c.expected.connectTimeout) << c.name;
        EXPECT_EQ(got.stallTimeout, c.expected.stallTimeout) << c.name;
        EXPECT_EQ(got.maxBodyBytes, c.expected.maxBodyBytes) << c.name;
        EXPECT_EQ(got.totalTimeout, c.expected.totalTimeout) << c.name;
    }
}

}  // namespace
}  // namespace dq
