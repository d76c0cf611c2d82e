#include "workbench/briefing.h"

#include <filesystem>

#include "content/news_preview.h"
#include "content/quotes.h"
#include "content/weather.h"
#include "web/encoding.h"
#include "web/gbk_literal.h"
#include "workbench/atomic_file.h"
#include "workbench/control_names.h"

namespace dq {

using namespace dq::literals;

Text BriefingText(const Form& form) {
    return form.text(controls::kWeatherBox) + form.text(controls::kNewsBox);
}

void GenerateBriefing(Form& form, WorkbenchState& state, Messages& messages,
                      const std::string& directory, const EventPump& pump) {
    // Both checks look at the boxes as they are, before anything is rebuilt.
    if (form.text(controls::kNewsBox).empty()) {
        messages.show("新闻内容为空"_gbk);
        return;
    }
    if (form.text(controls::kCity).empty()) {
        messages.show("还没选城市呢，老铁！"_gbk);
        return;
    }
    WeatherPreview(form, state, messages);
    NewsPreview(form, state, messages, pump);
    QuotePreview(form, state, messages, [&] { NewsPreview(form, state, messages, pump); });

    const std::string path = (std::filesystem::path(directory) / "wx.txt").string();
    const std::string reason = WriteFileAtomically(path, BriefingText(form));
    if (!reason.empty()) {
        // A briefing that never reached the file must not be announced as written.
        messages.show("无法写入文件 "_gbk + Utf8ToAnsi(path) + "："_gbk + Utf8ToAnsi(reason),
                      MessageIcon::Error);
        return;
    }
    messages.showSuccess();
}

void CopyBriefing(const Form& form, Clipboard& clipboard, Messages& messages) {
    clipboard.setText(BriefingText(form));
    messages.showSuccess();
}

void ClearPreviews(Form& form) {
    form.setText(controls::kWeatherBox, Text{});
    form.setText(controls::kNewsBox, Text{});
}

}  // namespace dq
