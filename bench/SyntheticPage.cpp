#include "SyntheticPage.h"

#include <algorithm>

namespace tagsmith::bench {
namespace {

// Takes words from the stream in turn, starting over at its end.
class WordSource {
public:
    explicit WordSource(const WordStream& words) : m_words(words.Occurrences()) {}
    const std::string& Next() {
        const std::string& word = m_words[m_next].word;
        m_next = (m_next + 1) % m_words.size();
        return word;
    }
    std::string Words(int count) {
        std::string text;
        for (int k = 0; k < count; ++k) {
            if (k > 0) text += ' ';
            text += Next();
        }
        return text;
    }

private:
    const std::vector<WordOccurrence>& m_words;
    std::size_t m_next = 0;
};

// Appends text, breaking the line when it grows past 80 characters.
class PageWriter {
public:
    explicit PageWriter(std::string& out) : m_out(out) {}
    void Line(const std::string& text) {
        m_out += text;
        m_out += '\n';
    }
    void Paragraph(WordSource& source, int words) {
        std::string line = "<p>";
        for (int k = 0; k < words; ++k) {
            std::string piece = source.Next();
            switch (k % 17) {
                case 3:
                    piece = "<strong>" + piece + "</strong>";
                    break;
                case 7:
                    piece =
                        "<a class=\"reference internal\" href=\"#" + piece + "\">" + piece + "</a>";
                    break;
                case 11:
                    piece = "<code class=\"docutils literal\"><span class=\"pre\">" + piece +
                            "()</span></code>";
                    break;
                case 13:
                    piece = "<em>" + piece + "</em> &amp;";
                    break;
                case 16:
                    piece += " &#8212; it&#8217;s &lt;" + source.Next() + "&gt;";
                    break;
                default:
                    break;
            }
            if (line.size() + piece.size() > 80) {
                Line(line);
                line.clear();
            } else if (!line.empty() && line != "<p>") {
                line += ' ';
            }
            line += piece;
        }
        Line(line + "</p>");
    }

private:
    std::string& m_out;
};

void AppendPage(std::string& out, WordSource& source) {
    PageWriter page(out);
    page.Line("<!DOCTYPE html>");
    page.Line("<html lang=\"en\">");
    page.Line("  <head>");
    page.Line("    <meta charset=\"utf-8\" />");
    page.Line("    <meta name=\"viewport\" content=\"width=device-width, initial-scale=1.0\" />");
    page.Line("    <title>" + source.Words(4) + " &#8212; Manual</title>");
    page.Line("    <meta name=\"description\" content=\"" + source.Words(8) + "\" />");
    page.Line("    <link rel=\"stylesheet\" type=\"text/css\" href=\"../_static/basic.css\" />");
    page.Line("    <style>body { font-family: sans-serif; } div.note { margin: 1em; }</style>");
    page.Line("    <script src=\"../_static/doctools.js\"></script>");
    page.Line(
        "    <script>var options = { root: '../', version: '3.11', suffix: '.html' };</script>");
    page.Line("  </head><body>");
    page.Line("<div class=\"related\" role=\"navigation\" aria-label=\"related navigation\">");
    page.Line("<ul><li><a href=\"index.html\">" + source.Words(2) + "</a> &#187;</li></ul></div>");
    page.Line("<div class=\"body\" role=\"main\">");
    for (int section = 0; section < 6; ++section) {
        page.Line("<section id=\"s" + std::to_string(section) + "\">");
        page.Line("<h2>" + source.Words(3) + "<a class=\"headerlink\" href=\"#s\">&#182;</a></h2>");
        page.Paragraph(source, 60);
        page.Line("<!-- generated from the " + source.Words(2) + " sources -->");
        page.Line("<div class=\"highlight-python3 notranslate\"><div class=\"highlight\"><pre>");
        page.Line("<span class=\"gp\">&gt;&gt;&gt; </span><span class=\"n\">" + source.Next() +
                  "</span><span class=\"p\">(</span><span class=\"mi\">42</span>)");
        page.Line("</pre></div></div>");
        page.Line("<table class=\"docutils align-default\"><tbody><tr class=\"row-odd\">");
        page.Line("<td><p>" + source.Words(3) + "</p></td><td><p><b>" + source.Words(4) +
                  "</b></p></td></tr></tbody></table>");
        page.Paragraph(source, 40);
        page.Line("<h3>" + source.Words(2) + "</h3>");
        page.Paragraph(source, 30);
        page.Line("</section>");
    }
    page.Line("</div>");
    page.Line("<div class=\"footer\">&copy; <a href=\"../copyright.html\">Copyright</a> " +
              source.Words(5) + ".</div>");
    page.Line("</body></html>");
}

}  // namespace

std::string SyntheticPages(const WordStream& words, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + 64 * 1024);
    WordSource source(words);
    while (text.size() < bytes) AppendPage(text, source);
    return text;
}

std::string OnOneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

}  // namespace tagsmith::bench
