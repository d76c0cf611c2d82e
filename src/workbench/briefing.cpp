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

bool RebuildBriefing(Form& form, WorkbenchState& state, Messages& messages,
                     const std::function<void(BriefingStep)>& onStep, const EventPump& pump) {
    // Both checks look at the boxes as they are, before anything is rebuilt.
    if (form.text(controls::kNewsBox).empty()) {
        messages.show("新闻内容为空"_gbk);
        return false;
    }
    if (form.text(controls::kCity).empty()) {
        messages.show("还没选城市呢，老铁！"_gbk);
        return false;
    }
    const auto step = [&](BriefingStep piece) {
        if (onStep) onStep(piece);
    };
    step(BriefingStep::Weather);
    WeatherPreview(form, state, messages);
    step(BriefingStep::News);
    NewsPreview(form, state, messages, pump);
    step(BriefingStep::Quote);
    QuotePreview(form, state, messages, [&] { NewsPreview(form, state, messages, pump); });
    return true;
}

bool WriteBriefing(const Form& form, Messages& messages, const std::string& path) {
    const std::string reason = WriteFileAtomically(path, BriefingText(form));
    if (reason.empty()) return true;
    // A briefing that never reached the file must not be announced as written.
    messages.show("无法写入文件 "_gbk + Utf8ToAnsi(path) + "："_gbk + Utf8ToAnsi(reason),
                  MessageIcon::Error);
    return false;
}

void GenerateBriefing(Form& form, WorkbenchState& state, Messages& messages,
                      const std::string& directory, const EventPump& pump) {
    if (!RebuildBriefing(form, state, messages, {}, pump)) return;
    const std::string path = (std::filesystem::path(directory) / "wx.txt").string();
    if (WriteBriefing(form, messages, path)) messages.showSuccess();
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
