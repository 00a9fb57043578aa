#include "core/editor/TemporaryFile.h"

#include <filesystem>

#include "core/editor/ReadFileInBlocks.h"

namespace tagsmith {

namespace {

constexpr std::size_t kBufferSize = 65536;
constexpr mode_t kPermissionBits = 07777;

std::string FolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

}  // namespace

TemporaryFile::TemporaryFile(FileSystemCalls& files, const std::string& target)
    : m_files(files), m_target(target) {
    // A hidden name, so that a web server does not publish it while it exists.
    std::string nameTemplate = FolderOf(target) + "/.tagsmith-XXXXXX";
    m_fd = m_files.CreateUnique(nameTemplate);
    if (m_fd < 0) ThrowLastError(nameTemplate);
    m_path = nameTemplate;
    m_buffer.reserve(kBufferSize);
}

TemporaryFile::~TemporaryFile() {
    CloseQuietly();
    if (!m_committed) m_files.Remove(m_path);
}

void TemporaryFile::Write(std::string_view bytes) {
    if (m_buffer.size() + bytes.size() > kBufferSize) Flush();
    if (bytes.size() >= kBufferSize) {
        m_buffer.assign(bytes);
        Flush();
    } else {
        m_buffer.append(bytes);
    }
}

void TemporaryFile::Flush() {
    std::size_t done = 0;
    while (done < m_buffer.size()) {
        const ssize_t count = m_files.Write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (count < 0) ThrowLastError(m_path);
        done += static_cast<std::size_t>(count);
    }
    m_buffer.clear();
}

void TemporaryFile::Finish(const struct stat& like) {
    Flush();
    // Only a privileged user may hand a file to another owner; otherwise the owner is ours. The
    // owner goes first, since changing it clears the set-user and set-group bits.
    m_files.SetOwner(m_fd, like.st_uid, like.st_gid);
    if (m_files.SetMode(m_fd, like.st_mode & kPermissionBits) != 0) ThrowLastError(m_path);
    if (m_files.Sync(m_fd) != 0) ThrowLastError(m_path);
    const int fd = m_fd;
    m_fd = -1;
    if (m_files.Close(fd) != 0) ThrowLastError(m_path);
}

void TemporaryFile::Commit() {
    if (m_files.Rename(m_path, m_target) != 0) ThrowLastError(m_target);
    m_committed = true;
    m_files.SyncFolder(FolderOf(m_target));
}

void TemporaryFile::CloseQuietly() {
    if (m_fd >= 0) m_files.Close(m_fd);
    m_fd = -1;
}

}  // namespace tagsmith
