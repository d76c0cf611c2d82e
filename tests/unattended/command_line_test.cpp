#include "unattended/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "unattended/exit_status.h"

namespace dq {
namespace {

using Mode = CommandLine::Mode;

TEST(CommandLine, ReadsTheOptionsOfTheRunsWithoutAWindow) {
    struct Case {
        std::vector<std::string> arguments;
        Mode mode;
        std::string output;
        bool print;
        bool post = false;
    };
    const Case cases[] = {
        {{}, Mode::Window, "", false},
        {{"-platform", "offscreen"}, Mode::Window, "", false},
        {{"--generate"}, Mode::Generate, "", false},
        {{"--generate", "--print"}, Mode::Generate, "", true},
        {{"--output", "/tmp/a b.txt", "--generate"}, Mode::Generate, "/tmp/a b.txt", false},
        {{"--generate", "--output=today.txt"}, Mode::Generate, "today.txt", false},
        {{"--generate", "--help"}, Mode::Help, "", false},
        {{"--generate", "--post"}, Mode::Generate, "", false, true},
        {{"--post", "--output", "x.txt", "--generate"}, Mode::Generate, "x.txt", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
        ASSERT_TRUE(parsed.line) << parsed.error;
        EXPECT_EQ(parsed.line->mode, c.mode);
        EXPECT_EQ(parsed.line->output, c.output);
        EXPECT_EQ(parsed.line->print, c.print);
        EXPECT_EQ(parsed.line->post, c.post);
    }
}

TEST(CommandLine, RefusesWhatItDoesNotUnderstandWithUsageOnStandardError) {
    const std::vector<std::vector<std::string>> refused = {
        {"--generate", "--output"},
        {"--generate", "--output="},
        {"--generate", "--print", "--output", "x"},
        {"--print"},
        {"--post"},
        {"--check-sources", "--post"},
        {"--generate", "--frobnicate"},
    };
    for (const auto& arguments : refused) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        std::ostringstream out, err;
        EXPECT_EQ(RunWithoutWindow(arguments, out, err), exit_status::kUsage);
        EXPECT_EQ(out.str(), "");
        EXPECT_NE(err.str().find("Usage: dawnquill"), std::string::npos) << err.str();
    }
}

TEST(CommandLine, LeavesTheWindowToTheToolkitWithoutOptionsOfOurs) {
    std::ostringstream out, err;
    EXPECT_EQ(RunWithoutWindow({"-style", "fusion"}, out, err), std::nullopt);
    EXPECT_EQ(RunWithoutWindow({"--help"}, out, err), exit_status::kDone);
    EXPECT_NE(out.str().find("--generate"), std::string::npos);
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace dq
