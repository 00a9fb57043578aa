#include "core/pipeline/FileClassifier.h"

#include <array>
#include <cstdint>
#include <cstring>
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

// True when one of the eight bytes of the word is below 32: only those need a closer look.
bool HasControlByte(std::uint64_t eight) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    return ((eight - kOnes * 32) & ~eight & kHighBits) != 0;
}

}  // namespace

FileTextClass ClassifyFileText(const std::string& fileName,
                               const std::function<bool()>& betweenBlocks) {
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
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            if (k % 8 == 0 && k + 8 <= bytes.size()) {
                std::uint64_t eight = 0;
                std::memcpy(&eight, bytes.data() + k, sizeof eight);
                if (!HasControlByte(eight)) {
                    position += 8;
                    k += 7;
                    continue;
                }
            }
            ++position;
            const auto b = static_cast<unsigned char>(bytes[k]);
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
        if (betweenBlocks && betweenBlocks()) {
            found.stopped = true;
            return found;
        }
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
