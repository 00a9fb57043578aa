#include "core/window/StateFileFormat.h"

#include "core/text/StringOperations.h"
#include "core/text/TextEncoding.h"
#include "core/window/SettingFields.h"

namespace tagsmith {

namespace {

// The number a number line holds for the control.
int NumberOf(const GeneratorSettings& settings, Control control) {
    if (control == Control::optInsertionWithBackup) return settings.optInsertionWithBackup ? 1 : 0;
    if (const bool* check = CheckField(settings, control)) return *check ? 1 : 0;
    return *ListField(settings, control);
}

}  // namespace

std::string EncodeTextValue(std::string_view text) {
    std::string encoded = "\"";
    for (const char c : text) {
        encoded += c;
        if (c == '"') encoded += '"';
    }
    encoded += '"';
    return encoded;
}

std::string DecodeTextValue(std::string_view line) {
    line = TrimSpaces(line);
    if (line.empty() || line.front() != '"') return std::string(line);
    std::string text;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] != '"') {
            text += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            text += '"';
            ++i;
        } else {
            break;
        }
    }
    return text;
}

std::optional<int> DecodeNumberValue(std::string_view line) {
    line = TrimSpaces(line);
    bool negative = false;
    if (!line.empty() && (line.front() == '-' || line.front() == '+')) {
        negative = line.front() == '-';
        line.remove_prefix(1);
    }
    if (line.empty() || line.size() > 9) return std::nullopt;
    int value = 0;
    for (const char c : line) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::string FormatStateFile(const GeneratorSettings& settings) {
    std::string file;
    for (const StateLine& line : kStateLines) {
        if (line.kind == StateValueKind::Text) {
            file += EncodeTextValue(*TextField(settings, line.control));
        } else {
            file += std::to_string(NumberOf(settings, line.control));
        }
        file += '\n';
    }
    return file;
}

std::vector<std::string> SplitStateFileLines(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    const std::string text =
        ReplaceLineBreaks(IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes), "\n");
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace tagsmith
