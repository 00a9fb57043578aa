#include "core/scanner/FileClassifier.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "core/text/FileUtilities.h"

namespace tagsmith {
namespace {

constexpr std::size_t kBlockSize = 16384;

bool IsTextByte(unsigned char b) {
    return b >= 32 || b == 9 || b == 12 || b == 8;
}

}  // namespace

FileTextClass ClassifyFileText(const std::string& fileName) {
    FileTextClass found;
    if (fileName.empty() || !FileExists(fileName)) return found;

    std::error_code error;
    const auto length = std::filesystem::file_size(fileName, error);
    if (error) {
        found.result = FileTextClass::kUnreadable;
        return found;
    }
    if (length == 0) {
        found.result = FileTextClass::kEmpty;
        return found;
    }

    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        found.result = FileTextClass::kUnreadable;
        return found;
    }
    Utf8Validator utf8;
    bool lfSeen = false;
    bool crSeen = false;
    std::int64_t position = 0;
    std::array<char, kBlockSize> block{};
    while (file) {
        file.read(block.data(), block.size());
        const std::string_view bytes(block.data(), static_cast<std::size_t>(file.gcount()));
        if (position == 0 && bytes.starts_with(kUtf8Bom)) found.hasUtf8Bom = true;
        for (const char c : bytes) {
            ++position;
            const auto b = static_cast<unsigned char>(c);
            if (b == 10) {
                lfSeen = true;
            } else if (b == 13) {
                crSeen = true;
            } else if (!IsTextByte(b)) {
                found.result = -position;
                return found;
            }
        }
        utf8.Feed(bytes);
    }
    if (file.bad()) {
        found.result = FileTextClass::kUnreadable;
        return found;
    }
    found.encoding = utf8.IsValid() ? TextEncoding::Utf8 : TextEncoding::Windows1252;
    if (lfSeen == crSeen) {
        found.result = FileTextClass::kCrLf;
    } else {
        found.result = lfSeen ? FileTextClass::kLf : FileTextClass::kCr;
    }
    return found;
}

}  // namespace tagsmith
