#include "core/text/SafeFileWriter.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/text/PendingFileRegistry.h"
#include "core/text/SystemError.h"

namespace tagsmith {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBufferSize = 65536;
constexpr mode_t kPermissionBits = 07777;
constexpr int kMostLinks = 40;  // as the kernel's limit on links followed
constexpr int kNameAttempts = 100;

std::string FolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// Six letters or digits for a temporary name.
std::string RandomSuffix() {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(6, 'x');
    for (char& c : suffix) c = kLetters[pick(device)];
    return suffix;
}

}  // namespace

std::string ResolveLinkTarget(const std::string& path) {
    fs::path current = path;
    for (int i = 0; i < kMostLinks; ++i) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) return current.string();
        const fs::path next = fs::read_symlink(current, error);
        if (error) throw std::system_error(error, path);
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    throw std::system_error(ELOOP, std::generic_category(), path);
}

SafeFileWriter::SafeFileWriter(FileSystemCalls& files, const std::string& path,
                               SafeWriteOptions options)
    : m_files(files), m_options(std::move(options)), m_target(ResolveLinkTarget(path)) {
    struct stat status {};
    if (m_files.Status(m_target, status) == 0) {
        m_existing = status;
    } else if (errno != ENOENT) {
        ThrowLastError(m_target);
    }
    CreateTemporary();
    m_buffer.reserve(kBufferSize);
}

SafeFileWriter::~SafeFileWriter() {
    Discard();
}

void SafeFileWriter::CreateTemporary() {
    // A hidden name, so that a web server does not publish it while it exists.
    const std::string prefix = FolderOf(m_target) + "/.tagsmith-";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = prefix + RandomSuffix();
        // Known to the signal handler before it exists, so that no moment leaves it behind.
        const int slot = PendingFileRegistry::Remember(candidate);
        const int fd = m_files.CreateExclusive(candidate);
        PendingFileRegistry::Created();
        if (fd >= 0) {
            m_fd = fd;
            m_slot = slot;
            m_temporary = std::move(candidate);
            return;
        }
        const int error = errno;
        PendingFileRegistry::Forget(slot);
        if (error != EEXIST) {
            errno = error;
            ThrowLastError(candidate);
        }
    }
    errno = EEXIST;
    ThrowLastError(prefix);
}

void SafeFileWriter::Write(std::string_view bytes) {
    if (m_buffer.size() + bytes.size() > kBufferSize) Flush();
    if (bytes.size() >= kBufferSize) {
        WriteAll(bytes);  // large pieces go straight to the file, without a copy
    } else {
        m_buffer.append(bytes);
    }
}

void SafeFileWriter::WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = m_files.Write(m_fd, bytes.data(), bytes.size());
        if (count < 0) ThrowLastError(m_temporary);
        if (count == 0) {
            errno = EIO;
            ThrowLastError(m_temporary);
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

void SafeFileWriter::Flush() {
    WriteAll(m_buffer);
    m_buffer.clear();
}

void SafeFileWriter::Finish() {
    if (m_finished) return;
    Flush();
    const struct stat* like = m_options.like != nullptr ? m_options.like
                              : m_existing              ? &*m_existing
                                                        : nullptr;
    mode_t mode = m_options.newFileMode;
    if (like != nullptr) {
        // Only a privileged user may hand a file to another owner; otherwise the owner stays
        // ours. The owner goes first, since changing it clears the set-user and set-group bits.
        m_files.SetOwner(m_fd, like->st_uid, like->st_gid);
        mode = like->st_mode;
    }
    if (m_files.SetMode(m_fd, mode & kPermissionBits) != 0) ThrowLastError(m_temporary);
    if (m_files.Sync(m_fd) != 0) ThrowLastError(m_temporary);
    const int fd = m_fd;
    m_fd = -1;
    if (m_files.Close(fd) != 0) ThrowLastError(m_temporary);
    m_finished = true;
}

void SafeFileWriter::CheckUnchanged() {
    if (!m_options.expected) return;
    struct stat status {};
    if (m_files.Status(m_target, status) != 0 || FileIdentity::Of(status) != *m_options.expected) {
        throw FileRefusedError(FileRefusedError::Reason::Changed, m_target);
    }
}

void SafeFileWriter::Commit() {
    Finish();
    CheckUnchanged();
    PendingFileRegistry::WaitIfClosed();
    if (m_files.Rename(m_temporary, m_target) != 0) ThrowLastError(m_target);
    m_committed = true;
    PendingFileRegistry::Forget(m_slot);
    m_slot = -1;
    // The new content is in place; a folder that cannot be synced changes nothing of that.
    m_files.SyncFolder(FolderOf(m_target));
}

void SafeFileWriter::Discard() noexcept {
    if (m_fd >= 0) m_files.Close(m_fd);
    m_fd = -1;
    if (!m_committed && !m_temporary.empty()) m_files.Remove(m_temporary);
    PendingFileRegistry::Forget(m_slot);
    m_slot = -1;
}

}  // namespace tagsmith
