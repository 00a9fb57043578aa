#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/editor/FileSystemCalls.h"

namespace tagsmith {

// Reads the whole file in blocks and hands each block to sink. Throws std::system_error with the
// system's reason when the file cannot be opened or read.
void ReadFileInBlocks(FileSystemCalls& files, const std::string& path,
                      const std::function<void(std::string_view)>& sink);

// A std::system_error for the errno of the call that has just failed.
[[noreturn]] void ThrowLastError(const std::string& what);

}  // namespace tagsmith
