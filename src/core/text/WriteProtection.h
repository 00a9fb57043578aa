#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>

#include "core/text/FileSystemCalls.h"

namespace tagsmith {

// True when the file is not to be written by this user. The system's answer (access) decides for
// an ordinary user; the superuser, whom the system lets write anything, is held to the permission
// bits: a file without any write bit (0444) stays as it is.
bool IsWriteProtected(FileSystemCalls& files, const std::string& path, const struct stat& status,
                      uid_t effectiveUser);

}  // namespace tagsmith
