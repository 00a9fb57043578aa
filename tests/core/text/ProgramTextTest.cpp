#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/text/FileUtilities.h"
#include "core/text/ProgramText.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

TEST(ProgramTextTest, FailureMessagesNameTheFaultAndItsLine) {
    const std::pair<int, const char*> cases[] = {
        {-1, "Cannot open file containing program text.\r\n/x/zpm.dat"},
        {-5, "Error -5"},
        {-7, "Error reading file."},
        {-500, "Error -500"},
        {-501, "Missing string at line 1."},
        {-1000, "Missing string at line 500."},
        {-1001, "String too long at line 1."},
        {-1501, "Duplicate in program text at line 1."},
        {-2100, "Duplicate in program text at line 600."},
    };
    for (const auto& [code, message] : cases) {
        EXPECT_EQ(ProgramText::FailureMessage(code, "/x/zpm.dat"), message) << code;
    }
}

TEST(ProgramTextTest, LoadReportsEachFaultWithItsLine) {
    const std::string longText(1024, 'x');
    std::string umlauts;  // 1023 characters in 2046 bytes
    for (int i = 0; i < 1023; ++i) umlauts += "\xC3\xBC";
    const std::tuple<const char*, std::string, int> cases[] = {
        {"two numbers", "# texts\n2 en Tagsmith\n2 de Tagsmith\n\n7 en Hello\n7 de Hallo\n", 2},
        {"empty file", "", -6},
        {"comments only", "# nothing\n\n   \n", 0},
        {"duplicate at line 3", "5 en a\n5 de b\n5 en c\n", -1503},
        {"duplicate across line ends", "5 en a\r\n5 de b\r5 de c", -1503},
        {"too long at line 3", "# c\n6 en a\n6 de " + longText + "\n", -1003},
        {"longest allowed", "6 en " + longText.substr(1) + "\n6 de a\n", 1},
        {"limit counts characters", "4 en " + umlauts + "\n4 de x\n", 1},
        {"one character more", "4 en " + umlauts + "\xC3\xBC\n4 de x\n", -1001},
        {"no text at line 3", "5 en a\n5 de b\n6 en   \n6 de c\n", -503},
        {"german missing", "# c\n\n8 en only English\n", -503},
        {"english missing, earliest line", "9 de x\n8 de y\n", -501},
        {"unknown language", "5 fr bonjour\n", -5},
        {"no number", "en Hello\n", -5},
        {"number zero", "0 en a\n0 de b\n", -5},
        {"number too large", "32768 en a\n32768 de b\n", -5},
        {"language glued to text", "5 enHello\n5 de b\n", -5},
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
