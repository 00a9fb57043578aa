#include <gtest/gtest.h>

#include "core/editor/BackupPath.h"
#include "core/editor/DocumentFormat.h"
#include "core/editor/LocateKeywordsTag.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

TEST(LocateKeywordsTagTest, FindsTheMetaBeforeTheQuotedNameAndItsClose) {
    struct Case {
        std::string line;
        std::size_t start;
        std::size_t end;
    };
    const std::vector<Case> cases = {
        {"<meta name=\"keywords\" content=\"x\">", 1, 34},
        {"  <meta content=\"x\" name=\"keywords\">", 3, 36},
        {"<meta a><meta name=\"keywords\" content=\"x", 9, 0},
        {"<meta name=\"keywords\"><meta name=\"keywords\">", 1, 22},
        {"\"keywords\" <meta name=\"a\">", 0, 0},
        {"<metaname=\"keywords\">", 0, 0},
        {"<meta name='keywords'>", 0, 0},
        {"", 0, 0},
    };
    for (const Case& c : cases) {
        const KeywordsTagSpan span = LocateKeywordsTag(c.line);
        EXPECT_EQ(span.start, c.start) << c.line;
        EXPECT_EQ(span.end, c.end) << c.line;
    }
}

TEST(BackupPathTest, PutsBakBeforeTheExtension) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/site/index.html", "/site/index.bak.html"},
        {"page.php", "page.bak.php"},
        {"/a.b/c.d/page.x.htm", "/a.b/c.d/page.x.bak.htm"},
        {"/web.site/index", "/web.site/index.bak"},
    };
    for (const auto& [document, backup] : cases) EXPECT_EQ(BackupPath(document), backup);
}

TEST(DocumentFormatTest, DetectsEncodingAndFirstLineEnd) {
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        std::string lineEnd;
    };
    const std::string block(65535, 'a');  // the detector reads 65,536 bytes at a time
    const std::vector<Case> cases = {
        {"a\r\nb\nc\r", TextEncoding::Utf8, "\r\n"},
        {"a\nb\r\n", TextEncoding::Utf8, "\n"},
        {"a\rb\r\n", TextEncoding::Utf8, "\r"},
        {"abc", TextEncoding::Utf8, "\n"},
        {"", TextEncoding::Utf8, "\n"},
        {"ab\r", TextEncoding::Utf8, "\r"},
        {"caf\xC3\xA9\n", TextEncoding::Utf8, "\n"},
        {"caf\xE9\n", TextEncoding::Windows1252, "\n"},
        {block + "\r\n", TextEncoding::Utf8, "\r\n"},
        {block + "\rb", TextEncoding::Utf8, "\r"},
        {block + "\xC3" + "\xA9", TextEncoding::Utf8, "\n"},
        {block + "\xC3", TextEncoding::Windows1252, "\n"},
    };
    const TemporaryFolder folder;
    FileSystemCalls files;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const auto path = folder.WriteFile("f.html", cases[i].bytes);
        const DocumentFormat format = DetectDocumentFormat(files, path.string());
        EXPECT_EQ(format.encoding, cases[i].encoding);
        EXPECT_EQ(format.lineEnd, cases[i].lineEnd);
    }
}

}  // namespace
}  // namespace tagsmith::test
