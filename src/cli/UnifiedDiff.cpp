#include "cli/UnifiedDiff.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace tagsmith {

namespace {

constexpr std::size_t kMostPairs = std::size_t{1} << 24;

enum class Op : std::uint8_t { Equal, Removed, Added };

struct Edit {
    Op op;
    std::size_t line;  // index into the old lines (Equal, Removed) or the new lines (Added)
};

// Lines with their line feeds; the last one may lack it.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

// The edit script of a[ab..ae) into b[bb..be), by a longest common subsequence.
void DiffMiddle(const std::vector<std::string_view>& a, std::size_t ab, std::size_t ae,
                const std::vector<std::string_view>& b, std::size_t bb, std::size_t be,
                std::vector<Edit>& edits) {
    const std::size_t n = ae - ab;
    const std::size_t m = be - bb;
    if (n == 0 || m == 0 || n * m > kMostPairs || n > kMostPairs || m > kMostPairs) {
        for (std::size_t i = ab; i < ae; ++i) edits.push_back({Op::Removed, i});
        for (std::size_t j = bb; j < be; ++j) edits.push_back({Op::Added, j});
        return;
    }
    // length[i][j]: the longest common subsequence of a[ab+i..ae) and b[bb+j..be).
    std::vector<std::uint32_t> length((n + 1) * (m + 1), 0);
    const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& {
        return length[i * (m + 1) + j];
    };
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            at(i, j) = a[ab + i] == b[bb + j] ? at(i + 1, j + 1) + 1
                                              : std::max(at(i + 1, j), at(i, j + 1));
        }
    }
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[ab + i] == b[bb + j]) {
            edits.push_back({Op::Equal, ab + i});
            ++i;
            ++j;
        } else if (j < m && (i == n || at(i, j + 1) > at(i + 1, j))) {
            edits.push_back({Op::Added, bb + j++});
        } else {
            edits.push_back({Op::Removed, ab + i++});
        }
    }
}

std::string Range(std::size_t start, std::size_t count) {
    // start is 0-based; an empty range names the line before it.
    if (count == 1) return std::to_string(start + 1);
    return std::to_string(count == 0 ? start : start + 1) + "," + std::to_string(count);
}

void AppendLine(std::string& out, char mark, std::string_view line) {
    out += mark;
    out += line;
    if (line.empty() || line.back() != '\n') out += "\n\\ No newline at end of file\n";
}

bool NeedsQuotes(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        const unsigned char byte = static_cast<unsigned char>(c);
        return byte <= ' ' || byte >= 0x80 || c == '"' || c == '\\';
    });
}

std::string Quoted(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
            case '\\':
                quoted += '\\';
                quoted += c;
                continue;
            case '\a':
                quoted += "\\a";
                continue;
            case '\b':
                quoted += "\\b";
                continue;
            case '\t':
                quoted += "\\t";
                continue;
            case '\n':
                quoted += "\\n";
                continue;
            case '\v':
                quoted += "\\v";
                continue;
            case '\f':
                quoted += "\\f";
                continue;
            case '\r':
                quoted += "\\r";
                continue;
            default:
                break;
        }
        if (byte < ' ' || byte >= 0x80) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            quoted += octal;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace

std::string DiffLabel(std::string_view name, const struct timespec& modified) {
    std::string label = NeedsQuotes(name) ? Quoted(name) : std::string(name);
    struct tm local {};
    localtime_r(&modified.tv_sec, &local);
    char date[32];
    char zone[8];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &local);
    std::strftime(zone, sizeof zone, "%z", &local);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "\t%s.%09ld %s", date, static_cast<long>(modified.tv_nsec),
                  zone);
    return label + stamp;
}

std::string UnifiedDiff(std::string_view oldName, std::string_view newName, std::string_view before,
                        std::string_view after, std::size_t context) {
    if (before == after) return {};
    const std::vector<std::string_view> a = SplitLines(before);
    const std::vector<std::string_view> b = SplitLines(after);
    std::size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix]) {
        ++suffix;
    }
    std::vector<Edit> edits;
    for (std::size_t i = 0; i < prefix; ++i) edits.push_back({Op::Equal, i});
    DiffMiddle(a, prefix, a.size() - suffix, b, prefix, b.size() - suffix, edits);
    for (std::size_t i = a.size() - suffix; i < a.size(); ++i) edits.push_back({Op::Equal, i});

    // Where each edit stands in the old and the new text.
    std::vector<std::size_t> oldAt(edits.size() + 1);
    std::vector<std::size_t> newAt(edits.size() + 1);
    for (std::size_t k = 0; k < edits.size(); ++k) {
        oldAt[k + 1] = oldAt[k] + (edits[k].op != Op::Added ? 1 : 0);
        newAt[k + 1] = newAt[k] + (edits[k].op != Op::Removed ? 1 : 0);
    }

    std::string out = "--- " + std::string(oldName) + "\n+++ " + std::string(newName) + "\n";
    std::size_t k = 0;
    while (k < edits.size()) {
        if (edits[k].op == Op::Equal) {
            ++k;
            continue;
        }
        // A hunk: from `context` lines before this change to `context` lines after the last
        // change that follows within 2 * context equal lines.
        const std::size_t first = k >= context ? k - context : 0;
        std::size_t last = k;  // one past the last change
        std::size_t scan = k;
        while (scan < edits.size()) {
            if (edits[scan].op != Op::Equal) {
                last = ++scan;
                continue;
            }
            std::size_t run = scan;
            while (run < edits.size() && edits[run].op == Op::Equal) ++run;
            if (run == edits.size() || run - scan > 2 * context) break;
            scan = run;
        }
        const std::size_t end = std::min(edits.size(), last + context);
        out += "@@ -" + Range(oldAt[first], oldAt[end] - oldAt[first]) + " +" +
               Range(newAt[first], newAt[end] - newAt[first]) + " @@\n";
        for (std::size_t e = first; e < end; ++e) {
            switch (edits[e].op) {
                case Op::Equal:
                    AppendLine(out, ' ', a[edits[e].line]);
                    break;
                case Op::Removed:
                    AppendLine(out, '-', a[edits[e].line]);
                    break;
                case Op::Added:
                    AppendLine(out, '+', b[edits[e].line]);
                    break;
            }
        }
        k = end;
    }
    return out;
}

}  // namespace tagsmith
