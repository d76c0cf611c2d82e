// Whole-file writes that never leave a half-written file behind.
#pragma once

#include <string>
#include <string_view>

namespace dq {

// Writes bytes to a uniquely named temporary file beside path, flushes it to disk and renames
// it over path, then flushes the directory. A symbolic link is written through to the file it
// ends at; a file without write permission is refused, not replaced. Temporaries that killed
// writers left beside path are removed. Returns an empty string on success, else the reason
// (as the system reports it, UTF-8); path is then left as it was.
// mode: the permission bits a new file gets (less the umask); a file that exists keeps its
// own, except that a private mode (no group or other bits, as files that hold secrets pass:
// 0600) takes the group and other bits away.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                unsigned mode = 0644);

}  // namespace dq
