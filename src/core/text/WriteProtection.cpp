#include "core/text/WriteProtection.h"

namespace tagsmith {

bool IsWriteProtected(FileSystemCalls& files, const std::string& path, const struct stat& status,
                      uid_t effectiveUser) {
    if (effectiveUser == 0) return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return files.CheckWritable(path) != 0;
}

}  // namespace tagsmith
