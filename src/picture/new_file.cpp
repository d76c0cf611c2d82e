#include "picture/new_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "workbench/file_writing.h"

namespace dq {
namespace {

using file_writing::NewFileMode;
using file_writing::Reason;
using file_writing::SyncDirectory;

// Enough for every export of one second; a directory with more clashing names is refused.
constexpr int kMaxAttempts = 1000;

// Removes the temporary file on every way out unless it has been renamed away.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }
    void renamedAway() { path_.clear(); }

private:
    std::string path_;
};

// Writes all bytes, flushes them to disk, closes fd; 0 or the errno of the first failure.
int WriteAndClose(int fd, std::string_view bytes) {
    int error = 0;
    if (!file_writing::WriteAll(fd, bytes)) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

// Gives the temporary file the name target unless target exists: 0, EEXIST or another errno.
int TakeName(TemporaryFile& temporary, const std::string& target) {
    if (::link(temporary.path().c_str(), target.c_str()) == 0) return 0;
    if (errno == EEXIST) return EEXIST;
    // File systems without hard links: the rename that refuses to replace.
    if (::renameat2(AT_FDCWD, temporary.path().c_str(), AT_FDCWD, target.c_str(),
                    RENAME_NOREPLACE) == 0) {
        temporary.renamedAway();
        return 0;
    }
    return errno;
}

}  // namespace

std::string FreeNameCandidate(const std::string& stem, const std::string& extension,
                              int attempt) {
    if (attempt <= 1) return stem + extension;
    return stem + "(" + std::to_string(attempt) + ")" + extension;
}

NewFile WriteNewFile(const std::string& directory, const std::string& stem,
                     const std::string& extension, std::string_view bytes) {
    std::string pattern = directory + "/.dq-new-file-XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return {{}, Reason(errno)};
    TemporaryFile temporary(pattern);
    if (::fchmod(fd, NewFileMode(0644)) != 0) {
        const int error = errno;
        ::close(fd);
        return {{}, Reason(error)};
    }
    if (const int error = WriteAndClose(fd, bytes)) return {{}, Reason(error)};
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        const std::string target =
            directory + "/" + FreeNameCandidate(stem, extension, attempt);
        const int error = TakeName(temporary, target);
        if (error == EEXIST) continue;
        if (error != 0) return {{}, Reason(error)};
        SyncDirectory(directory);
        return {target, {}};
    }
    return {{}, Reason(EEXIST)};
}

}  // namespace dq
