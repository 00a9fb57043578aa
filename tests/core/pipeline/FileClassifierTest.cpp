#include <gtest/gtest.h>

#include <string>

#include "core/pipeline/FileClassifier.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

TEST(FileClassifierTest, ClassifiesBytesLineEndsAndEncodingInOnePass) {
    constexpr TextEncoding kUtf8 = TextEncoding::Utf8;
    constexpr TextEncoding kCp1252 = TextEncoding::Windows1252;
    const std::string kBom = "\xEF\xBB\xBF";
    const struct {
        const char* name;
        std::string bytes;
        std::int64_t result;
        TextEncoding encoding = kUtf8;  // compared for text only
        bool bom = false;
    } cases[] = {
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
        {"utf-8", "caf\xC3\xA9", FileTextClass::kCrLf},
        {"utf-8 with bom", kBom + "caf\xC3\xA9", FileTextClass::kCrLf, kUtf8, true},
        {"windows-1252", "caf\xE9", FileTextClass::kCrLf, kCp1252},
        {"bom then windows-1252", kBom + "caf\xE9", FileTextClass::kCrLf, kCp1252, true},
        {"sequence across blocks", std::string(16383, 'x') + "\xC3\xA9", FileTextClass::kCrLf},
        {"truncated sequence at the end", "caf\xC3", FileTextClass::kCrLf, kCp1252},
    };
    test::TemporaryFolder folder;
    for (const auto& c : cases) {
        const FileTextClass found = ClassifyFileText(folder.WriteFile("f.html", c.bytes).string());
        EXPECT_EQ(found.result, c.result) << c.name;
        if (!found.IsText()) continue;
        EXPECT_EQ(found.encoding, c.encoding) << c.name;
        EXPECT_EQ(found.hasUtf8Bom, c.bom) << c.name;
    }
    for (const auto& missing :
         {std::string(), (folder.Path() / "none.html").string(), folder.Path().string()}) {
        EXPECT_EQ(ClassifyFileText(missing).result, FileTextClass::kMissing) << missing;
    }
}

TEST(FileClassifierTest, RunsTheHookAfterEveryBlockAndEndsWhenItAsksTo) {
    test::TemporaryFolder folder;
    const std::string path = folder.WriteFile("f.html", std::string(40000, 'x')).string();
    // Three blocks of 16,384 bytes: the hook never stops, stops at the second call, at the first.
    for (const int stopAt : {0, 2, 1}) {
        int calls = 0;
        const FileTextClass found =
            ClassifyFileText(path, [&calls, stopAt] { return ++calls == stopAt; });
        EXPECT_EQ(calls, stopAt == 0 ? 3 : stopAt);
        EXPECT_EQ(found.stopped, stopAt != 0);
        if (stopAt == 0) {
            EXPECT_EQ(found.result, FileTextClass::kCrLf);
        }
    }
}

}  // namespace
}  // namespace tagsmith
