#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tagsmith {

// Replaces the file's content as one step: the bytes go to a temporary file beside it, which is
// then renamed over the file, so a failure leaves the previous file whole. Returns "" on
// success, else the system's description of the failure (the temporary file is removed).
std::string ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tagsmith
