#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tagsmith {

enum class LineEnd { None, Lf, CrLf, Cr };

// Reads a file line by line without holding it whole. A line ends at LF, at CR LF or at a lone
// CR; the terminator is not part of the line. Bytes are returned as they stand in the file.
class TextLineReader {
public:
    static constexpr std::size_t kDefaultBufferSize = 65536;

    TextLineReader() = default;
    // A reader with a buffer of the given size (at least 1 byte; tests use tiny buffers).
    explicit TextLineReader(std::size_t bufferSize);

    bool Open(const std::filesystem::path& path);
    void Close();
    bool IsOpen() const { return m_file.is_open(); }
    // Skips a UTF-8 byte-order mark if the file starts with one. Call right after Open.
    void SkipUtf8Bom();
    // Reads the next line; false at the end of the file (or on a read error, see Failed()).
    bool ReadLine(std::string& line, LineEnd* end = nullptr);
    bool Failed() const { return m_failed; }

private:
    bool Fill();
    std::size_t NextOf(char c) const;

    std::ifstream m_file;
    std::size_t m_bufferSize = kDefaultBufferSize;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_size = 0;
    // The next LF and CR at or after m_pos in the buffer (m_size when none), each searched again
    // only once passed, so that a buffer is searched once whatever its line ends.
    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
    std::size_t m_nextLf = kUnknown;
    std::size_t m_nextCr = kUnknown;
    bool m_eof = false;
    bool m_failed = false;
};

}  // namespace tagsmith
