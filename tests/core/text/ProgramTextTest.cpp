#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/text/FileUtilities.h"
#include "core/text/ProgramText.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

TEST(ProgramTextTest, LoadFaultsAndTheirMessagesNameTheLine) {
    test::TemporaryFolder folder;
    const auto rows = test::ReadCaseTable("core/text/ProgramTextCases.txt");
    ASSERT_EQ(rows.size(), 22u);
    for (const auto& row : rows) {
        const int code = std::stoi(row.at(row.at(0) == "message" ? 1 : 2));
        if (row.at(0) == "message") {
            EXPECT_EQ(ProgramText::FailureMessage(code, "/x/zpm.dat"), row.at(2)) << code;
        } else {
            ProgramText texts;
            EXPECT_EQ(texts.Load(folder.WriteFile("zpm.dat", row.at(1))), code) << row.at(1);
        }
    }
}

TEST(ProgramTextTest, TheLengthAndLineLimitsCountCharactersAndLines) {
    const std::string longText(1024, 'x');
    std::string umlauts;  // 1023 characters in 2046 bytes
    for (int i = 0; i < 1023; ++i) umlauts += "\xC3\xBC";
    const std::tuple<const char*, std::string, int> cases[] = {
        {"too long at line 3", "# c\n6 en a\n6 de " + longText + "\n", -1003},
        {"longest allowed", "6 en " + longText.substr(1) + "\n6 de a\n", 1},
        {"limit counts characters", "4 en " + umlauts + "\n4 de x\n", 1},
        {"one character more", "4 en " + umlauts + "\xC3\xBC\n4 de x\n", -1001},
        {"too many lines", std::string(501, '\n'), -3},
        {"500 lines are fine", std::string(498, '\n') + "3 en a\n3 de b\n", 1},
    };
    test::TemporaryFolder folder;
    for (const auto& [name, content, code] : cases) {
        ProgramText texts;
        EXPECT_EQ(texts.Load(folder.WriteFile("zpm.dat", content)), code) << name;
    }
}

TEST(ProgramTextTest, TextsAreLookedUpByNumberAndLanguage) {
    test::TemporaryFolder folder;
    const auto file = folder.WriteFile("zpm.dat",
                                       "\xEF\xBB\xBF# c\n3 en  Wrong type  \n3 de Falscher Typ\n"
                                       "4 en Line one\\nline two \\\\ \\x\n4 de Zeile\n");
    ProgramText texts;
    ASSERT_EQ(texts.Load(file), 2);
    EXPECT_EQ(texts.GetText(3), "Wrong type");
    EXPECT_EQ(texts.GetText(4), "Line one\r\nline two \\ \\x");
    EXPECT_EQ(texts.GetText(99), "");
    texts.SetUILanguage(ProgramText::kGerman);
    EXPECT_EQ(texts.GetText(3), "Falscher Typ");

    // A file that is not UTF-8 is read as Windows-1252 and kept as UTF-8.
    ASSERT_EQ(texts.Load(folder.WriteFile("cp.dat", "1 en caf\xE9\n1 de M\xFCll\n")), 1);
    EXPECT_EQ(texts.GetText(1), "M\xC3\xBCll");
    texts.SetUILanguage(ProgramText::kEnglish);
    EXPECT_EQ(texts.GetText(1), "caf\xC3\xA9");

    EXPECT_EQ(texts.Load(folder.Path() / "missing.dat"), -1);
    EXPECT_EQ(texts.GetText(1), "");  // a failed load leaves no texts behind
}

TEST(ProgramTextTest, AFolderOrAnUnreadableFileCannotBeLoaded) {
    test::TemporaryFolder folder;
    std::filesystem::create_directory(folder.Path() / "zpm.dat");
    ProgramText texts;
    std::string message;
    EXPECT_FALSE(LoadProgramText(texts, folder.Path(), message));
    EXPECT_TRUE(message.starts_with("Cannot open file containing program text.")) << message;
    // /proc/self/mem looks like a regular file but reads as an I/O error at offset 0.
    if (FileExists("/proc/self/mem")) {
        EXPECT_EQ(texts.Load("/proc/self/mem"), -7);
    }
}

TEST(ProgramTextTest, TheShippedFileHoldsEveryTextInBothLanguages) {
    ProgramText texts;
    std::string message;
    ASSERT_TRUE(LoadProgramText(texts, test::BinaryFolder(), message)) << message;
    for (const int language : {ProgramText::kEnglish, ProgramText::kGerman}) {
        texts.SetUILanguage(language);
        for (const int n : {2, 3, 4, 5, 6, 7, 8, 9, 15, 21, 22, 23, 24, 25, 26, 310, 315}) {
            EXPECT_FALSE(texts.GetText(n).empty()) << n << " in language " << language;
        }
        EXPECT_EQ(texts.GetText(2), "Tagsmith");  // the names of the state file and its folder
        EXPECT_EQ(texts.GetText(310), "tagsmith");
    }
}

}  // namespace
}  // namespace tagsmith
