#include "core/text/TextLineReader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "core/text/TextEncoding.h"

namespace tagsmith {

TextLineReader::TextLineReader(std::size_t bufferSize)
    : m_bufferSize(std::max<std::size_t>(bufferSize, 1)) {}

bool TextLineReader::Open(const std::filesystem::path& path) {
    Close();
    m_file.open(path, std::ios::binary);
    return m_file.is_open();
}

void TextLineReader::Close() {
    if (m_file.is_open()) m_file.close();
    m_file.clear();
    m_buffer.clear();
    m_pos = 0;
    m_size = 0;
    m_nextLf = kUnknown;
    m_nextCr = kUnknown;
    m_eof = false;
    m_failed = false;
}

std::size_t TextLineReader::NextOf(char c) const {
    const void* found = std::memchr(m_buffer.data() + m_pos, c, m_size - m_pos);
    return found == nullptr
               ? m_size
               : static_cast<std::size_t>(static_cast<const char*>(found) - m_buffer.data());
}

bool TextLineReader::Fill() {
    if (m_pos < m_size) return true;
    m_pos = 0;
    m_size = 0;
    m_nextLf = kUnknown;
    m_nextCr = kUnknown;
    if (m_eof || m_failed || !m_file.is_open()) return false;
    if (m_buffer.size() != m_bufferSize) m_buffer.resize(m_bufferSize);
    m_file.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_size = static_cast<std::size_t>(m_file.gcount());
    if (m_file.bad()) {
        m_failed = true;
        m_eof = true;
        m_size = 0;
        return false;
    }
    if (m_file.eof()) m_eof = true;
    return m_size > 0;
}

void TextLineReader::SkipUtf8Bom() {
    if (!m_file.is_open() || m_size != 0 || m_eof) return;  // only before the first read
    std::array<char, 3> head{};
    m_file.read(head.data(), static_cast<std::streamsize>(head.size()));
    if (m_file.gcount() == 3 && std::string_view(head.data(), head.size()) == kUtf8Bom) return;
    m_file.clear();
    m_file.seekg(0);
}

bool TextLineReader::ReadLine(std::string& line, LineEnd* end) {
    line.clear();
    bool gotAny = false;
    while (Fill()) {
        gotAny = true;
        const char* const begin = m_buffer.data() + m_pos;
        const char* const stop = m_buffer.data() + m_size;
        if (m_nextLf == kUnknown || m_nextLf < m_pos) m_nextLf = NextOf('\n');
        if (m_nextCr == kUnknown || m_nextCr < m_pos) m_nextCr = NextOf('\r');
        const char* const found = m_buffer.data() + std::min(m_nextLf, m_nextCr);
        line.append(begin, found);
        m_pos += static_cast<std::size_t>(found - begin);
        if (found == stop) continue;

        ++m_pos;
        LineEnd terminator = LineEnd::Lf;
        if (*found == '\r') {
            terminator = LineEnd::Cr;
            // The LF of a CR LF may start the next buffer.
            if (Fill() && m_buffer[m_pos] == '\n') {
                ++m_pos;
                terminator = LineEnd::CrLf;
            }
        }
        if (end != nullptr) *end = terminator;
        return true;
    }
    if (end != nullptr) *end = LineEnd::None;
    return gotAny && !m_failed;
}

}  // namespace tagsmith
