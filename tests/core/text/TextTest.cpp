// The text layer: character rules, string searches, the encodings, the program texts, the line
// reader and the file queries, most cases in TextCases.txt; then the safe writer against real
// files changed behind its back.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/text/CharacterRules.h"
#include "core/text/FileUtilities.h"
#include "core/text/PendingFileRegistry.h"
#include "core/text/ProgramText.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/StringOperations.h"
#include "core/text/SystemError.h"
#include "core/text/TextEncoding.h"
#include "core/text/TextLineReader.h"
#include "fakes/CaseTable.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t kNone = std::string_view::npos;

constexpr const char* kCases = "core/text/TextCases.txt";

// Folding, the word at the start of a text and the vowel test, on letters of many scripts.
TEST(CharacterRulesTest, FoldsCaseCutsWordsAndFindsVowelsInEveryScript) {
    const auto rows = ReadCaseTable(kCases, {"fold", "word", "novowel"});
    ASSERT_EQ(rows.size(), 33u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 3u);
        const std::string& text = row[1];
        if (row[0] == "fold") {
            EXPECT_EQ(FoldCase(text), row[2]) << text;
        } else if (row[0] == "word") {
            EXPECT_EQ(text.substr(0, WordLength(text, 0)), row[2]) << text;
        } else {
            EXPECT_EQ(HasNoVowel(text), row[2] == "yes") << text;
        }
    }
    EXPECT_EQ(WordLength("x٣y", 0, true), std::string("x٣y").size());
}

TEST(StringOperationsTest, FindAndReplaceIgnoringAsciiCase) {
    const auto rows = ReadCaseTable(kCases, {"find", "replace"});
    ASSERT_EQ(rows.size(), 14u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 5u);
        const std::string& text = row[1];
        if (row[0] == "find") {
            const std::size_t found = row[4].empty() ? kNone : std::stoul(row[4]);
            EXPECT_EQ(FindIgnoringCase(text, std::stoul(row[2]), row[3]), found) << text;
        } else {
            const bool ignoreCase = !row[3].empty();
            EXPECT_EQ(
                ignoreCase ? ReplaceIgnoringCase(text, row[2], "#") : ReplaceAll(text, row[2], "#"),
                row[4])
                << text;
        }
    }
}

TEST(StringOperationsTest, PositionSearchesAndTrimming) {
    std::size_t index = 99;
    EXPECT_EQ(FindAnyOf("a<b>c", 2, "<>", &index), 3u);
    EXPECT_EQ(index, 1u);
    EXPECT_EQ(FindAnyOf("abc", 0, "<>", &index), 3u);  // none: one past the end
    EXPECT_EQ(index, kNone);
    EXPECT_EQ(FindFirstOf("abc", 0, "<>"), kNone);
    EXPECT_EQ(FindFirstNotOf("a  b", 1, " "), 3u);
    EXPECT_EQ(FindFirstNotOf("   ", 0, " "), kNone);
    EXPECT_EQ(SkipSpaces("<  a", 0), 3u);  // looks after the position
    EXPECT_EQ(SkipSpaces("ab", 5), 2u);
    EXPECT_FALSE(MatchesAtIgnoringCase("x<Tab", 1, "<table"));
    EXPECT_EQ(TrimSpaces("\ta  "), "\ta");
    std::string text = "a-b-c d";
    RemoveChars(text, "- ", 2);
    EXPECT_EQ(text, "a-bcd");
}

// Validity, the Windows-1252 table both ways and decoding.
TEST(TextEncodingTest, ValidatesMapsAndDecodesAsTheCaseTableSays) {
    const auto rows =
        ReadCaseTable(kCases, {"valid", "invalid", "decode", "decode as", "none", "cp1252"});
    ASSERT_EQ(rows.size(), 44u);
    for (const auto& row : rows) {
        const std::string& kind = row.at(0);
        const std::string& text = row.at(1);
        if (kind == "valid" || kind == "invalid") {
            EXPECT_EQ(IsValidUtf8(text), kind == "valid") << text;
        } else if (kind == "decode") {
            EXPECT_EQ(DecodeTextToUtf8(text), row.at(2)) << text;
        } else if (kind == "decode as") {
            const auto encoding = text == "cp1252" ? TextEncoding::Windows1252 : TextEncoding::Utf8;
            EXPECT_EQ(DecodeToUtf8(row.at(2), encoding), row.at(3)) << text;
        } else if (kind == "none") {
            EXPECT_EQ(CodePointToWindows1252(std::stoul(text, nullptr, 16)), -1) << text;
        } else {
            const int code = std::stoi(text, nullptr, 16);
            const auto codePoint = static_cast<char32_t>(std::stoul(row.at(2), nullptr, 16));
            EXPECT_EQ(Windows1252ToCodePoint(static_cast<unsigned char>(code)), codePoint) << text;
            EXPECT_EQ(CodePointToWindows1252(codePoint), code) << text;
        }
    }
}

TEST(Utf8ValidityTest, AFaultIsFoundAtAnyPositionInALongText) {
    const std::string ascii(40, 'a');
    for (std::size_t at = 0; at < ascii.size(); ++at) {
        for (const char* fault : {"\xFF", "\x80", "\xC3"}) {
            std::string text = ascii;
            text.replace(at, 1, fault);
            EXPECT_FALSE(IsValidUtf8(text)) << "byte " << at;
        }
        std::string good = ascii;
        good.replace(at, 1, "\xC3\xA9");
        EXPECT_TRUE(IsValidUtf8(good)) << "byte " << at;
    }
}

TEST(Utf8ValidityTest, SequencesMayStraddlePiecesAndAnOpenOneIsNotValid) {
    const std::string text = "a\U0001F600b\u00E9";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        Utf8Validator validator;
        validator.Feed(std::string_view(text).substr(0, cut));
        validator.Feed(std::string_view(text).substr(cut));
        EXPECT_TRUE(validator.IsValid()) << "cut at " << cut;
    }
    Utf8Validator open;
    open.Feed("\xF0\x9F");
    EXPECT_FALSE(open.IsValid());
    open.Feed("z\xC3\xA9");
    EXPECT_FALSE(open.IsValid());  // stays invalid after a later good sequence
}

TEST(DecodeTest, RoundTripsAndCountsCharacters) {
    std::string all;
    for (int code = 1; code < 256; ++code) all += static_cast<char>(code);
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(CountCharacters(utf8), all.size());

    const std::u32string points = U"a\u00E9\u20AC\U0001F600";
    EXPECT_EQ(Utf8ToCodePoints(CodePointsToUtf8(points)), points);
    EXPECT_EQ(CodePointsToUtf8(U"\u20AC"), "\xE2\x82\xAC");
    // A lone surrogate or a number beyond Unicode cannot be written: it becomes U+FFFD.
    EXPECT_EQ(CodePointsToUtf8(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
    EXPECT_EQ(CodePointsToUtf8(std::u32string(1, char32_t{0x110000})), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToCodePoints("x\x80"), (std::u32string{U'x', 0x20AC}));
}

// The bytes with each "{piece*N}" replaced by N copies of the piece.
std::string Repeated(std::string bytes) {
    for (std::size_t at; (at = bytes.find('{')) != std::string::npos;) {
        const std::size_t star = bytes.find('*', at);
        std::string copies;
        for (int n = std::stoi(bytes.substr(star + 1)); n > 0; --n) {
            copies += bytes.substr(at + 1, star - at - 1);
        }
        bytes.replace(at, bytes.find('}', star) + 1 - at, copies);
    }
    return bytes;
}

TEST(ProgramTextTest, LoadFaultsAndTheirMessagesNameTheLine) {
    const TemporaryFolder folder;
    const auto rows = ReadCaseTable(kCases, {"message", "load"});
    ASSERT_EQ(rows.size(), 28u);
    for (const auto& row : rows) {
        const int code = std::stoi(row.at(row.at(0) == "message" ? 1 : 2));
        if (row.at(0) == "message") {
            EXPECT_EQ(ProgramText::FailureMessage(code, "/x/zpm.dat"), row.at(2)) << code;
        } else {
            ProgramText texts;
            EXPECT_EQ(texts.Load(folder.WriteFile("zpm.dat", Repeated(row.at(1)))), code) << row[1];
        }
    }
}

TEST(ProgramTextTest, TextsAreLookedUpByNumberAndLanguage) {
    const TemporaryFolder folder;
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
    const TemporaryFolder folder;
    fs::create_directory(folder.Path() / "zpm.dat");
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
    ASSERT_TRUE(LoadProgramText(texts, BinaryFolder(), message)) << message;
    for (const int language : {ProgramText::kEnglish, ProgramText::kGerman}) {
        texts.SetUILanguage(language);
        for (const int n : {2, 3, 4, 5, 6, 7, 8, 9, 15, 21, 22, 23, 24, 25, 26, 310, 315}) {
            EXPECT_FALSE(texts.GetText(n).empty()) << n << " in language " << language;
        }
        EXPECT_EQ(texts.GetText(2), "Tagsmith");  // the names of the state file and its folder
        EXPECT_EQ(texts.GetText(310), "tagsmith");
    }
}

using Lines = std::vector<std::pair<std::string, LineEnd>>;

Lines ReadAll(TextLineReader& reader) {
    Lines lines;
    std::string line;
    LineEnd end = LineEnd::None;
    while (reader.ReadLine(line, &end)) lines.emplace_back(line, end);
    return lines;
}

TEST(TextLineReaderTest, EndsLinesAtLfCrLfAndLoneCrWhateverTheBufferSize) {
    const auto rows = ReadCaseTable(kCases, {"lines"});
    ASSERT_EQ(rows.size(), 15u);
    const TemporaryFolder folder;
    // Tiny buffers put every terminator, CR LF included, across a buffer boundary somewhere.
    for (const std::size_t size :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, TextLineReader::kDefaultBufferSize}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << row.at(1) << ", buffer " << size);
            Lines expected;
            for (std::size_t k = 3; k + 1 < row.size(); k += 2) {
                const std::string& end = row[k + 1];
                expected.emplace_back(row[k], end == "lf"     ? LineEnd::Lf
                                              : end == "crlf" ? LineEnd::CrLf
                                              : end == "cr"   ? LineEnd::Cr
                                                              : LineEnd::None);
            }
            TextLineReader reader(size);
            ASSERT_TRUE(reader.Open(folder.WriteFile("lines.txt", row.at(1))));
            if (row.at(2) == "skip bom") reader.SkipUtf8Bom();
            EXPECT_EQ(ReadAll(reader), expected);
            EXPECT_FALSE(reader.Failed());
        }
    }
}

TEST(TextLineReaderTest, ReportsMissingFilesAndReadErrors) {
    const TemporaryFolder folder;
    TextLineReader reader;
    EXPECT_FALSE(reader.Open(folder.Path() / "missing.txt"));
    std::string line;
    EXPECT_FALSE(reader.ReadLine(line));
    // Reading a folder opened as a file fails with an error, not as an empty file.
    if (reader.Open(folder.Path())) {
        EXPECT_FALSE(reader.ReadLine(line));
        EXPECT_TRUE(reader.Failed());
    }
    ASSERT_TRUE(reader.Open(folder.WriteFile("ok.txt", "x\n")));  // re-opening starts afresh
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(ReadAll(reader), (Lines{{"x", LineEnd::Lf}}));
}

using Value = std::optional<std::string>;  // nullopt: unset

// Sets an environment variable until the end of the scope.
struct ScopedVariable {
    ScopedVariable(const char* variable, const Value& value) : name(variable) {
        if (const char* old = std::getenv(name)) previous = old;
        Set(value);
    }
    ~ScopedVariable() { Set(previous); }
    void Set(const Value& value) { value ? setenv(name, value->c_str(), 1) : unsetenv(name); }
    const char* name;
    Value previous;
};

TEST(FileUtilitiesTest, FileAndFolderQueriesFollowLinks) {
    const TemporaryFolder folder;
    const std::string dir = folder.Path().string();
    folder.WriteFile("page.html", "x");
    fs::create_symlink(dir + "/page.html", dir + "/link.html");
    fs::create_directory_symlink(dir, dir + "/dirlink");
    fs::create_symlink(dir + "/gone", dir + "/dangling");
    for (const auto& row : ReadCaseTable(kCases, {"exists"})) {
        const std::string& name = row.at(1);
        const std::string path = name.empty() ? "" : name == "." ? dir : dir + "/" + name;
        EXPECT_EQ(FileExists(path), row.at(2) == "file") << path;
        EXPECT_EQ(FolderExists(path), row.at(2) == "folder") << path;
    }
}

TEST(FileUtilitiesTest, ApplicationDataFolderFollowsTheXdgRules) {
    const TemporaryFolder folder;
    const std::string config = (folder.Path() / "cfg").string();
    const std::string home = (folder.Path() / "home").string();
    const std::tuple<Value, Value, fs::path> cases[] = {
        // XDG_CONFIG_HOME, HOME, the folder
        {config, home, config},
        {std::nullopt, home, fs::path(home) / ".config"},
        {"", home, fs::path(home) / ".config"},
        {"relative/cfg", home, fs::path(home) / ".config"},  // a relative value is ignored
    };
    for (const auto& [xdgValue, homeValue, expected] : cases) {
        SCOPED_TRACE(expected.string());
        const ScopedVariable xdg("XDG_CONFIG_HOME", xdgValue);
        const ScopedVariable homeVariable("HOME", homeValue);
        EXPECT_EQ(ApplicationDataFolder(), expected);
    }
    // Without either variable: the account's home folder, else the root folder.
    const ScopedVariable xdg("XDG_CONFIG_HOME", std::nullopt);
    const ScopedVariable homeVariable("HOME", std::nullopt);
    EXPECT_TRUE(ApplicationDataFolder().is_absolute());
}

TEST(FileUtilitiesTest, UserDataFilePathCreatesItsFolderOnce) {
    const TemporaryFolder folder;
    const fs::path config = folder.Path() / "not-yet" / "config";
    const ScopedVariable xdg("XDG_CONFIG_HOME", config.string());
    const std::string path = UserDataFilePath("a.usr", "Q");
    EXPECT_EQ(path, (config / "Q" / "a.usr").string());
    EXPECT_TRUE(FolderExists((config / "Q").string()));
    const auto written = folder.WriteFile("not-yet/config/Q/a.usr", "state");
    EXPECT_EQ(UserDataFilePath("a.usr", "Q"), path);
    EXPECT_EQ(ReadFileBytes(written), "state");  // the second call cleared nothing
    // A file standing where the folder should be: the failure is thrown.
    folder.WriteFile("not-yet/config/R", "a file");
    EXPECT_THROW(UserDataFilePath("a.usr", "R"), fs::filesystem_error);
}

TEST(FileUtilitiesTest, ProgramDataFolderIsBesideTheExecutableElseTheConfiguredRelativeOne) {
    const TemporaryFolder folder;
    const fs::path root = folder.Path();
    for (const char* name : {"build/bin/zpm.dat", "build/bin/tagsmith-cli", "usr/bin/tagsmith-cli",
                             "usr/share/tagsmith/zpm.dat"}) {
        folder.WriteFile(name, "");
    }
    for (const auto& row : ReadCaseTable(kCases, {"data folder"})) {
        EXPECT_EQ(ProgramDataFolderFor(root / row.at(1), row.at(2)), root / row.at(3)) << row[1];
    }
    // The test program itself runs from the build tree, where the data lies beside it.
    EXPECT_TRUE(FileExists((ProgramDataFolder() / "zpm.dat").string()));
}

TEST(SafeFileWriterTest, TheTemporaryFileIsKnownToTheSignalHandlerForExactlyAsLongAsItExists) {
    const TemporaryFolder folder;
    const fs::path path = folder.WriteFile("page.html", "before");
    FileSystemCalls files;
    {
        SafeFileWriter writer(files, path.string());
        writer.Write("half of it");
        const std::string temporary = fs::path(writer.TemporaryPath()).filename().string();
        EXPECT_TRUE(temporary.starts_with(".tagsmith-")) << temporary;
        EXPECT_EQ(FolderNames(folder.Path()), (std::set<std::string>{"page.html", temporary}));
        // What the handler of SIGINT, SIGTERM and SIGHUP does.
        PendingFileRegistry::RemoveAll();
        EXPECT_EQ(FolderNames(folder.Path()), std::set<std::string>{"page.html"});
    }
    EXPECT_EQ(ReadFileBytes(path), "before");

    SafeFileWriter writer(files, path.string());
    writer.Write("after");
    writer.Commit();
    PendingFileRegistry::RemoveAll();  // a committed file is no longer the handler's
    EXPECT_EQ(ReadFileBytes(path), "after");
    EXPECT_EQ(FolderNames(folder.Path()), std::set<std::string>{"page.html"});
}

TEST(SafeFileWriterTest, LinksAreFollowedToTheirTarget) {
    const TemporaryFolder folder;
    fs::create_directories(folder.Path() / "a" / "b");
    folder.WriteFile("a/b/real.html", "x");
    fs::create_symlink("b/real.html", folder.Path() / "a" / "first");
    fs::create_symlink("a/first", folder.Path() / "second");
    fs::create_symlink("loop", folder.Path() / "loop");
    for (const auto& row : ReadCaseTable(kCases, {"link target"})) {
        EXPECT_EQ(ResolveLinkTarget((folder.Path() / row.at(1)).string()),
                  (folder.Path() / row.at(2)).string());
    }
    EXPECT_THROW(ResolveLinkTarget((folder.Path() / "loop").string()), std::system_error);
}

// Whatever another program did to the target since it was read, the commit refuses and the
// other program's content stays, with no temporary file left.
TEST(SafeFileWriterTest, ATargetChangedSinceItWasReadIsNeverOverwritten) {
    const std::pair<const char*, void (*)(const fs::path&)> changes[] = {
        {"rewritten in place at the same size, a second later",
         [](const fs::path& path) {
             std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out) << "edited";
             struct stat status {};
             ::stat(path.c_str(), &status);
             const timespec times[2] = {status.st_atim,
                                        {status.st_mtim.tv_sec + 1, status.st_mtim.tv_nsec}};
             ::utimensat(AT_FDCWD, path.c_str(), times, 0);
         }},
        {"saved as a new file renamed over it",
         [](const fs::path& path) {
             std::ofstream(path.string() + ".new", std::ios::binary) << "edited";
             fs::rename(path.string() + ".new", path);
         }},
        {"grown", [](const fs::path& path) { std::ofstream(path, std::ios::app) << "!"; }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        const TemporaryFolder folder;
        const fs::path path = folder.WriteFile("page.html", "before");
        struct stat read {};
        ASSERT_EQ(::stat(path.c_str(), &read), 0);
        FileSystemCalls files;
        const std::string changed = [&] {
            SafeFileWriter writer(files, path.string(), {.expected = FileIdentity::Of(read)});
            writer.Write("after");
            change(path);
            const std::string now = ReadFileBytes(path);
            EXPECT_THROW(writer.Commit(), FileRefusedError);
            return now;
        }();
        EXPECT_EQ(ReadFileBytes(path), changed);
        EXPECT_EQ(FolderNames(folder.Path()), std::set<std::string>{"page.html"});
    }
}

}  // namespace
}  // namespace tagsmith::test
