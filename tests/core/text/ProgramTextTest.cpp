#include <gtest/gtest.h>

#include <string>

#include "core/text/FileUtilities.h"
#include "core/text/ProgramText.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

TEST(ProgramTextTest, FailureMessagesAreTheFixedTexts) {
    const struct {
        int code;
        const char* message;
    } cases[] = {
        {0, "No program text was read."},
        {-2, "Particular memory allocation error."},
        {-3, "Too much program text."},
        {-4, "Text not recovered."},
        {-5, "Error -5"},
        {-6, "File is empty."},
        {-7, "Error reading file."},
        {-8, "General memory allocation error."},
        {-9, "Error -9"},
        {-20, "Error -20"},
        {-500, "Error -500"},
        {-501, "Missing string at line 1."},
        {-503, "Missing string at line 3."},
        {-1000, "Missing string at line 500."},
        {-1001, "String too long at line 1."},
        {-1003, "String too long at line 3."},
        {-1500, "String too long at line 500."},
        {-1501, "Duplicate in program text at line 1."},
        {-1503, "Duplicate in program text at line 3."},
        {-2100, "Duplicate in program text at line 600."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgramText::FailureMessage(c.code, "/x/zpm.dat"), c.message) << c.code;
    }
    EXPECT_EQ(ProgramText::FailureMessage(-1, "/x/zpm.dat"),
              "Cannot open file containing program text.\r\n/x/zpm.dat");
}

TEST(ProgramTextTest, LoadReportsEachFaultWithItsLine) {
    const std::string longText(1024, 'x');
    const std::string longestText(1023, 'x');
    const struct {
        const char* name;
        std::string content;
        int code;
    } cases[] = {
        {"two numbers", "# texts\n2 en Tagsmith\n2 de Tagsmith\n\n7 en Hello\n7 de Hallo\n", 2},
        {"empty file", "", -6},
        {"comments only", "# nothing\n\n   \n", 0},
        {"duplicate at line 3", "5 en a\n5 de b\n5 en c\n", -1503},
        {"duplicate across line ends", "5 en a\r\n5 de b\r5 de c", -1503},
        {"too long at line 3", "# c\n6 en a\n6 de " + longText + "\n", -1003},
        {"longest allowed", "6 en " + longestText + "\n6 de a\n", 1},
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
    for (const auto& c : cases) {
        test::TemporaryFolder folder;
        ProgramText texts;
        EXPECT_EQ(texts.Load(folder.WriteFile("zpm.dat", c.content)), c.code) << c.name;
    }
}

TEST(ProgramTextTest, LengthLimitCountsCharactersNotBytes) {
    test::TemporaryFolder folder;
    std::string umlauts;
    for (int i = 0; i < 1023; ++i) umlauts += "\xC3\xBC";  // 1023 characters, 2046 bytes
    ProgramText texts;
    EXPECT_EQ(texts.Load(folder.WriteFile("a.dat", "4 en " + umlauts + "\n4 de x\n")), 1);
    EXPECT_EQ(texts.Load(folder.WriteFile("b.dat", "4 en " + umlauts + "\xC3\xBC\n4 de x\n")),
              -1001);
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
    ASSERT_EQ(texts.Load(folder.WriteFile("cp.dat",
                                          "1 en caf\xE9\n1 de M\xFC"
                                          "ll\n")),
              1);
    EXPECT_EQ(texts.GetText(1), "M\xC3\xBCll");
    texts.SetUILanguage(ProgramText::kEnglish);
    EXPECT_EQ(texts.GetText(1), "caf\xC3\xA9");

    // A failed load leaves no texts behind.
    EXPECT_EQ(texts.Load(folder.Path() / "missing.dat"), -1);
    EXPECT_EQ(texts.GetText(1), "");
}

TEST(ProgramTextTest, LoadProgramTextNamesTheFileInTheMessage) {
    test::TemporaryFolder folder;
    ProgramText texts;
    std::string message;
    EXPECT_FALSE(LoadProgramText(texts, folder.Path(), message));
    EXPECT_EQ(message, "Cannot open file containing program text.\r\n" +
                           (folder.Path() / "zpm.dat").string());
    folder.WriteFile("zpm.dat", "1 en a\n1 de b\n1 de c\n");
    EXPECT_FALSE(LoadProgramText(texts, folder.Path(), message));
    EXPECT_EQ(message, "Duplicate in program text at line 3.");
    // A folder holding zpm.dat as a folder cannot be opened either.
    test::TemporaryFolder other;
    std::filesystem::create_directory(other.Path() / "zpm.dat");
    EXPECT_FALSE(LoadProgramText(texts, other.Path(), message));
    EXPECT_TRUE(message.starts_with("Cannot open file containing program text.")) << message;
}

TEST(ProgramTextTest, AReadErrorIsReported) {
    // /proc/self/mem reads as an I/O error at offset 0 though it looks like a regular file.
    if (!FileExists("/proc/self/mem")) GTEST_SKIP() << "no /proc";
    ProgramText texts;
    EXPECT_EQ(texts.Load("/proc/self/mem"), -7);
    EXPECT_EQ(ProgramText::FailureMessage(-7, ""), "Error reading file.");
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
        EXPECT_EQ(texts.GetText(2), "Tagsmith");
        EXPECT_EQ(texts.GetText(310), "tagsmith");
    }
}

}  // namespace
}  // namespace tagsmith
