#include "core/text/FileSystemCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tagsmith {

int FileSystemCalls::OpenForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

ssize_t FileSystemCalls::Read(int fd, char* buffer, std::size_t size) {
    ssize_t result = 0;
    do {
        result = ::read(fd, buffer, size);
    } while (result < 0 && errno == EINTR);
    return result;
}

int FileSystemCalls::CreateExclusive(const std::string& path) {
    int result = 0;
    do {
        result = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    } while (result < 0 && errno == EINTR);
    return result;
}

ssize_t FileSystemCalls::Write(int fd, const char* data, std::size_t size) {
    ssize_t result = 0;
    do {
        result = ::write(fd, data, size);
    } while (result < 0 && errno == EINTR);
    return result;
}

int FileSystemCalls::Status(const std::string& path, struct stat& status) {
    return ::stat(path.c_str(), &status);
}

int FileSystemCalls::StatusOf(int fd, struct stat& status) {
    return ::fstat(fd, &status);
}

int FileSystemCalls::CheckWritable(const std::string& path) {
    return ::access(path.c_str(), W_OK);
}

int FileSystemCalls::SetMode(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int FileSystemCalls::SetOwner(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
}

int FileSystemCalls::Sync(int fd) {
    return ::fsync(fd);
}

int FileSystemCalls::Close(int fd) {
    return ::close(fd);
}

int FileSystemCalls::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str());
}

int FileSystemCalls::Remove(const std::string& path) {
    return ::unlink(path.c_str());
}

int FileSystemCalls::SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    const int result = ::fsync(fd);
    ::close(fd);
    return result;
}

}  // namespace tagsmith
