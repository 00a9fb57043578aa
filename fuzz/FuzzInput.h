#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tagsmith::fuzz {

// The readers under test take a path: each input is written to a file of this process's own,
// with the extension the reader expects.
inline std::string WriteInputFile(std::string_view bytes, const std::string& extension) {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("tagsmith-fuzz-" + std::to_string(::getpid()) + extension))
                                        .string();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

inline std::string_view AsView(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Takes the first byte off the input (0 when it is empty).
inline std::uint8_t TakeByte(std::string_view& input) {
    if (input.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(input.front());
    input.remove_prefix(1);
    return byte;
}

}  // namespace tagsmith::fuzz
