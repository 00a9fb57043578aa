#include "core/window/SafeFileWrite.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace tagsmith {

namespace fs = std::filesystem;

namespace {

std::string LastSystemError(int fallback) {
    return std::strerror(errno != 0 ? errno : fallback);
}

}  // namespace

std::string ReplaceFileContent(const fs::path& path, std::string_view bytes) {
    if (path.empty()) return std::strerror(ENOENT);
    fs::path temporary = path;
    temporary += ".tmp";
    errno = 0;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return LastSystemError(EACCES);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            const std::string description = LastSystemError(EIO);
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return description;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return error.message();
    }
    return {};
}

}  // namespace tagsmith
