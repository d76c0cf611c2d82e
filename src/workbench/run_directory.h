// Where the program keeps its files: the directory of the running program file.
#pragma once

#include <string>

namespace dq {

// The directory of the running program file, without a trailing slash.
std::string RunDirectory();

}  // namespace dq
