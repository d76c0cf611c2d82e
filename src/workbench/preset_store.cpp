#include "workbench/preset_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "web/encoding.h"
#include "workbench/atomic_file.h"
#include "workbench/ini_document.h"
#include "workbench/preset_keys.h"

namespace dq {
namespace {

constexpr char kFileName[] = "配置文件.ini";  // UTF-8 on this file system
constexpr std::size_t kMaxValueBytes = 10239;

// The numbered news radio buttons of the page "  频道新闻  " (number 1 first).
constexpr std::array<std::string_view, 18> kChannelRadios = {
    "单选框_综合", "单选框_国内", "单选框_国际", "单选框_军事", "单选框_财经", "单选框_体育",
    "单选框_科技", "单选框_游戏", "单选框_女人", "单选框_房产", "单选框_娱乐", "单选框_医药",
    "单选框_汽车", "单选框_安全", "单选框_能源", "单选框_食品", "单选框_教育", "单选框_旅游"};
// The numbered radio buttons of the page "  本地新闻  ".
constexpr std::array<std::string_view, 3> kLocalRadios = {"单选框_德阳", "单选框_成都",
                                                          "单选框_兴华"};
constexpr int kChannelPage = 0;
constexpr int kLocalPage = 2;
constexpr std::string_view kNewsTabs = "高级选择夹_新闻";

// The numbered radio buttons of a page; none for the pages whose choice is not saved.
std::span<const std::string_view> NumberedRadios(int page) {
    if (page == kChannelPage) return kChannelRadios;
    if (page == kLocalPage) return kLocalRadios;
    return {};
}

// The number of the first checked numbered radio button of the current news page.
std::optional<int> CheckedNewsNumber(const Form& form) {
    const auto radios = NumberedRadios(form.currentIndex(kNewsTabs));
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (form.checked(radios[i])) return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

// Values are single lines: a line break inside one would start a new line of the file, which
// could read as another key or section. Each line break becomes one space.
Text SingleLine(std::string_view value) {
    Text line = text::ReplaceAll(value, "\r\n", " ");
    line = text::ReplaceAll(line, "\r", " ");
    return text::ReplaceAll(line, "\n", " ");
}

// At most max bytes of value, cut before a two-byte character rather than through it.
Text LimitBytes(const Text& value, std::size_t max) {
    std::size_t end = 0;
    while (end < value.size()) {
        const std::size_t width =
            (static_cast<unsigned char>(value[end]) & 0x80) != 0 && end + 1 < value.size() ? 2 : 1;
        if (end + width > max) break;
        end += width;
    }
    return value.substr(0, end);
}

// Reads the whole file into content. A missing file reads as empty content; any other failure
// returns its reason.
std::string ReadWholeFile(const std::string& path, Bytes& content) {
    content.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? std::string() : std::strerror(errno);
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const std::string reason = std::strerror(errno);
            ::close(fd);
            content.clear();
            return reason;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return {};
}

// Reads the file, applies change to it and writes it back atomically. The file is left as it
// was when it cannot be read or written; the reason is returned.
template <typename Change>
std::string UpdateFile(const std::string& path, Change&& change) {
    Bytes content;
    if (std::string reason = ReadWholeFile(path, content); !reason.empty()) return reason;
    IniDocument document(content);
    std::forward<Change>(change)(document);
    return WriteFileAtomically(path, document.content());
}

void SetValue(IniDocument& document, const Text& key, std::string_view value) {
    document.set(preset::kSection, key, SingleLine(value));
}

Text FlagText(bool on) { return on ? preset::kTrue : preset::kFalse; }

}  // namespace

PresetStore::PresetStore(std::string directory) : path_(std::move(directory) + "/" + kFileName) {}

Text PresetStore::read(const Text& key) const {
    Bytes content;
    if (!ReadWholeFile(path_, content).empty()) return {};
    const auto value = IniDocument(content).value(preset::kSection, key);
    return value ? LimitBytes(TextFromBytes(*value), kMaxValueBytes) : Text();
}

std::int32_t PresetStore::readInt(const Text& key) const { return text::ToInt(read(key)); }

bool PresetStore::readFlag(const Text& key) const { return read(key) == preset::kTrue; }

std::string PresetStore::write(const Text& key, const Text& value) const {
    return UpdateFile(path_, [&](IniDocument& document) { SetValue(document, key, value); });
}

void PresetStore::saveAll(const Form& form, Messages& messages) const {
    // One atomic rewrite holding every preset, so a failure never leaves half a save behind.
    const std::string reason = UpdateFile(path_, [&](IniDocument& document) {
        SetValue(document, preset::kCity, form.text("城镇"));
        SetValue(document, preset::kHeader, form.text("自定义头部"));
        SetValue(document, preset::kQuote, form.text("编辑框_寄语"));
        SetValue(document, preset::kQuoteHeader, form.text("编辑框_寄语头部"));
        SetValue(document, preset::kSkin, std::to_string(form.currentIndex("皮肤_组合框")));
        SetValue(document, preset::kNewsCount,
                 std::to_string(form.currentIndex("组合框_新闻条数") + 5));
        SetValue(document, preset::kNewsPage, std::to_string(form.currentIndex(kNewsTabs)));
        SetValue(document, preset::kLinksOn, FlagText(form.checked("选择框_开启网址")));
        SetValue(document, preset::kShortLinksOn, FlagText(form.checked("选择框_开启短链")));
        SetValue(document, preset::kWeatherOn, FlagText(form.checked("单选框_天气开")));
        if (const auto number = CheckedNewsNumber(form)) {
            SetValue(document, preset::kNewsChoice, std::to_string(*number));
        }
    });
    if (!reason.empty()) {
        // 保存预设失败：无法写入文件 <path>（<reason>）
        messages.show("\xB1\xA3\xB4\xE6\xD4\xA4\xC9\xE8\xCA\xA7\xB0\xDC\xA3\xBA\xCE\xDE\xB7\xA8"
                      "\xD0\xB4\xC8\xEB\xCE\xC4\xBC\xFE " +
                          Utf8ToAnsi(path_) + "\xA3\xA8" + Utf8ToAnsi(reason) + "\xA3\xA9",
                      MessageIcon::Error);
        return;
    }
    messages.showSuccess();
}

std::string PresetStore::saveNewsChoice(const Form& form) const {
    const auto number = CheckedNewsNumber(form);
    if (!number) return {};
    return write(preset::kNewsChoice, std::to_string(*number));
}

void PresetStore::restoreNewsChoice(Form& form) const {
    form.setCurrentIndex(kNewsTabs, readInt(preset::kNewsPage));
    const auto radios = NumberedRadios(form.currentIndex(kNewsTabs));
    const std::int32_t number = readInt(preset::kNewsChoice);
    if (number >= 1 && static_cast<std::size_t>(number) <= radios.size()) {
        form.setChecked(radios[static_cast<std::size_t>(number) - 1], true);
    }
}

}  // namespace dq
