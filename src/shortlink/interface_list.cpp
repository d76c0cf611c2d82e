#include "shortlink/interface_list.h"

#include <string>

#include "services/json_reader.h"
#include "services/regex_service.h"
#include "shortlink/code_hosting.h"
#include "web/gbk_literal.h"
#include "web/text_utils.h"
#include "web/web_request.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using namespace dq::literals;
using shortlink::kPluginFolderUrl;
using shortlink::kPluginListUrl;

// Every "Plug/<file>", then a double quote and a comma, in any letter case: a last entry
// closed by a bracket instead of a comma is not matched.
const Text& PluginPattern() { return "Plug/(.*?)#引号,"_gbk; }

Text Fetch(const Text& address, const EventPump& pump) {
    RequestOptions options;
    options.pump = pump;
    return WebRequest(address, options);
}

}  // namespace

void FetchInterfaceList(Form& form, Messages& messages, const EventPump& pump) {
    form.clearRows(controls::kInterfaceList);
    const Text list = Fetch(Text(kPluginListUrl), pump);
    RegexService regex;
    if (!regex.Create(PluginPattern(), list, false, false, true, true)) {
        messages.show("正则创建失败，请检查正则表达式语句是否有误！"_gbk, MessageIcon::Error);
        return;
    }
    for (int i = 1; i <= regex.MatchCount(); ++i) {
        const Text address = Text(kPluginFolderUrl) + regex.GroupText(i, 1);
        form.setText(controls::kInterfaceCount,
                     "Pemmik已为您添加"_gbk + std::to_string(i) + "个接口"_gbk);
        LoadInterface(form, address, pump);
    }
}

void LoadInterface(Form& form, const Text& address, const EventPump& pump) {
    const Text response = Fetch(address, pump);
    JsonReader documentReader;
    const JsonValue document = documentReader.Parse(response);
    const Text compact = documentReader.ToJsonText();
    // The interface object: from the first member whose name ends in "API" to the first
    // closing brace after it (it holds no nested object and no brace in its strings).
    const Text api = TextBetween(compact, "API\":", "}") + "}";
    JsonReader interfaceReader;
    const JsonValue interface = interfaceReader.Parse(api);

    const int row = form.addRow(controls::kInterfaceList, {});
    form.setCell(controls::kInterfaceList, row, 0, std::to_string(row + 1));
    const auto set = [&](int column, const JsonValue& value, const char* member) {
        form.setCell(controls::kInterfaceList, row, column, JsonReader::MemberText(value, member));
    };
    set(1, document, "Name");
    set(2, interface, "Type");
    set(3, document, "Author");
    set(4, document, "Version");
    set(5, interface, "Data");
    set(6, interface, "API Path");
}

}  // namespace dq
