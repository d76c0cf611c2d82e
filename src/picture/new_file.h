// Writing a file that did not exist before, under a free name: an existing file is never
// replaced and nothing half-written or temporary is ever left in the directory.
#pragma once

#include <string>
#include <string_view>

namespace dq {

struct NewFile {
    std::string path;   // the file written (UTF-8 path); empty on failure
    std::string error;  // the reason as the system gives it; empty on success
};

// Writes bytes into directory as stem + extension, or, when that name is taken,
// stem + "(2)" + extension, stem + "(3)" + extension, ... The bytes go to a uniquely named
// temporary file first, are flushed to disk and then take the free name with a link that
// fails instead of replacing (a rename that does not replace where links are not supported),
// so two writers never take the same name and a reader never sees part of a file.
NewFile WriteNewFile(const std::string& directory, const std::string& stem,
                     const std::string& extension, std::string_view bytes);

// The name that WriteNewFile tries at attempt (1 for the first).
std::string FreeNameCandidate(const std::string& stem, const std::string& extension, int attempt);

}  // namespace dq
