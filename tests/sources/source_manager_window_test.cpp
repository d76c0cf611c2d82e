// The source manager and its query, add and modify windows, driven as the user drives them.
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "source_windows_fixture.h"
#include "web/gbk_literal.h"
#include "workbench/preset_keys.h"

namespace dq {
namespace {

using namespace dq::literals;
using testing::AddStep;
using testing::Child;
using testing::Click;
using testing::ClickStep;
using testing::Gbk;
using testing::QueryStep;
using testing::Type;
using testing::Typed;
using testing::WindowStep;

const QString kFriendlyTip = QStringLiteral("友情提示");
const QString kInformation = QStringLiteral("信息：");

const std::vector<SourceRow> kThreeSources = {
    {"1", Gbk("科技新闻"), "http://a.example/", "<a>(.*?)</a>", Gbk("2026年1月1日")},
    {"2", Gbk("体育"), "http://b.example/", "<b>(.*?)</b>", Gbk("2026年1月2日")},
    {"3", Gbk("新闻联播"), "http://c.example/", "<c>(.*?)</c>", Gbk("2026年1月3日")},
};

class SourceManager : public testing::SourceWindowsTest {};

TEST_F(SourceManager, OpensWithEveryRecordUnderTheFiveCaptions) {
    seed(kThreeSources);
    openManager();
    EXPECT_EQ(manager->windowTitle(), QStringLiteral("新闻信息源添加"));
    EXPECT_EQ(listed(), kThreeSources);
    QStringList captions;
    for (int column = 0; column < list->columnCount(); ++column) {
        captions << list->headerItem()->text(column);
    }
    EXPECT_EQ(captions, QStringList({"编  号", "新闻类别", "网    址", "正    则", "日    期"}));
    EXPECT_EQ(columnWidths(), std::vector<int>({0, 85, 100, 100, 100}));
    EXPECT_TRUE(boxes().empty());
}

// Quotes and SQL text, a 1 MB pattern and Chinese texts are stored as typed and listed back
// byte for byte when the window is opened again.
TEST_F(SourceManager, AddedSourcesComeBackByteForByteAfterReopening) {
    const Text bigPattern = "<li>(.*?)</li>" + std::string(1 << 20, 'x');
    const std::vector<SourceRow> typed = {
        {"1", "it's", "http://a.example/?q='1'", "'); DROP TABLE YHB;--", Gbk("2026年1月5日")},
        {"2", "big", "http://b.example/", bigPattern, Gbk("2026年1月5日")},
        {"3", Gbk("国内新闻"), Gbk("http://c.example/新闻/"), Gbk("<a>([^<]{2,})</a>"),
         Gbk("2026年1月5日")},
    };
    openManager();
    for (std::size_t i = 0; i < typed.size(); ++i) {
        steps.push_back(AddStep(typed[i].category, typed[i].address, typed[i].pattern));
        Click(*manager, controls::kSourceAddButton);
        ASSERT_EQ(listed().size(), i + 1);
        EXPECT_EQ(listed().back(), typed[i]);
        EXPECT_EQ(selectedRow(), static_cast<int>(i));  // the new row is selected
    }
    const std::vector<testing::SourceWindowsTest::Box> added(
        3, {QStringLiteral("成功"), QStringLiteral("添加成功"), QMessageBox::Information});
    EXPECT_EQ(boxes(), added);

    openManager();
    EXPECT_EQ(listed(), typed);
    EXPECT_EQ(stored(), typed);
}

TEST_F(SourceManager, AddAppendsToAQueryResultItDoesNotMatch) {
    seed(kThreeSources);
    openManager();
    steps.push_back(QueryStep(Gbk("体育")));
    Click(*manager, controls::kSourceQueryButton);
    steps.push_back(AddStep("weather", "http://w/", "p"));
    Click(*manager, controls::kSourceAddButton);
    const std::vector<SourceRow> expected = {
        kThreeSources[1], {"4", "weather", "http://w/", "p", Gbk("2026年1月5日")}};
    EXPECT_EQ(listed(), expected);
    EXPECT_EQ(selectedRow(), 1);
}

TEST_F(SourceManager, RefusedAddKeepsTheWindowOpenWithItsTexts) {
    openManager();
    dropTable();
    steps.push_back([](QDialog& window) {
        const int result = AddStep("a", "http://a/", "p")(window);
        EXPECT_EQ(Typed(window, controls::kAddCategory), "a");
        return result;
    });
    Click(*manager, controls::kSourceAddButton);
    EXPECT_EQ(boxes(), std::vector<Box>({{QStringLiteral("失败"), QStringLiteral("添加失败"),
                                          QMessageBox::Information}}));
    EXPECT_TRUE(listed().empty());
}

// The query window as it opens, and the keyword box following its radio buttons.
TEST_F(SourceManager, QueryWindowKeywordBoxFollowsTheChoice) {
    openManager();
    steps.push_back([](QDialog& window) {
        auto* box = Child<QLineEdit>(window, controls::kQueryKeyword);
        EXPECT_TRUE(Child<QRadioButton>(window, controls::kQueryByCategory)->isChecked());
        EXPECT_TRUE(box->isEnabled());
        EXPECT_EQ(window.focusWidget(), box);
        box->setText(QStringLiteral("abc"));
        Click(window, controls::kQueryAll);
        EXPECT_FALSE(box->isEnabled());
        EXPECT_EQ(box->text(), QString());
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(192, 192, 192));
        Click(window, controls::kQueryByCategory);
        EXPECT_TRUE(box->isEnabled());
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 255, 255));
        return static_cast<int>(QDialog::Rejected);  // closed by its close box
    });
    Click(*manager, controls::kSourceQueryButton);
    EXPECT_TRUE(steps.empty());
}

TEST_F(SourceManager, KeywordQueryThenQueryAll) {
    seed(kThreeSources);
    openManager();
    steps.push_back(QueryStep(Gbk("新闻")));
    Click(*manager, controls::kSourceQueryButton);
    EXPECT_EQ(listed(), std::vector<SourceRow>({kThreeSources[0], kThreeSources[2]}));
    EXPECT_EQ(columnWidths(), std::vector<int>({0, 60, 80, 60, 100}));

    steps.push_back([](QDialog& window) {
        Click(window, controls::kQueryAll);
        return ClickStep(controls::kQueryConfirm)(window);
    });
    Click(*manager, controls::kSourceQueryButton);
    EXPECT_EQ(listed(), kThreeSources);
    EXPECT_EQ(columnWidths(), std::vector<int>({0, 60, 80, 60, 100}));
}

TEST_F(SourceManager, QueryClosedWithoutConfirmRunsNoQuery) {
    seed(kThreeSources);
    openManager();
    const struct {
        const char* name;
        WindowStep step;
    } cases[] = {
        {"close box",
         [](QDialog& window) {
             Type(window, controls::kQueryKeyword, "x");
             return static_cast<int>(QDialog::Rejected);
         }},
        {"cancel",
         [](QDialog& window) {
             Type(window, controls::kQueryKeyword, "x");
             return ClickStep(controls::kQueryCancel)(window);
         }},
    };
    for (const auto& c : cases) {
        steps.push_back(c.step);
        Click(*manager, controls::kSourceQueryButton);
        EXPECT_EQ(listed(), kThreeSources) << c.name;
        EXPECT_EQ(columnWidths(), std::vector<int>({0, 85, 100, 100, 100})) << c.name;
    }
}

TEST_F(SourceManager, EmptyKeywordIsRefusedAndTheQueryWindowStays) {
    seed(kThreeSources);
    openManager();
    steps.push_back([](QDialog& window) {
        Click(window, controls::kQueryConfirm);
        EXPECT_EQ(window.result(), QDialog::Rejected);  // not closed by 确定
        EXPECT_EQ(window.focusWidget(), Child<QLineEdit>(window, controls::kQueryKeyword));
        return static_cast<int>(QDialog::Rejected);
    });
    Click(*manager, controls::kSourceQueryButton);
    EXPECT_EQ(boxes(),
              std::vector<Box>({{kFriendlyTip, QStringLiteral("您还没有输入查询关键字呢！"),
                                 QMessageBox::Information}}));
    EXPECT_EQ(listed(), kThreeSources);
}

TEST_F(SourceManager, ModifyRewritesTheSelectedRowAndItsRecord) {
    seed(kThreeSources);
    openManager();
    select(1);
    steps.push_back([](QDialog& window) {
        EXPECT_EQ(window.objectName(), QStringLiteral("SourceModifyWindow"));
        EXPECT_EQ(Typed(window, controls::kModifyCategory), Gbk("体育"));
        EXPECT_EQ(Typed(window, controls::kModifyAddress), "http://b.example/");
        EXPECT_EQ(Typed(window, controls::kModifyPattern), "<b>(.*?)</b>");
        EXPECT_EQ(Typed(window, controls::kModifyDate), Gbk("2026年1月2日"));
        Type(window, controls::kModifyCategory, Gbk("体育'新闻"));
        Type(window, controls::kModifyPattern, "<i>(.*?)</i>");
        return ClickStep(controls::kModifyConfirm)(window);
    });
    Click(*manager, controls::kSourceModifyButton);
    std::vector<SourceRow> expected = kThreeSources;
    expected[1].category = Gbk("体育'新闻");
    expected[1].pattern = "<i>(.*?)</i>";
    EXPECT_EQ(listed(), expected);
    EXPECT_EQ(stored(), expected);
    EXPECT_EQ(boxes(), std::vector<Box>({{QStringLiteral("成功"), QStringLiteral("修改成功"),
                                          QMessageBox::Information}}));
}

TEST_F(SourceManager, ModifyCancelledOrRefusedLeavesTheRow) {
    const struct {
        const char* name;
        bool refused;
        std::vector<Box> boxes;
    } cases[] = {
        {"cancelled", false, {}},
        {"refused",
         true,
         {{QStringLiteral("失败"), QStringLiteral("修改失败"), QMessageBox::Information}}},
    };
    for (const auto& c : cases) {
        seed(kThreeSources);
        openManager();
        if (c.refused) dropTable();
        select(0);
        steps.push_back([&c](QDialog& window) {
            Type(window, controls::kModifyCategory, "changed");
            if (!c.refused) return ClickStep(controls::kModifyCancel)(window);
            Click(window, controls::kModifyConfirm);
            EXPECT_EQ(window.result(), QDialog::Rejected) << c.name;  // the window stays
            return static_cast<int>(QDialog::Rejected);
        });
        Click(*manager, controls::kSourceModifyButton);
        EXPECT_EQ(listed(), kThreeSources) << c.name;
        EXPECT_EQ(boxes(), c.boxes) << c.name;
        manager.reset();
        std::filesystem::remove(databasePath());
    }
}

TEST_F(SourceManager, ModifyAndDeleteWithoutASelectionSaySo) {
    seed(kThreeSources);
    openManager();
    list->clearSelection();
    Click(*manager, controls::kSourceModifyButton);
    Click(*manager, controls::kSourceDeleteButton);
    EXPECT_EQ(boxes(),
              std::vector<Box>({{kFriendlyTip, QStringLiteral("您还没有选择要修改的数据呢！"),
                                 QMessageBox::Information},
                                {kFriendlyTip, QStringLiteral("您还没有选择要删除的数据呢！"),
                                 QMessageBox::Information}}));
    EXPECT_EQ(listed(), kThreeSources);
}

TEST_F(SourceManager, DeleteSelectsTheRowThatTakesThePlace) {
    const struct {
        const char* name;
        std::size_t records;
        int selected;
        int answer;
        bool refused;
        int selectedAfter;
        std::vector<Text> idsAfter;
        QString message;  // the box after the question; empty for none
    } cases[] = {
        {"last row", 3, 2, QMessageBox::Ok, false, 1, {"1", "2"}, "删除成功"},
        {"middle row", 3, 1, QMessageBox::Ok, false, 1, {"1", "3"}, "删除成功"},
        {"first row", 3, 0, QMessageBox::Ok, false, 0, {"2", "3"}, "删除成功"},
        {"only row", 1, 0, QMessageBox::Ok, false, -1, {}, "删除成功"},
        {"refused", 3, 1, QMessageBox::Ok, true, 1, {"1", "2", "3"}, "删除失败"},
        {"cancelled", 3, 1, QMessageBox::Cancel, false, 1, {"1", "2", "3"}, ""},
    };
    for (const auto& c : cases) {
        seed(std::vector<SourceRow>(kThreeSources.begin(), kThreeSources.begin() + c.records));
        openManager();
        if (c.refused) dropTable();
        select(c.selected);
        Dialogs::setNextAnswer(c.answer);
        Click(*manager, controls::kSourceDeleteButton);

        std::vector<Text> ids;
        for (const SourceRow& row : listed()) ids.push_back(row.id);
        EXPECT_EQ(ids, c.idsAfter) << c.name;
        EXPECT_EQ(selectedRow(), c.selectedAfter) << c.name;
        std::vector<Box> expected = {{QStringLiteral("删除提示"),
                                      QStringLiteral("您真的要删除选中的数据吗？"),
                                      QMessageBox::Warning}};
        if (!c.message.isEmpty())
            expected.push_back({kInformation, c.message, QMessageBox::Information});
        EXPECT_EQ(boxes(), expected) << c.name;
        EXPECT_EQ(Dialogs::shown().front().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        manager.reset();
        std::filesystem::remove(databasePath());
    }
}

TEST_F(SourceManager, PopupMenuModifiesAndDeletes) {
    seed(kThreeSources);
    openManager();
    auto* menu = Child<QMenu>(*manager, controls::kSourceMenu);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_TRUE(menu->actions()[0]->isSeparator());
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("修改信息源"));
    EXPECT_EQ(menu->actions()[2]->text(), QStringLiteral("删除"));

    select(0);
    steps.push_back(ClickStep(controls::kModifyCancel));
    menu->actions()[1]->trigger();
    EXPECT_TRUE(steps.empty());     // the modify window was opened
    menu->actions()[2]->trigger();  // the question answers OK
    EXPECT_EQ(stored().size(), 2u);
}

// A double-click chooses the row under it: the main window's label, the chosen source and the
// three presets, in this order; the window closes.
TEST_F(SourceManager, DoubleClickChoosesTheSource) {
    seed(kThreeSources);
    openManager();
    const QRect row = list->visualItemRect(list->topLevelItem(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());

    EXPECT_EQ(mainForm.text(controls::kCurrentSourceLabel), Gbk("当前选择：新闻联播"));
    EXPECT_EQ(state.sourceName, kThreeSources[2].category);
    EXPECT_EQ(state.sourceUrl, kThreeSources[2].address);
    EXPECT_EQ(state.sourcePattern, kThreeSources[2].pattern);
    EXPECT_EQ(presets.read(preset::SourceName()), kThreeSources[2].category);
    EXPECT_EQ(presets.read(preset::SourceUrl()), kThreeSources[2].address);
    EXPECT_EQ(presets.read(preset::SourcePattern()), kThreeSources[2].pattern);
    const std::string file = testing::ReadBytes(presets.path());
    EXPECT_LT(file.find(preset::SourceName()), file.find(preset::SourceUrl()));
    EXPECT_LT(file.find(preset::SourceUrl()), file.find(preset::SourcePattern()));
    EXPECT_EQ(manager->result(), QDialog::Accepted);
}

TEST_F(SourceManager, DoubleClickBelowTheRowsChoosesNothing) {
    seed(kThreeSources);
    state.sourceName = "old";
    state.sourceUrl = "http://old/";
    state.sourcePattern = "old";
    openManager();
    const QRect last = list->visualItemRect(list->topLevelItem(2));
    const QPoint below(last.left() + 10, last.bottom() + 10);
    ASSERT_EQ(list->itemAt(below), nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);

    EXPECT_EQ(mainForm.text(controls::kCurrentSourceLabel), Gbk("当前选择："));
    EXPECT_EQ(state.sourceName, "");
    EXPECT_EQ(state.sourceUrl, "");
    EXPECT_EQ(state.sourcePattern, "");
    const std::string file = testing::ReadBytes(presets.path());
    for (const Text& key : {preset::SourceName(), preset::SourceUrl(), preset::SourcePattern()}) {
        EXPECT_NE(file.find(key + "=\r\n"), std::string::npos) << AnsiToUtf8(key);
    }
}

// A pattern longer than a preset value can be read back is kept whole in the database; the
// preset file gives back its first 10,239 bytes.
TEST_F(SourceManager, ChosenLongPatternIsWholeInTheDatabaseAndCutInThePresets) {
    const Text pattern = "<li>(.*?)</li>" + std::string(20000, 'x');
    seed({{"1", "long", "http://long/", pattern, "d"}});
    openManager();
    const QRect row = list->visualItemRect(list->topLevelItem(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(state.sourcePattern, pattern);
    EXPECT_EQ(presets.read(preset::SourcePattern()), pattern.substr(0, 10239));
    EXPECT_EQ(stored().front().pattern, pattern);
}

TEST_F(SourceManager, UnwritablePresetFileIsReportedAndTheChoiceStillHolds) {
    seed(kThreeSources);
    std::filesystem::create_directory(presets.path());  // a directory where the file belongs
    openManager();
    select(0);
    const QRect row = list->visualItemRect(list->topLevelItem(0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(state.sourceName, kThreeSources[0].category);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0].text.startsWith(QStringLiteral("选择的信息源没有保存")));
    EXPECT_TRUE(boxes()[0].text.contains(QString::fromStdString(presets.path())));
}

}  // namespace
}  // namespace dq
