// The program's command line. Without options the window opens. The options:
//
//   dawnquill --generate [--output PATH | --print] [--post]
//                                  the morning briefing, no window; --post also posts it
//                                  to the enabled group robots
//   dawnquill --check-sources                        every news source tried, as a table
//   dawnquill --help
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dq {

struct CommandLine {
    enum class Mode { Window, Generate, CheckSources, Help };
    Mode mode = Mode::Window;
    std::string output;  // --output PATH
    bool print = false;  // --print
    bool post = false;   // --post
};

// The parsed command line (arguments without the program name), or the reason it is not
// understood.
struct ParsedCommandLine {
    std::optional<CommandLine> line;
    std::string error;
};
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The help text.
void PrintUsage(std::ostream& out);

// Runs the mode without a window and returns its exit status; nothing for the window (no
// option of ours on the command line), which the caller then opens.
std::optional<int> RunWithoutWindow(const std::vector<std::string>& arguments, std::ostream& out,
                                    std::ostream& err);

}  // namespace dq
