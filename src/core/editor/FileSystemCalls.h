#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace tagsmith {

// The file-system calls of the document editor. Each behaves as the POSIX call it wraps (a
// result of -1 with errno set on failure); tests derive from it to make one call fail.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;

    virtual int OpenForReading(const std::string& path);
    virtual ssize_t Read(int fd, char* buffer, std::size_t size);
    // Creates a new file from a template ending in "XXXXXX" (as mkstemp), which it completes.
    virtual int CreateUnique(std::string& nameTemplate);
    virtual ssize_t Write(int fd, const char* data, std::size_t size);
    virtual int Status(const std::string& path, struct stat& status);
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
