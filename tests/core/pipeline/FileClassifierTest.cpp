#include <gtest/gtest.h>

#include <string>

#include "core/pipeline/FileClassifier.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

TEST(FileClassifierTest, ClassifiesBytesLineEndsAndEncodingInOnePass) {
    auto rows = test::ReadCaseTable("core/pipeline/FileClassifierCases.txt");
    ASSERT_EQ(rows.size(), 15u);
    // A control byte in a later block, and a sequence across the blocks' border.
    rows.push_back({std::string(20000, 'x') + "\x01", "-20001"});
    rows.push_back({std::string(16383, 'x') + "\xC3\xA9", "crlf", "utf-8"});
    test::TemporaryFolder folder;
    for (const auto& row : rows) {
        const std::string& kind = row.at(1);
        const std::int64_t result = kind == "crlf"    ? FileTextClass::kCrLf
                                    : kind == "lf"    ? FileTextClass::kLf
                                    : kind == "cr"    ? FileTextClass::kCr
                                    : kind == "empty" ? FileTextClass::kEmpty
                                                      : std::stoll(kind);
        const FileTextClass found = ClassifyFileText(folder.WriteFile("f.html", row[0]).string());
        EXPECT_EQ(found.result, result) << row[0];
        if (!found.IsText()) continue;
        EXPECT_EQ(found.encoding,
                  row.at(2) == "cp1252" ? TextEncoding::Windows1252 : TextEncoding::Utf8)
            << row[0];
        EXPECT_EQ(found.hasUtf8Bom, row.size() > 3) << row[0];
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
