#pragma once

#include <sys/stat.h>

#include <string>

#include "core/text/FileSystemCalls.h"

namespace tagsmith {

// A file's bytes and its status as of the opening (for FileIdentity::Of).
struct FileContent {
    std::string bytes;
    struct stat status {};
};

// Reads a regular file whole, into a string of its size. A FIFO, a device or a folder is refused
// with FileRefusedError(NotRegular) without blocking on it; a failure throws std::system_error.
FileContent ReadRegularFile(FileSystemCalls& files, const std::string& path);

}  // namespace tagsmith
