#include "core/text/ReadRegularFile.h"

#include <cerrno>

#include "core/text/SystemError.h"

namespace tagsmith {

namespace {

constexpr std::size_t kGrowth = 65536;

// Closes the descriptor when the reading ends, by whatever way.
class Descriptor {
public:
    Descriptor(FileSystemCalls& files, int fd) : m_files(files), m_fd(fd) {}
    ~Descriptor() { m_files.Close(m_fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

private:
    FileSystemCalls& m_files;
    int m_fd;
};

}  // namespace

FileContent ReadRegularFile(FileSystemCalls& files, const std::string& path) {
    struct stat status {};
    // Looked at before the opening as well, so that nothing is opened that is not a file.
    if (files.Status(path, status) != 0) ThrowLastError(path);
    if (!S_ISREG(status.st_mode))
        throw FileRefusedError(FileRefusedError::Reason::NotRegular, path);
    const int fd = files.OpenForReading(path);
    if (fd < 0) ThrowLastError(path);
    const Descriptor closer(files, fd);
    FileContent content;
    if (files.StatusOf(fd, content.status) != 0) ThrowLastError(path);
    if (!S_ISREG(content.status.st_mode)) {
        throw FileRefusedError(FileRefusedError::Reason::NotRegular, path);
    }
    std::string& bytes = content.bytes;
    // Exactly the size, so that the whole file costs its size once; a file that grows meanwhile
    // is read on to its end.
    bytes.resize(static_cast<std::size_t>(content.status.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = files.Read(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0) ThrowLastError(path);
        if (count == 0) break;
        done += static_cast<std::size_t>(count);
    }
    bytes.resize(done);
    if (done < static_cast<std::size_t>(content.status.st_size)) return content;
    // Whatever was appended since the status was taken (the end is probed with a small block,
    // so that a file of the expected size is not copied into a larger string).
    std::string more(kGrowth, '\0');
    for (;;) {
        const ssize_t count = files.Read(fd, more.data(), more.size());
        if (count < 0) ThrowLastError(path);
        if (count == 0) break;
        bytes.append(more.data(), static_cast<std::size_t>(count));
    }
    return content;
}

}  // namespace tagsmith
