#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/text/FileSystemCalls.h"
#include "core/text/SystemError.h"

namespace tagsmith {

// Reads the whole file in blocks and hands each block to sink. Throws std::system_error with the
// system's reason when the file cannot be opened or read.
void ReadFileInBlocks(FileSystemCalls& files, const std::string& path,
                      const std::function<void(std::string_view)>& sink);

}  // namespace tagsmith
