// The POSIX steps that the whole-file writes share: writing every byte, the mode a new file
// gets, making a new name durable, and the reason of a failure as the system gives it.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace dq::file_writing {

// Writes all of bytes to fd, going on after interrupted writes; false (errno set) on failure.
bool WriteAll(int fd, std::string_view bytes);

// The mode a new file gets: mode less the process's umask, as open() would give.
mode_t NewFileMode(unsigned mode);

// Flushes the directory, so that a name just given to a file survives a crash. Failures are
// not reported: the file is in place already.
void SyncDirectory(const std::string& directory);

// strerror of error, UTF-8.
std::string Reason(int error);

}  // namespace dq::file_writing
