// Runs a shell command and reads what it writes to standard output, for the tests that set
// our results beside another program's (node as the ECMAScript reference).
#pragma once

#include <array>
#include <cstdio>
#include <optional>
#include <string>

namespace dq::testing {

// The command's standard output, or nothing when it could not be started or exited non-zero.
inline std::optional<std::string> CommandOutput(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    std::array<char, 65536> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        out.append(buffer.data(), n);
    if (pclose(pipe) != 0) return std::nullopt;
    return out;
}

// True when node is on the PATH; the comparison tests skip without it.
inline bool NodeAvailable() { return CommandOutput("command -v node >/dev/null 2>&1").has_value(); }

}  // namespace dq::testing
