#include "workbench/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "workbench/file_writing.h"

namespace dq {
namespace {

using file_writing::NewFileMode;
using file_writing::Reason;
using file_writing::SyncDirectory;
using file_writing::WriteAll;

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::string_view kUniqueSuffix = "XXXXXX";  // mkstemp's placeholder
constexpr int kMaxLinkHops = 40;                       // as the kernel allows

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links ends at (path itself when it is no link). Writing goes
// there, so the links stay links and their targets do not go stale.
std::string FollowLinks(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat link {};
        if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer - 1);
        if (n < 0) return path;
        std::string target(buffer, static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    return path;
}

// An existing file without any write permission is the user's protection: it is refused
// even to a user (root) whom the system would let write.
bool Writable(const std::string& path, const struct stat& old) {
    return (old.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

// The mode the replacing file gets: the old file's, never looser; a private mode also takes
// the group and other bits away.
mode_t KeptMode(const struct stat& old, unsigned mode) {
    mode_t kept = old.st_mode & 07777;
    if ((mode & 077) == 0) kept &= ~static_cast<mode_t>(077);
    return kept;
}

// Removes the temporaries of path that writers killed midway left behind. A living writer
// holds a lock on its temporary until it is renamed, so a temporary that can be locked has
// no writer any more.
void RemoveStaleTemporaries(const std::string& path) {
    const std::string prefix = BaseNameOf(path) + std::string(kTemporaryMark);
    const std::string directory = DirectoryOf(path);
    DIR* listing = ::opendir(directory.c_str());
    if (listing == nullptr) return;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix) || name.size() != prefix.size() + kUniqueSuffix.size())
            continue;
        const std::string stale = directory + "/" + std::string(name);
        const int fd = ::open(stale.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(stale.c_str());
        ::close(fd);
    }
    ::closedir(listing);
}

// A temporary of our own beside target: created exclusively under a unique name, and locked.
// A cleaner may remove it between creation and lock; then another is made.
int CreateTemporary(const std::string& target, std::string& name) {
    for (;;) {
        name = target + std::string(kTemporaryMark) + std::string(kUniqueSuffix);
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0) return -1;
        struct stat own {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &own) == 0 && own.st_nlink > 0) return fd;
        ::close(fd);
    }
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes, unsigned mode) {
    const std::string target = FollowLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !Writable(target, old)) return Reason(EACCES);
    RemoveStaleTemporaries(target);

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return Reason(errno);
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Reason(error);
    };
    if (::fchmod(fd, exists ? KeptMode(old, mode) : NewFileMode(mode)) != 0) return fail(errno);
    if (!WriteAll(fd, bytes)) return fail(errno);
    if (::fsync(fd) != 0) return fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
    ::close(fd);  // releases the lock; the temporary's name is gone already
    SyncDirectory(DirectoryOf(target));
    return {};
}

}  // namespace dq
