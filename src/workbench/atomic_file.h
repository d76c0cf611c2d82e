// Whole-file writes that never leave a half-written file behind.
#pragma once

#include <string>
#include <string_view>

namespace dq {

// Writes bytes to a temporary file beside path, flushes it and renames it over path. Returns
// an empty string on success, else the reason (as the system reports it, UTF-8); path is then
// left as it was. mode: the permission bits the written file gets (less the umask); files that
// hold secrets pass 0600.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                unsigned mode = 0644);

}  // namespace dq
