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
#include "web/gbk_literal.h"
#include "workbench/atomic_file.h"
#include "workbench/control_names.h"
#include "workbench/ini_document.h"
#include "workbench/own_preset_keys.h"
#include "workbench/own_presets.h"
#include "workbench/preset_keys.h"

namespace dq {

using namespace dq::literals;
namespace {

constexpr char kFileName[] = "配置文件.ini";  // UTF-8 on this file system
constexpr std::size_t kMaxValueBytes = 10239;

// The numbered news radio buttons of the page "  频道新闻  " (number 1 first).
constexpr std::array<std::string_view, 18> kChannelRadios = {
    controls::kNewsGeneral,  controls::kNewsDomestic,      controls::kNewsInternational,
    controls::kNewsMilitary, controls::kNewsFinance,       controls::kNewsSports,
    controls::kNewsTech,     controls::kNewsGames,         controls::kNewsWomen,
    controls::kNewsProperty, controls::kNewsEntertainment, controls::kNewsPharma,
    controls::kNewsAuto,     controls::kNewsSafety,        controls::kNewsEnergy,
    controls::kNewsFood,     controls::kNewsEducation,     controls::kNewsTravel};
// The numbered radio buttons of the page "  本地新闻  ".
constexpr std::array<std::string_view, 3> kLocalRadios = {
    controls::kLocalDeyang, controls::kLocalChengdu, controls::kLocalXinghua};
constexpr int kChannelPage = 0;
constexpr int kLocalPage = 2;

// The numbered radio buttons of a page; none for the pages whose choice is not saved.
std::span<const std::string_view> NumberedRadios(int page) {
    if (page == kChannelPage) return kChannelRadios;
    if (page == kLocalPage) return kLocalRadios;
    return {};
}

// The number of the first checked numbered radio button of the current news page.
std::optional<int> CheckedNewsNumber(const Form& form) {
    const auto radios = NumberedRadios(form.currentIndex(controls::kNewsTabs));
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

void SetValue(IniDocument& document, std::string_view section, const Text& key,
              std::string_view value) {
    document.set(section, key, SingleLine(value));
}

void SetValue(IniDocument& document, const Text& key, std::string_view value) {
    SetValue(document, preset::Section(), key, value);
}

Text FlagText(bool on) { return on ? preset::FlagTrue() : preset::FlagFalse(); }

}  // namespace

PresetStore::PresetStore(std::string directory) : path_(std::move(directory) + "/" + kFileName) {}

Text PresetStore::read(const Text& key) const { return read(preset::Section(), key); }

Text PresetStore::read(std::string_view section, const Text& key) const {
    Bytes content;
    if (!ReadWholeFile(path_, content).empty()) return {};
    const auto value = IniDocument(content).value(section, key);
    return value ? LimitBytes(TextFromBytes(*value), kMaxValueBytes) : Text();
}

std::int32_t PresetStore::readInt(const Text& key) const { return text::ToInt(read(key)); }

bool PresetStore::readFlag(const Text& key) const { return read(key) == preset::FlagTrue(); }

std::string PresetStore::write(const Text& key, const Text& value) const {
    return write(preset::Section(), key, value);
}

std::string PresetStore::write(std::string_view section, const Text& key,
                               const Text& value) const {
    return UpdateFile(path_,
                      [&](IniDocument& document) { SetValue(document, section, key, value); });
}

std::string PresetStore::write(std::string_view section,
                               const std::vector<std::pair<Text, Text>>& values) const {
    return UpdateFile(path_, [&](IniDocument& document) {
        for (const auto& [key, value] : values) SetValue(document, section, key, value);
    });
}

void PresetStore::saveAll(const Form& form, Messages& messages) const {
    // One atomic rewrite holding every preset, so a failure never leaves half a save behind.
    const std::string reason = UpdateFile(path_, [&](IniDocument& document) {
        SetValue(document, preset::City(), form.text(controls::kCity));
        SetValue(document, preset::Header(), form.text(controls::kCustomHeader));
        SetValue(document, preset::Quote(), form.text(controls::kQuoteBox));
        SetValue(document, preset::QuoteHeader(), form.text(controls::kQuoteHeaderBox));
        SetValue(document, preset::Skin(),
                 std::to_string(form.currentIndex(controls::kSkinChoice)));
        SetValue(document, preset::NewsCount(),
                 std::to_string(form.currentIndex(controls::kNewsCount) + 5));
        SetValue(document, preset::NewsPage(),
                 std::to_string(form.currentIndex(controls::kNewsTabs)));
        SetValue(document, preset::LinksOn(), FlagText(form.checked(controls::kLinksOn)));
        SetValue(document, preset::ShortLinksOn(), FlagText(form.checked(controls::kShortLinksOn)));
        SetValue(document, preset::WeatherOn(), FlagText(form.checked(controls::kWeatherOn)));
        if (const auto number = CheckedNewsNumber(form)) {
            SetValue(document, preset::NewsChoice(), std::to_string(*number));
        }
        for (const auto& [key, value] : OwnChoicesToSave(form)) {
            SetValue(document, own_preset::Section(), key, value);
        }
    });
    if (!reason.empty()) {
        messages.show("保存预设失败：无法写入文件 "_gbk + Utf8ToAnsi(path_) + "（"_gbk +
                          Utf8ToAnsi(reason) + "）"_gbk,
                      MessageIcon::Error);
        return;
    }
    messages.showSuccess();
}

std::string PresetStore::saveNewsChoice(const Form& form) const {
    const auto number = CheckedNewsNumber(form);
    if (!number) return {};
    return write(preset::NewsChoice(), std::to_string(*number));
}

void PresetStore::restoreNewsChoice(Form& form) const {
    form.setCurrentIndex(controls::kNewsTabs, readInt(preset::NewsPage()));
    const auto radios = NumberedRadios(form.currentIndex(controls::kNewsTabs));
    const std::int32_t number = readInt(preset::NewsChoice());
    if (number >= 1 && static_cast<std::size_t>(number) <= radios.size()) {
        form.setChecked(radios[static_cast<std::size_t>(number) - 1], true);
    }
}

}  // namespace dq
