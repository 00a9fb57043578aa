#include "core/editor/ReadFileInBlocks.h"

#include <cerrno>
#include <system_error>
#include <vector>

namespace tagsmith {

namespace {

constexpr std::size_t kBlockSize = 65536;

// Closes the descriptor when the reading ends, by whatever way.
class ReadHandle {
public:
    ReadHandle(FileSystemCalls& files, int fd) : m_files(files), m_fd(fd) {}
    ~ReadHandle() { m_files.Close(m_fd); }
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;

private:
    FileSystemCalls& m_files;
    int m_fd;
};

}  // namespace

void ReadFileInBlocks(FileSystemCalls& files, const std::string& path,
                      const std::function<void(std::string_view)>& sink) {
    const int fd = files.OpenForReading(path);
    if (fd < 0) ThrowLastError(path);
    const ReadHandle handle(files, fd);
    std::vector<char> block(kBlockSize);
    for (;;) {
        const ssize_t count = files.Read(fd, block.data(), block.size());
        if (count < 0) ThrowLastError(path);
        if (count == 0) break;
        sink(std::string_view(block.data(), static_cast<std::size_t>(count)));
    }
}

}  // namespace tagsmith
