#include "core/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

bool InstanceLock::TryAcquire(const std::filesystem::path& file) {
    if (fd_ >= 0) return true;
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // A lock file left by another account may be read-only for us; flock works on it all the same.
    if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    // Any user session may take the lock after this one; the umask must not narrow that.
    ::fchmod(fd, 0666);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

}  // namespace vd
