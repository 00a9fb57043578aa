#include "core/engine/ListFileClass.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

namespace tagsmith {

ListFileClass ClassifyListFile(const std::filesystem::path& path, std::size_t maximum,
                               int& offending) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
        return ListFileClass::Missing;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) return ListFileClass::Missing;
    if (file.peek() == std::ifstream::traits_type::eof()) return ListFileClass::Empty;

    bool lineFeedSeen = false;
    bool carriageReturnSeen = false;
    std::array<char, 16384> piece{};
    std::size_t looked = 0;
    while (looked < maximum && file) {
        const std::size_t wanted = std::min(piece.size(), maximum - looked);
        file.read(piece.data(), static_cast<std::streamsize>(wanted));
        const auto got = static_cast<std::size_t>(file.gcount());
        if (got == 0) break;
        for (std::size_t k = 0; k < got; ++k) {
            const auto c = static_cast<unsigned char>(piece[k]);
            if (c == 10) {
                lineFeedSeen = true;
            } else if (c == 13) {
                carriageReturnSeen = true;
            } else if (c < 32 && c != 8 && c != 9 && c != 12) {
                offending = c;
                return ListFileClass::ControlCharacter;
            }
        }
        looked += got;
    }
    if (carriageReturnSeen && !lineFeedSeen) return ListFileClass::Cr;
    if (lineFeedSeen && !carriageReturnSeen) return ListFileClass::Lf;
    return ListFileClass::CrLf;
}

}  // namespace tagsmith
