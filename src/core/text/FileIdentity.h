#pragma once

#include <sys/stat.h>

#include <cstdint>

namespace tagsmith {

// What tells one version of a file from another without reading it: the device and inode (a
// file saved by renaming a new one over it is another inode), the size and the modification time
// to the nanosecond.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    static FileIdentity Of(const struct stat& status) {
        return {static_cast<std::uint64_t>(status.st_dev),
                static_cast<std::uint64_t>(status.st_ino),
                static_cast<std::int64_t>(status.st_size),
                static_cast<std::int64_t>(status.st_mtim.tv_sec),
                static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
    }
    bool operator==(const FileIdentity&) const = default;
};

}  // namespace tagsmith
