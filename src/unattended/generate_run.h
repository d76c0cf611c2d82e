// dawnquill --generate: the one-click briefing from the saved presets, without a window.
//
// The saved choices are restored into a form that is never shown, exactly as the main window
// restores them at start (plus the saved short-link interface, which the window only has once
// the user fetches the list); then the same weather, news and quote code runs on it and the
// briefing goes to wx.txt in the run directory, to another file, or to standard output.
// Messages the window would show become lines on standard error, with progress lines between.
// With post, the briefing then goes to every enabled group robot stored in the directory,
// whether or not it could be written (the group still gets its briefing), one line per robot.
#pragma once

#include <ostream>
#include <string>

namespace dq {

struct GenerateOptions {
    std::string directory;  // where 配置文件.ini and, by default, wx.txt live
    std::string output;     // the file to write instead of wx.txt; empty for wx.txt
    bool print = false;     // the briefing to `out` as UTF-8 instead of to a file
    bool post = false;      // also to the enabled group robots of 群机器人.ini in directory
};

// Returns the exit status (exit_status.h): of a failed write, a failed news extraction and a
// failed post, the first that applies.
int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err);

}  // namespace dq
