// The program-text file (zpm.dat) holds the numbered user-interface texts in English and German.
//
// Format: text lines in UTF-8 (a file that is not valid UTF-8 is read as Windows-1252; a leading
// byte-order mark is dropped); lines end at LF, CR LF or CR.
//   - A line whose first character other than a space or tab is "#" is a comment; a line of
//     spaces and tabs only is skipped.
//   - Every other line is one text:  NUMBER LANGUAGE TEXT
//     NUMBER is a whole number from 1 to 32767 at the start of the line, LANGUAGE is "en" or "de",
//     each followed by one or more spaces or tabs; TEXT is the rest of the line without its
//     trailing spaces and tabs, at most 1023 characters. In TEXT, "\n" stands for a line break
//     (CR LF) and "\\" for one backslash.
//   - Each number has exactly one English and one German text.
//   - The file has at most 500 lines and 1 MiB, so that every line number fits its failure code.
//
// Load results: the number of numbered texts (> 0), or
//    0  the file holds no text         -1  the file cannot be opened
//   -3  more than 500 lines or 1 MiB    -5  a line that is neither a comment nor a text
//   -6  the file is empty (0 bytes)     -7  a read error
//   -8  out of memory
//   -(500 + n)   line n has no text, or the other language of its number is missing
//   -(1000 + n)  the text of line n is longer than 1023 characters
//   -(1500 + n)  line n repeats a number and language given before
#include "core/text/ProgramText.h"

#include <cstdint>
#include <new>
#include <set>
#include <system_error>
#include <vector>

#include "core/text/FileUtilities.h"
#include "core/text/TextEncoding.h"
#include "core/text/TextLineReader.h"

namespace tagsmith {

namespace {

constexpr int kMaxLines = 500;
constexpr std::uintmax_t kMaxFileBytes = 1024 * 1024;
constexpr int kMaxNumber = 32767;

constexpr int kNoText = 0;
constexpr int kCannotOpen = -1;
constexpr int kTooMuchText = -3;
constexpr int kMalformedLine = -5;
constexpr int kEmptyFile = -6;
constexpr int kReadError = -7;
constexpr int kOutOfMemory = -8;
constexpr int kMissingStringBase = -500;
constexpr int kTooLongBase = -1000;
constexpr int kDuplicateBase = -1500;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(const std::string& line, std::size_t pos) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    return pos;
}

// Replaces the escapes "\n" and "\\"; any other backslash stays as it is.
std::string Unescape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? "\r\n" : "\\";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

struct TextLine {
    int number = 0;
    int language = 0;
    std::string text;
};

// Parses a line that is not a comment; returns 0 or a failure code for line lineNumber.
int ParseTextLine(const std::string& line, int lineNumber, TextLine& parsed) {
    std::size_t pos = 0;
    int number = 0;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') {
        number = number * 10 + (line[pos] - '0');
        if (number > kMaxNumber) return kMalformedLine;
        ++pos;
    }
    if (pos == 0 || number < 1 || pos >= line.size() || !IsBlank(line[pos])) return kMalformedLine;
    pos = SkipBlanks(line, pos);
    const std::string code = line.substr(pos, 2);
    if (code == "en") {
        parsed.language = ProgramText::kEnglish;
    } else if (code == "de") {
        parsed.language = ProgramText::kGerman;
    } else {
        return kMalformedLine;
    }
    pos += 2;
    if (pos < line.size() && !IsBlank(line[pos])) return kMalformedLine;
    pos = SkipBlanks(line, pos);
    std::size_t end = line.size();
    while (end > pos && IsBlank(line[end - 1])) --end;
    if (end == pos) return kMissingStringBase - lineNumber;
    parsed.number = number;
    parsed.text = Unescape(line.substr(pos, end - pos));
    if (Utf8ToCodePoints(parsed.text).size() >
        static_cast<std::size_t>(ProgramText::kMaxTextLength)) {
        return kTooLongBase - lineNumber;
    }
    return 0;
}

// Reads the raw lines of the file; returns 0 or a failure code.
int ReadRawLines(const std::filesystem::path& file, std::vector<std::string>& lines, bool& utf8) {
    if (!FileExists(file.string())) return kCannotOpen;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > kMaxFileBytes) return kTooMuchText;
    TextLineReader reader;
    if (!reader.Open(file)) return kCannotOpen;
    reader.SkipUtf8Bom();
    Utf8Validator validator;
    std::string line;
    LineEnd end = LineEnd::None;
    bool anyByte = false;
    while (reader.ReadLine(line, &end)) {
        anyByte = true;
        if (lines.size() == static_cast<std::size_t>(kMaxLines)) return kTooMuchText;
        validator.Feed(line);
        validator.Feed("\n");
        lines.push_back(line);
    }
    if (reader.Failed()) return kReadError;
    if (!anyByte) return kEmptyFile;
    utf8 = validator.IsValid();
    return 0;
}

}  // namespace

int ProgramText::Load(const std::filesystem::path& file) {
    m_texts[kEnglish].clear();
    m_texts[kGerman].clear();
    try {
        std::vector<std::string> lines;
        bool utf8 = true;
        if (const int failure = ReadRawLines(file, lines, utf8); failure != 0) return failure;

        std::map<int, std::string> texts[2];
        std::map<int, int> firstLine;  // number -> the line that first gave it
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const int lineNumber = static_cast<int>(i) + 1;
            const std::string line = utf8 ? lines[i] : Windows1252ToUtf8(lines[i]);
            const std::size_t start = SkipBlanks(line, 0);
            if (start == line.size() || line[start] == '#') continue;
            TextLine parsed;
            if (const int failure = ParseTextLine(line, lineNumber, parsed); failure != 0) {
                return failure;
            }
            if (!texts[parsed.language].emplace(parsed.number, parsed.text).second) {
                return kDuplicateBase - lineNumber;
            }
            firstLine.emplace(parsed.number, lineNumber);
        }
        // A number given in one language only: the line of the text that is there.
        int missingAt = 0;
        for (const auto& [number, lineNumber] : firstLine) {
            if (texts[kEnglish].contains(number) != texts[kGerman].contains(number) &&
                (missingAt == 0 || lineNumber < missingAt)) {
                missingAt = lineNumber;
            }
        }
        if (missingAt != 0) return kMissingStringBase - missingAt;
        if (firstLine.empty()) return kNoText;
        m_texts[kEnglish] = std::move(texts[kEnglish]);
        m_texts[kGerman] = std::move(texts[kGerman]);
        return static_cast<int>(firstLine.size());
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

std::string ProgramText::GetText(int n) const {
    if (m_uiLanguage != kEnglish && m_uiLanguage != kGerman) return {};
    const auto& texts = m_texts[m_uiLanguage];
    const auto found = texts.find(n);
    return found == texts.end() ? std::string() : found->second;
}

std::string ProgramText::FailureMessage(int code, const std::string& path) {
    switch (code) {
        case 0:
            return "No program text was read.";
        case -1:
            return "Cannot open file containing program text.\r\n" + path;
        case -2:
            return "Particular memory allocation error.";
        case -3:
            return "Too much program text.";
        case -4:
            return "Text not recovered.";
        case -6:
            return "File is empty.";
        case -7:
            return "Error reading file.";
        case -8:
            return "General memory allocation error.";
        default:
            break;
    }
    if (code < kDuplicateBase) {
        return "Duplicate in program text at line " + std::to_string(kDuplicateBase - code) + ".";
    }
    if (code < kTooLongBase) {
        return "String too long at line " + std::to_string(kTooLongBase - code) + ".";
    }
    if (code < kMissingStringBase) {
        return "Missing string at line " + std::to_string(kMissingStringBase - code) + ".";
    }
    if (code < 0) return "Error " + std::to_string(code);
    return {};  // a count: no failure
}

bool LoadProgramText(ProgramText& texts, const std::filesystem::path& dataFolder,
                     std::string& message) {
    // The folder path never gets a doubled separator: "/" / "zpm.dat" is "/zpm.dat".
    const std::filesystem::path file = dataFolder / "zpm.dat";
    const int result = texts.Load(file);
    if (result > 0) {
        message.clear();
        return true;
    }
    message = ProgramText::FailureMessage(result, file.string());
    return false;
}

}  // namespace tagsmith
