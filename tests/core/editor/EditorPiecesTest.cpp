#include <gtest/gtest.h>

#include <tuple>

#include "core/editor/BackupPath.h"
#include "core/editor/DocumentFormat.h"
#include "core/editor/LocateKeywordsTag.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

TEST(LocateKeywordsTagTest, FindsTheMetaBeforeTheQuotedNameAndItsClose) {
    const std::vector<std::tuple<std::string, std::size_t, std::size_t>> cases = {
        {"<meta name=\"keywords\" content=\"x\">", 1, 34},
        {"  <meta content=\"x\" name=\"keywords\">", 3, 36},
        {"<meta a><meta name=\"keywords\" content=\"x", 9, 0},
        {"<meta name=\"keywords\"><meta name=\"keywords\">", 1, 22},
        {"\"keywords\" <meta name=\"a\">", 0, 0},
        {"<metaname=\"keywords\">", 0, 0},
        {"<meta name='keywords'>", 0, 0},
        {"", 0, 0},
    };
    for (const auto& [line, start, end] : cases) {
        const KeywordsTagSpan span = LocateKeywordsTag(line);
        EXPECT_EQ(span.start, start) << line;
        EXPECT_EQ(span.end, end) << line;
    }
}

TEST(BackupPathTest, PutsBakBeforeTheExtension) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/site/index.html", "/site/index.bak.html"},
        {"page.php", "page.bak.php"},
        {"/a.b/c.d/page.x.htm", "/a.b/c.d/page.x.bak.htm"},
        {"/web.site/index", "/web.site/index.bak"},
    };
    for (const auto& [document, backup] : cases)
        EXPECT_EQ(BackupPath(document), backup) << document;
}

TEST(DocumentFormatTest, DetectsEncodingAndFirstLineEndAcrossTheReadBlocks) {
    const std::string block(65535, 'a');  // the detector reads 65,536 bytes at a time
    const std::vector<std::tuple<std::string, TextEncoding, std::string>> cases = {
        {"a\rb\r\n", TextEncoding::Utf8, "\r"},
        {"ab\r", TextEncoding::Utf8, "\r"},
        {"", TextEncoding::Utf8, "\n"},
        {block + "\r\n", TextEncoding::Utf8, "\r\n"},
        {block + "\rb", TextEncoding::Utf8, "\r"},
        {block + "\xC3\xA9", TextEncoding::Utf8, "\n"},
        {block + "\xC3", TextEncoding::Windows1252, "\n"},
    };
    const TemporaryFolder folder;
    FileSystemCalls files;
    for (const auto& [bytes, encoding, lineEnd] : cases) {
        const auto path = folder.WriteFile("f.html", bytes);
        const DocumentFormat format = DetectDocumentFormat(files, path.string());
        EXPECT_EQ(format.encoding, encoding) << bytes.size();
        EXPECT_EQ(format.lineEnd, lineEnd) << bytes.size();
    }
}

}  // namespace
}  // namespace tagsmith::test
