#include "cli/HtmlReport.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <utility>

#include "core/scanner/EntityDecoder.h"
#include "core/text/AsciiLowerCase.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {

namespace {

constexpr const char* kStyle = R"(
body { font-family: sans-serif; margin: 24px; color: #222; background: #fff; }
h1 { font-size: 22px; margin: 0 0 16px; }
h2 { font-size: 18px; margin: 28px 0 10px; }
.summary { display: flex; gap: 12px; margin-bottom: 8px; }
.count { border: 1px solid #ccd; border-radius: 6px; padding: 8px 16px; min-width: 120px; }
.count b { display: block; font-size: 26px; }
.count.bad b { color: #b3261e; }
table { border-collapse: collapse; width: 100%; font-size: 13px; table-layout: fixed; }
th, td { border: 1px solid #dde; padding: 4px 6px; vertical-align: top; text-align: left;
         overflow-wrap: anywhere; }
th { background: #eef; cursor: pointer; user-select: none; }
th:after { content: " \2195"; color: #889; }
.words { max-height: 4.2em; overflow-y: auto; }
tr.stale td.state, tr.notag td.state { color: #b3261e; }
tr.refused td { color: #777; }
.chart { margin: 14px 0 22px; }
.chart h3 { font-size: 14px; margin: 0 0 4px; overflow-wrap: anywhere; }
.chart p { margin: 0 0 4px; font-size: 12px; color: #555; }
.legend span { display: inline-block; width: 12px; height: 12px; margin: 0 4px 0 12px;
               vertical-align: middle; }
)";

constexpr const char* kScript = R"(
document.querySelectorAll('#documents th').forEach(function (head, column) {
  head.addEventListener('click', function () {
    var body = document.querySelector('#documents tbody');
    var rows = Array.prototype.slice.call(body.rows);
    var up = head.getAttribute('data-order') !== 'up';
    document.querySelectorAll('#documents th').forEach(function (h) { h.removeAttribute('data-order'); });
    head.setAttribute('data-order', up ? 'up' : 'down');
    rows.sort(function (a, b) {
      var x = a.cells[column].textContent, y = b.cells[column].textContent;
      var order = x.localeCompare(y, undefined, {numeric: true, sensitivity: 'base'});
      return up ? order : -order;
    });
    rows.forEach(function (row) { body.appendChild(row); });
  });
});
)";

constexpr const char* kInTagColour = "#2e7d32";
constexpr const char* kNotInTagColour = "#ef8c00";

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : ", ") + word;
    return text;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    out += CodePointsToUtf8(std::u32string(1, static_cast<char32_t>(code)));
}

// Named references beyond the scanner's table: markup characters and the punctuation of
// Windows-1252, which a title holds more often than any letter.
constexpr std::pair<std::string_view, std::uint32_t> kDisplayNamed[] = {
    {"lt", '<'},        {"gt", '>'},        {"quot", '"'},      {"apos", '\''},
    {"nbsp", 0xA0},     {"mdash", 0x2014},  {"ndash", 0x2013},  {"hellip", 0x2026},
    {"lsquo", 0x2018},  {"rsquo", 0x2019},  {"ldquo", 0x201C},  {"rdquo", 0x201D},
    {"sbquo", 0x201A},  {"bdquo", 0x201E},  {"laquo", 0xAB},    {"raquo", 0xBB},
    {"copy", 0xA9},     {"reg", 0xAE},      {"trade", 0x2122},  {"euro", 0x20AC},
    {"bull", 0x2022},   {"middot", 0xB7},   {"deg", 0xB0},      {"sect", 0xA7},
};

// The code point of the reference at the start of text ("&...;"), and its length; 0 when none.
std::pair<std::uint32_t, std::size_t> Reference(std::string_view text) {
    const std::size_t end = text.find(';');
    if (end == std::string_view::npos || end > 10) return {0, 0};
    const std::string_view body = text.substr(1, end - 1);
    for (const auto& [name, code] : kDisplayNamed) {
        if (body == name) return {code, end + 1};
    }
    if (const std::string_view replacement = EntityReplacement(text.substr(0, end + 1));
        !replacement.empty()) {
        return {static_cast<std::uint32_t>(Utf8ToCodePoints(replacement).front()), end + 1};
    }
    if (body.size() < 2 || body[0] != '#') return {0, 0};
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    const auto [stop, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (error != std::errc() || stop != digits.data() + digits.size() || code == 0 ||
        code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {0, 0};
    }
    return {code, end + 1};
}

}  // namespace

std::string DecodeCharacterReferences(const std::string& text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const auto [code, length] = Reference(std::string_view(text).substr(i));
            if (length > 0) {
                AppendUtf8(decoded, code);
                i += length - 1;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

std::string HtmlEscape(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        if (c >= 0x80 && (c < 0xC2 || c > 0xF4 || !IsValidUtf8(std::string_view(text).substr(
                                                         i, std::min(length, text.size() - i))))) {
            length = 0;  // no character starts here
        }
        if (length == 0 || c < 0x20 || c == 0x7F) {
            escaped += "\uFFFD";
            ++i;
            continue;
        }
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped.append(text, i, length);
        }
        i += length;
    }
    return escaped;
}

void HtmlReport::Add(const DocumentReport& report) {
    Document document;
    document.file = report.file;
    if (report.refusal) {
        document.refused = true;
        document.state = "refused: " + report.refusal->title + ": " + report.refusal->message;
        m_documents.push_back(std::move(document));
        return;
    }
    document.language = report.language;
    if (report.existing && report.existing->title) {
        document.title = DecodeCharacterReferences(*report.existing->title);
    }
    if (report.freshness) {
        const Freshness& freshness = *report.freshness;
        document.existing = DecodeCharacterReferences(Joined(freshness.existingKeywords));
        document.suggested = Joined(freshness.composedKeywords);
        document.stale = freshness.stale;
        document.noKeywordsTag = freshness.noKeywordsTag;
        document.state = freshness.noKeywordsTag ? "no keywords tag"
                         : freshness.stale       ? "stale"
                                                 : "up to date";
        std::vector<std::string> existing;
        for (const std::string& word : freshness.existingKeywords) {
            existing.push_back(AsciiLowerCase(DecodeCharacterReferences(word)));
        }
        if (report.words) {
            const std::size_t shown = std::min(kChartWords, report.words->size());
            for (std::size_t i = 0; i < shown; ++i) {
                const ListedWord& word = (*report.words)[i];
                const bool inTag = std::find(existing.begin(), existing.end(),
                                             AsciiLowerCase(word.word)) != existing.end();
                document.bars.push_back({word.word, word.value, inTag});
            }
        }
    }
    m_documents.push_back(std::move(document));
}

void HtmlReport::End() {
    m_page << kReportPageStart << "<title>Keywords report</title>\n<style>"
           << kStyle << "</style>\n</head>\n<body>\n<h1>Keywords report</h1>\n";
    WriteSummary();
    WriteTable();
    WriteCharts();
    m_page << "<script>" << kScript << "</script>\n</body>\n</html>\n";
    m_page.flush();
}

void HtmlReport::WriteSummary() const {
    const auto count = [this](bool Document::*flag) {
        return std::count_if(m_documents.begin(), m_documents.end(),
                             [flag](const Document& d) { return d.*flag; });
    };
    const struct {
        const char* id;
        const char* label;
        long value;
    } counts[] = {
        {"documents", "Documents", static_cast<long>(m_documents.size())},
        {"refused", "Refused", static_cast<long>(count(&Document::refused))},
        {"stale", "Stale", static_cast<long>(count(&Document::stale))},
        {"without-tag", "Without a keywords tag",
         static_cast<long>(count(&Document::noKeywordsTag))},
    };
    m_page << "<div class=\"summary\">\n";
    for (const auto& c : counts) {
        const bool bad = c.value > 0 && std::string(c.id) != "documents";
        m_page << "<div class=\"count" << (bad ? " bad" : "") << "\"><b id=\"count-" << c.id
               << "\">" << c.value << "</b>" << c.label << "</div>\n";
    }
    m_page << "</div>\n<p>Stale: insert with the same options would change the document's "
              "keywords tag (a document without a keywords tag counts as stale). Click a column "
              "head to sort.</p>\n";
}

void HtmlReport::WriteTable() const {
    m_page << "<h2>Documents</h2>\n<table id=\"documents\">\n<colgroup><col style=\"width:4%\">"
              "<col style=\"width:20%\"><col style=\"width:16%\"><col style=\"width:25%\">"
              "<col style=\"width:25%\"><col style=\"width:10%\"></colgroup>\n"
              "<thead><tr><th>#</th><th>Document</th><th>Title</th><th>Existing keywords</th>"
              "<th>Suggested keywords</th><th>State</th></tr></thead>\n<tbody>\n";
    for (std::size_t i = 0; i < m_documents.size(); ++i) {
        const Document& d = m_documents[i];
        const char* const rowClass = d.refused         ? "refused"
                                     : d.noKeywordsTag ? "notag"
                                     : d.stale         ? "stale"
                                                       : "fresh";
        m_page << "<tr class=\"" << rowClass << "\"><td>" << i + 1 << "</td><td><a href=\"#doc-"
               << i + 1 << "\">" << HtmlEscape(d.file) << "</a></td><td>" << HtmlEscape(d.title)
               << "</td><td><div class=\"words\">" << HtmlEscape(d.existing)
               << "</div></td><td><div class=\"words\">" << HtmlEscape(d.suggested)
               << "</div></td><td class=\"state\">" << HtmlEscape(d.state) << "</td></tr>\n";
    }
    m_page << "</tbody>\n</table>\n";
}

void HtmlReport::WriteCharts() const {
    constexpr int kLabelWidth = 200;
    constexpr int kBarWidth = 400;
    constexpr int kRowHeight = 18;
    m_page << "<h2>Top words</h2>\n<p class=\"legend\">Bar length: the word's value (the top word "
              "is 100).<span style=\"background:"
           << kInTagColour
           << "\"></span>in the existing keywords tag<span style=\"background:" << kNotInTagColour
           << "\"></span>not in it</p>\n";
    for (std::size_t i = 0; i < m_documents.size(); ++i) {
        const Document& d = m_documents[i];
        if (d.refused) continue;
        m_page << "<div class=\"chart\" id=\"doc-" << i + 1 << "\"><h3>" << i + 1 << ". "
               << HtmlEscape(d.file)
               << (d.language.empty() ? "" : " (language " + HtmlEscape(d.language) + ")")
               << "</h3>";
        if (!d.title.empty()) m_page << "<p>" << HtmlEscape(d.title) << "</p>";
        if (d.bars.empty()) {
            m_page << "<p>No words.</p></div>\n";
            continue;
        }
        const int height = static_cast<int>(d.bars.size()) * kRowHeight;
        m_page << "\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
               << kLabelWidth + kBarWidth + 40 << "\" height=\"" << height
               << "\" font-family=\"sans-serif\" font-size=\"12\">\n";
        for (std::size_t b = 0; b < d.bars.size(); ++b) {
            const ChartBar& bar = d.bars[b];
            const int y = static_cast<int>(b) * kRowHeight;
            const int width =
                static_cast<int>(std::max<std::int64_t>(1, bar.value * kBarWidth / 100));
            m_page << "<text x=\"" << kLabelWidth - 6 << "\" y=\"" << y + 13
                   << "\" text-anchor=\"end\">" << HtmlEscape(bar.word) << "</text><rect x=\""
                   << kLabelWidth << "\" y=\"" << y + 3 << "\" width=\"" << width << "\" height=\""
                   << kRowHeight - 5 << "\" fill=\""
                   << (bar.inExistingTag ? kInTagColour : kNotInTagColour) << "\"><title>"
                   << HtmlEscape(bar.word) << ": " << bar.value << "</title></rect><text x=\""
                   << kLabelWidth + width + 4 << "\" y=\"" << y + 13 << "\">" << bar.value
                   << "</text>\n";
        }
        m_page << "</svg></div>\n";
    }
}

}  // namespace tagsmith
