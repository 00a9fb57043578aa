#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace tagsmith {

// The file-system calls of the code that reads and replaces files. Each behaves as the POSIX
// call it wraps (a result of -1 with errno set on failure); tests derive from it to make one call
// fail or to change a file at a chosen moment.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;

    // Opens for reading without waiting: a FIFO or a device does not block the open.
    virtual int OpenForReading(const std::string& path);
    virtual ssize_t Read(int fd, char* buffer, std::size_t size);
    // Creates a new file that did not exist (O_CREAT | O_EXCL), readable and writable by its
    // owner alone, open for writing.
    virtual int CreateExclusive(const std::string& path);
    virtual ssize_t Write(int fd, const char* data, std::size_t size);
    virtual int Status(const std::string& path, struct stat& status);
    virtual int StatusOf(int fd, struct stat& status);
    // 0 when the calling user may write the file (as access with W_OK).
    virtual int CheckWritable(const std::string& path);
    virtual int SetMode(int fd, mode_t mode);
    virtual int SetOwner(int fd, uid_t owner, gid_t group);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const std::string& from, const std::string& to);
    virtual int Remove(const std::string& path);
    // Makes a rename inside the folder durable (fsync of the folder).
    virtual int SyncFolder(const std::string& folder);
};

}  // namespace tagsmith
