#pragma once

#include <filesystem>

namespace vd {

// One running copy per machine: an exclusive lock on a file every user can open. The lock is
// held until this object goes, and the system drops it if the process dies.
class InstanceLock {
public:
    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

    // False when another process holds the lock.
    bool TryAcquire(const std::filesystem::path& file);
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace vd
