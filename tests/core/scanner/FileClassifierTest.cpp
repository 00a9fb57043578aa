#include <gtest/gtest.h>

#include <string>

#include "core/scanner/FileClassifier.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

using test::TemporaryFolder;

TEST(FileClassifierTest, ClassifiesBytesAndLineEnds) {
    struct Case {
        const char* name;
        std::string bytes;
        std::int64_t result;
    };
    const Case cases[] = {
        {"crlf", "a\r\nb\r\n", FileTextClass::kCrLf},
        {"no line end", "just text", FileTextClass::kCrLf},
        {"lf", "a\nb\n", FileTextClass::kLf},
        {"cr", "a\rb\r", FileTextClass::kCr},
        {"mixed", "a\rb\n", FileTextClass::kCrLf},
        {"tab, form feed, backspace", "a\tb\fc\bd", FileTextClass::kCrLf},
        {"empty", "", FileTextClass::kEmpty},
        {"zero byte", std::string("ab\0c", 4), -3},
        {"escape", "\x1B", -1},
        {"substitute at 40", std::string(39, 'x') + "\x1A" + "rest", -40},
        {"late in a second block", std::string(20000, 'x') + "\x01", -20001},
    };
    TemporaryFolder folder;
    for (const Case& c : cases) {
        const auto path = folder.WriteFile("file.html", c.bytes);
        EXPECT_EQ(ClassifyFileText(path.string()).result, c.result) << c.name;
    }
    EXPECT_EQ(ClassifyFileText("").result, FileTextClass::kMissing);
    EXPECT_EQ(ClassifyFileText((folder.Path() / "none.html").string()).result,
              FileTextClass::kMissing);
    EXPECT_EQ(ClassifyFileText(folder.Path().string()).result, FileTextClass::kMissing);
}

TEST(FileClassifierTest, DecidesTheEncodingInTheSamePass) {
    struct Case {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
        bool bom;
    };
    const Case cases[] = {
        {"ascii", "plain", TextEncoding::Utf8, false},
        {"utf-8", "caf\xC3\xA9", TextEncoding::Utf8, false},
        {"utf-8 with bom",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9",
         TextEncoding::Utf8, true},
        {"windows-1252", "caf\xE9", TextEncoding::Windows1252, false},
        {"bom then windows-1252",
         "\xEF\xBB\xBF"
         "caf\xE9",
         TextEncoding::Windows1252, true},
        {"sequence across blocks", std::string(16383, 'x') + "\xC3\xA9", TextEncoding::Utf8, false},
        {"truncated sequence at the end", "caf\xC3", TextEncoding::Windows1252, false},
    };
    TemporaryFolder folder;
    for (const Case& c : cases) {
        const auto path = folder.WriteFile("file.html", c.bytes);
        const FileTextClass found = ClassifyFileText(path.string());
        EXPECT_TRUE(found.IsText()) << c.name;
        EXPECT_EQ(found.encoding, c.encoding) << c.name;
        EXPECT_EQ(found.hasUtf8Bom, c.bom) << c.name;
    }
}

}  // namespace
}  // namespace tagsmith
