#include "unattended/command_line.h"

#include <string_view>

#include "unattended/exit_status.h"
#include "health/check_run.h"
#include "unattended/generate_run.h"
#include "workbench/run_directory.h"

namespace dq {
namespace {

constexpr std::string_view kOutputPrefix = "--output=";

// Arguments that are not ours are left to the window toolkit (-platform, -style, ...).
bool IsOurs(std::string_view argument) {
    return argument == "--generate" || argument == "--check-sources" || argument == "--print" ||
           argument == "--post" || argument == "--output" || argument.starts_with(kOutputPrefix) ||
           argument == "--help";
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool outputGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--generate" || argument == "--check-sources") {
            const auto mode = argument == "--generate" ? CommandLine::Mode::Generate
                                                       : CommandLine::Mode::CheckSources;
            if (line.mode != CommandLine::Mode::Window && line.mode != mode)
                return {{}, "--generate and --check-sources exclude each other"};
            line.mode = mode;
        } else if (argument == "--help") {
            line.mode = CommandLine::Mode::Help;
            return {line, {}};
        } else if (argument == "--print") {
            line.print = true;
        } else if (argument == "--post") {
            line.post = true;
        } else if (argument == "--output" || argument.starts_with(kOutputPrefix)) {
            if (argument == "--output") {
                if (i + 1 == arguments.size()) return {{}, "--output needs a file name"};
                line.output = arguments[++i];
            } else {
                line.output = std::string(argument.substr(kOutputPrefix.size()));
            }
            if (line.output.empty()) return {{}, "--output needs a file name"};
            outputGiven = true;
        } else if (argument.starts_with("--")) {
            return {{}, "unknown option " + std::string(argument)};
        }
    }
    if ((outputGiven || line.print || line.post) && line.mode != CommandLine::Mode::Generate)
        return {{}, "--output, --print and --post go with --generate"};
    if (outputGiven && line.print) return {{}, "--output and --print exclude each other"};
    return {line, {}};
}

void PrintUsage(std::ostream& out) {
    out << "Usage: dawnquill                 open the window\n"
           "       dawnquill --generate [--output PATH | --print] [--post]\n"
           "                 build the morning briefing from the saved presets without a window\n"
           "                 and write it to wx.txt (or PATH, or standard output as UTF-8);\n"
           "                 --post also posts it to every enabled group robot (群机器人.ini)\n"
           "       dawnquill --check-sources\n"
           "                 try every built-in news source and the chosen custom source and\n"
           "                 print what each gives\n"
           "\n"
           "Exit status of --generate: 0 written; 2 the presets lack a city or a chosen news\n"
           "source; 3 the briefing could not be written; 4 the news extraction failed; 5 a\n"
           "group robot refused the post or could not be reached. The first of 3, 4, 5 that\n"
           "applies wins.\n"
           "Exit status of --check-sources: 0 every built-in source matches; 1 one or more\n"
           "match nothing.\n";
}

std::optional<int> RunWithoutWindow(const std::vector<std::string>& arguments, std::ostream& out,
                                    std::ostream& err) {
    bool ours = false;
    for (const std::string& argument : arguments) ours = ours || IsOurs(argument);
    if (!ours) return std::nullopt;

    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.line) {
        err << "dawnquill: " << parsed.error << "\n";
        PrintUsage(err);
        return exit_status::kUsage;
    }
    const CommandLine& line = *parsed.line;
    switch (line.mode) {
        case CommandLine::Mode::Help:
            PrintUsage(out);
            return exit_status::kDone;
        case CommandLine::Mode::Generate:
            return RunGenerate({RunDirectory(), line.output, line.print, line.post}, out, err);
        case CommandLine::Mode::CheckSources:
            return RunCheckSources(RunDirectory(), out, err);
        case CommandLine::Mode::Window:
            break;
    }
    return std::nullopt;
}

}  // namespace dq
