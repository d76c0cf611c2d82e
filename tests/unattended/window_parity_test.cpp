// The unattended run and the window's one-click give the same file for the same presets.
#include <QPushButton>
#include <QTreeWidget>

#include "unattended/exit_status.h"
#include "unattended/generate_fixture.h"
#include "unattended/generate_run.h"
#include "workbench/main_window.h"
#include "workbench/own_preset_keys.h"
#include "workbench/preset_store.h"
#include "workbench/test_main_window_fixture.h"

namespace dq {
namespace {

using testing::ReadBytes;

class WindowParityTest : public testing::WidgetTest, public testing::GenerateFixture {
protected:
    std::unique_ptr<MainWindow> openWindow() {
        return std::make_unique<MainWindow>(state, directory.path());
    }
    WorkbenchState state;
};

TEST_F(WindowParityTest, GenerateWritesWhatTheWindowsOneClickWrites) {
    struct Case {
        const char* name;
        std::vector<Preset> own;
        std::vector<Preset> changed;
    };
    const Case cases[] = {
        {"channel news with links", {}, {}},
        {"weather off, custom quote header",
         {},
         {{"天气开关", "假"}, {"寄语头部", "今日一句"}, {"网址链接是否开启", "假"}}},
        {"custom page read as gb2312 (nothing to match)",
         {{"自定义信息源utf8", "假"}},
         {{"新闻选项卡", "3"}, {"信息源名称", "门户"}, {"信息源网址", "https://www.chinanews.com.cn/"},
          {"信息源正则", "<b>(.*?)</b>"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto presets = MorningPresets();
        for (const auto& change : c.changed) {
            bool replaced = false;
            for (auto& preset : presets) {
                if (std::string(preset.first) == change.first) preset.second = change.second, replaced = true;
            }
            if (!replaced) presets.push_back(change);
        }
        writePresets(presets, c.own);

        auto window = openWindow();
        window->findChild<QPushButton*>(QStringLiteral("一键生成"))->click();
        const std::string fromWindow = ReadBytes(wxPath());
        window.reset();
        std::filesystem::remove(wxPath());

        std::ostringstream out, err;
        RunGenerate({directory.path(), "", false}, out, err);
        EXPECT_EQ(ReadBytes(wxPath()), fromWindow) << err.str();
        EXPECT_FALSE(fromWindow.empty());
    }
}

TEST_F(WindowParityTest, SelectingAnInterfaceRowStoresItsSevenTexts) {
    writePresets(MorningPresets());
    auto window = openWindow();
    QTreeWidget& list = *window->findChild<QTreeWidget*>(QStringLiteral("超级列表框_接口列表"));
    QStringList cells;
    for (const char* cell : {"1", "短网址甲", "POST", "作者", "1.0", "url=$Url$", "https://s.example/api"})
        cells << QString::fromUtf8(cell);
    list.addTopLevelItem(new QTreeWidgetItem(cells));
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("2")}));
    list.setCurrentItem(list.topLevelItem(0));

    const PresetStore store(directory.path());
    int column = 0;
    for (const Text* key : own_preset::InterfaceRowKeys()) {
        EXPECT_EQ(AnsiToUtf8(store.read(own_preset::Section(), *key)),
                  cells[column++].toStdString());
    }
}

}  // namespace
}  // namespace dq
