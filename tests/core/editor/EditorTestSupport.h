#pragma once

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>

#include "core/editor/FileSystemCalls.h"

namespace tagsmith::test {

// The names in a folder, hidden ones included.
inline std::set<std::string> FolderNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// Permission bits do not stop the superuser, so faults made with them need another way there.
inline bool RunningAsRoot() {
    return ::geteuid() == 0;
}

// The real calls, with chosen ones made to fail with a given errno.
class FaultyFileSystemCalls : public FileSystemCalls {
public:
    int failCreateWith = 0;
    int failOpenWith = 0;
    int failSyncWith = 0;
    // Bytes the disk takes before it is full; negative for no limit.
    long long diskSpace = -1;
    // A rename onto this path fails with failRenameWith.
    std::string failRenameTo;
    int failRenameWith = 0;

    int CreateUnique(std::string& nameTemplate) override {
        if (failCreateWith != 0) return Fail(failCreateWith);
        return FileSystemCalls::CreateUnique(nameTemplate);
    }
    int OpenForReading(const std::string& path) override {
        if (failOpenWith != 0) return Fail(failOpenWith);
        return FileSystemCalls::OpenForReading(path);
    }
    ssize_t Write(int fd, const char* data, std::size_t size) override {
        if (diskSpace < 0) return FileSystemCalls::Write(fd, data, size);
        if (diskSpace == 0) return Fail(ENOSPC);
        const std::size_t part = std::min<std::size_t>(size, static_cast<std::size_t>(diskSpace));
        const ssize_t written = FileSystemCalls::Write(fd, data, part);
        if (written > 0) diskSpace -= written;
        return written;
    }
    int Sync(int fd) override {
        if (failSyncWith != 0) return Fail(failSyncWith);
        return FileSystemCalls::Sync(fd);
    }
    int Rename(const std::string& from, const std::string& to) override {
        if (!failRenameTo.empty() && to == failRenameTo) return Fail(failRenameWith);
        return FileSystemCalls::Rename(from, to);
    }

private:
    static int Fail(int error) {
        errno = error;
        return -1;
    }
};

}  // namespace tagsmith::test
