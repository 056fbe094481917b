#include "support/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace vd {
namespace {

std::runtime_error FileError(const std::filesystem::path& path, int error) {
    return std::runtime_error(path.string() + ": " + std::strerror(error));
}

// Owns a POSIX file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileError(path, errno ? errno : ENOENT);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw FileError(path, errno);
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::string temp = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    FileDescriptor fd(::mkstemp(temp.data()));
    if (fd.Get() < 0) throw FileError(path, errno);
    auto fail = [&](int error) {
        ::unlink(temp.c_str());
        return FileError(path, error);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd.Get(), bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    ::fchmod(fd.Get(), 0644);
    if (::fsync(fd.Get()) != 0) throw fail(errno);
    if (::close(fd.Release()) != 0) throw fail(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0) throw fail(errno);
}

}  // namespace vd
