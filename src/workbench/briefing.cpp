#include "workbench/briefing.h"

#include <filesystem>

#include "content/news_preview.h"
#include "content/quotes.h"
#include "content/weather.h"
#include "web/encoding.h"
#include "workbench/atomic_file.h"

namespace dq {
namespace {

constexpr std::string_view kWeatherBox = "编辑框_天气";
constexpr std::string_view kNewsBox = "编辑框_新闻";

// 新闻内容为空
constexpr std::string_view kNewsEmpty = "\xD0\xC2\xCE\xC5\xC4\xDA\xC8\xDD\xCE\xAA\xBF\xD5";
// 还没选城市呢，老铁！
constexpr std::string_view kNoCity =
    "\xBB\xB9\xC3\xBB\xD1\xA1\xB3\xC7\xCA\xD0\xC4\xD8\xA3\xAC\xC0\xCF\xCC\xFA\xA3\xA1";
// 无法写入文件
constexpr std::string_view kCannotWrite = "\xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xCE\xC4\xBC\xFE";
// ：
constexpr std::string_view kFullWidthColon = "\xA3\xBA";

}  // namespace

Text BriefingText(const Form& form) { return form.text(kWeatherBox) + form.text(kNewsBox); }

void GenerateBriefing(Form& form, WorkbenchState& state, Messages& messages,
                      const std::string& directory) {
    // Both checks look at the boxes as they are, before anything is rebuilt.
    if (form.text(kNewsBox).empty()) {
        messages.show(Text(kNewsEmpty));
        return;
    }
    if (form.text("城镇").empty()) {
        messages.show(Text(kNoCity));
        return;
    }
    WeatherPreview(form, state, messages);
    NewsPreview(form, state, messages);
    QuotePreview(form, state, messages, [&] { NewsPreview(form, state, messages); });

    const std::string path = (std::filesystem::path(directory) / "wx.txt").string();
    const std::string reason = WriteFileAtomically(path, BriefingText(form));
    if (!reason.empty()) {
        // A briefing that never reached the file must not be announced as written.
        messages.show(Text(kCannotWrite) + " " + Utf8ToAnsi(path) + Text(kFullWidthColon) +
                          Utf8ToAnsi(reason),
                      MessageIcon::Error);
        return;
    }
    messages.showSuccess();
}

void ClearPreviews(Form& form) {
    form.setText(kWeatherBox, Text{});
    form.setText(kNewsBox, Text{});
}

}  // namespace dq
