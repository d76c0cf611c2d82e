// The preset file 配置文件.ini beside the program: one section "配置文件", GBK, CR LF lines,
// read and written like a Windows profile file, every write at once and atomically.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "web/text.h"
#include "workbench/form.h"
#include "workbench/messages.h"

namespace dq {

class PresetStore {
public:
    // directory: where 配置文件.ini lives (the run directory in the program).
    explicit PresetStore(std::string directory);

    const std::string& path() const { return path_; }

    // The value of key (GBK); empty when the file, section or key is missing. At most 10,239
    // bytes are returned.
    Text read(const Text& key) const;
    std::int32_t readInt(const Text& key) const;  // atoi of read
    bool readFlag(const Text& key) const;         // true exactly for "真"

    // Replaces the value where the key stands, or appends the key at the end of the section;
    // creates file and section when missing. Returns an empty string on success, else the
    // reason the file could not be written (UTF-8).
    std::string write(const Text& key, const Text& value) const;

    // The same for a key of another section of the file (our own presets, see
    // own_preset_keys.h).
    Text read(std::string_view section, const Text& key) const;
    std::string write(std::string_view section, const Text& key, const Text& value) const;
    // Several keys of one section in one rewrite of the file.
    std::string write(std::string_view section,
                      const std::vector<std::pair<Text, Text>>& values) const;

    // 按钮_保存 clicked: writes every preset from the form, then shows the success window, or
    // an error message naming the file and the reason when it could not be written.
    void saveAll(const Form& form, Messages& messages) const;
    // Returns the reason of a failed write, empty on success.
    std::string saveNewsChoice(const Form& form) const;
    void restoreNewsChoice(Form& form) const;

private:
    std::string path_;
};

}  // namespace dq
