// The interface list filled from the loopback code-hosting site.
#include "shortlink/interface_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "code_hosting_site.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::CannedResponse;
using testing::CodeHostingSite;
using testing::FakeForm;
using testing::RecordingMessages;

using Rows = std::vector<std::vector<Text>>;

Rows Gbk(const std::vector<std::vector<std::string>>& utf8) {
    Rows rows;
    for (const auto& row : utf8) {
        rows.emplace_back();
        for (const std::string& cell : row) rows.back().push_back(Utf8ToAnsi(cell));
    }
    return rows;
}

// Every plug-in the list names with a comma after it, in list order; the one closed by the
// bracket ("last.json") is not loaded.
const Rows kExpectedRows = Gbk({
    {"1", "新浪短网址", "GET", "Pemmik", "1.2", "url=$Url$", "https://dwz.example/api?"},
    // Written "plug/" in lower case, with the interface object before "Name".
    {"2", "百度短网址", "POST", "某作者", "2.0", "url=$Url$&type=json", "https://dwz.example/create"},
    {"3", "", "", "", "", "", ""},  // not JSON
    {"4", "停用接口", "", "Pemmik", "0.9", "", ""},  // no interface member
});

class InterfaceList : public ::testing::Test {
protected:
    // Every row as its seven cells, read through the form.
    Rows rows() const {
        Rows all;
        for (int row = 0; row < form.rowCount(controls::kInterfaceList); ++row) {
            all.emplace_back();
            for (int column = 0; column < 7; ++column)
                all.back().push_back(form.cell(controls::kInterfaceList, row, column));
        }
        return all;
    }

    CodeHostingSite hosting;
    FakeForm form;
    RecordingMessages messages;
};

TEST_F(InterfaceList, OneRowPerListedPlugin) {
    form.setText(controls::kInterfaceCount, Utf8ToAnsi("短链接口状态"));
    FetchInterfaceList(form, messages);
    EXPECT_EQ(rows(), kExpectedRows);
    EXPECT_EQ(form.text(controls::kInterfaceCount), Utf8ToAnsi("Pemmik已为您添加4个接口"));
    EXPECT_TRUE(messages.shown.empty());
    int lastRequests = 0;
    for (const auto& request : hosting.site.server.requests())
        lastRequests += request.path().ends_with("last.json");
    EXPECT_EQ(lastRequests, 0);
}

TEST_F(InterfaceList, SecondClickGivesTheSameRowsOnce) {
    FetchInterfaceList(form, messages);
    FetchInterfaceList(form, messages);
    EXPECT_EQ(rows(), kExpectedRows);
}

TEST_F(InterfaceList, NoListDocumentLeavesTheListEmptyAndSilent) {
    form.addRow(controls::kInterfaceList, {"1", "old"});
    form.setText(controls::kInterfaceCount, Utf8ToAnsi("短链接口状态"));
    hosting.site.server.on("gitee.com", std::string(testing::kRawFolder) + "PlugList.json",
                           CannedResponse::Ok(""));
    FetchInterfaceList(form, messages);
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(form.text(controls::kInterfaceCount), Utf8ToAnsi("短链接口状态"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InterfaceList, UnreadablePluginStillGetsItsNumberedRow) {
    LoadInterface(form, "https://gitee.com/Pemmik/Short-Url/raw/master/plug/missing.json");
    EXPECT_EQ(rows(), Gbk({{"1", "", "", "", "", "", ""}}));
}

}  // namespace
}  // namespace dq
