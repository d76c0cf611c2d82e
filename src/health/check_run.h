// dawnquill --check-sources: the health check of every news source as a table on standard
// output, without a window.
#pragma once

#include <ostream>
#include <string>

namespace dq {

// directory: where 配置文件.ini lives (for the chosen custom source). Returns 1 when a built-in
// source matches nothing, else 0.
int RunCheckSources(const std::string& directory, std::ostream& out, std::ostream& err);

}  // namespace dq
