#include "workbench/run_directory.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>

namespace dq {
namespace {

namespace fs = std::filesystem;

// The preset file and the source database; their names on disk (UTF-8).
constexpr std::array<std::string_view, 2> kCarriedOver = {"配置文件.ini", "Sorvane.db"};

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// The XDG base directory rules: a relative $XDG_DATA_HOME is ignored.
fs::path DataHome(const DataLayoutInputs& inputs) {
    if (!inputs.xdgDataHome.empty() && fs::path(inputs.xdgDataHome).is_absolute())
        return inputs.xdgDataHome;
    if (inputs.home.empty() || !fs::path(inputs.home).is_absolute()) return {};
    return fs::path(inputs.home) / ".local" / "share";
}

void CopyMissing(const fs::path& from, const fs::path& to) {
    for (const std::string_view name : kCarriedOver) {
        const fs::path source = from / name;
        const fs::path target = to / name;
        std::error_code error;
        if (!fs::is_regular_file(source, error) || fs::exists(target, error)) continue;
        // A copy that fails leaves the program with no file there, as on a first start.
        fs::copy_file(source, target, fs::copy_options::skip_existing, error);
    }
}

const DataLayout& ProcessLayout() {
    static const DataLayout layout = [] {
        const std::string program = ProgramDirectory();
        return ChooseDataLayout({program, ::access(program.c_str(), W_OK) == 0,
                                 Environment("XDG_DATA_HOME"), Environment("HOME")});
    }();
    return layout;
}

}  // namespace

std::string ProgramDirectory() {
    std::error_code error;
    const auto exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return fs::current_path().string();
    return exe.parent_path().string();
}

std::span<const std::string_view> CarriedOverFiles() { return kCarriedOver; }

DataLayout ChooseDataLayout(const DataLayoutInputs& inputs) {
    const DataLayout portable{inputs.programDirectory, true};
    if (inputs.programDirectoryWritable) return portable;
    const fs::path home = DataHome(inputs);
    if (home.empty()) return portable;
    const fs::path directory = home / "dawnquill";
    std::error_code error;
    fs::create_directories(directory, error);
    if (error || !fs::is_directory(directory, error)) return portable;
    CopyMissing(inputs.programDirectory, directory);
    return {directory.string(), false};
}

std::string RunDirectory() { return ProcessLayout().directory; }

bool PortableLayout() { return ProcessLayout().portable; }

}  // namespace dq
