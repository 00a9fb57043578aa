// The editor: where the keywords tag stands, the backup's name, a document's format and head;
// inserting the tag into a document: the bytes written, the backup and the boxes shown, and that
// a refusal, a failing call or another program's save leaves every file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <system_error>
#include <tuple>

#include "core/editor/BackupPath.h"
#include "core/editor/BuildInsertedDocument.h"
#include "core/editor/DocumentFormat.h"
#include "core/editor/HeadMetaTagReader.h"
#include "core/editor/InsertMetaTagIntoFile.h"
#include "core/editor/InsertTagIntoDocument.h"
#include "core/editor/LocateKeywordsTag.h"
#include "core/editor/ShowExistingKeywordMetaTag.h"
#include "core/text/StringOperations.h"
#include "fakes/CaseTable.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/TestSupport.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;
using Rows = std::vector<std::vector<std::string>>;

const std::string kTag = "<meta name=\"keywords\" content=\"alpha, beta\">";
const std::string kOlderBackup = "older backup";
const Names kBoth = {"index.html", "index.bak.html"};
const std::string kChanged =
    "exclamation | Not inserted | The document was changed by another program while the tag was "
    "being inserted. Nothing was written.\n";

// The rows of one kind of EditorCases.txt, {tag}, {old} and {body} written out.
Rows Cases(const std::string& kind) {
    std::string body;  // several times the size of the write buffer
    while (body.size() < 300000) body += "<p>line " + std::to_string(body.size()) + "</p>\n";
    Rows rows = ReadCaseTable("core/editor/EditorCases.txt", {kind});
    for (auto& row : rows) {
        for (std::string& field : row) {
            field = ReplaceAll(ReplaceAll(ReplaceAll(field, "{tag}", kTag), "{body}", body),
                               "{old}", "<meta name=\"keywords\" content=\"old\">");
        }
    }
    return rows;
}

// The real calls, except the one named in `failing`, and an action run once at a chosen moment.
class TestFileSystemCalls : public FileSystemCalls {
public:
    std::string failing;  // create, open, sync, rename (onto the document) or write
    int error = 0;
    long long diskSpace = -1;  // bytes a failing write takes before the disk is full
    std::string document;
    std::string moment;  // "created" (the temporary file) or "closed" (it is complete)
    std::function<void()> action;

    int CreateExclusive(const std::string& path) override {
        if (failing == "create") return Fail();
        const int fd = FileSystemCalls::CreateExclusive(path);
        m_created = true;
        At("created");
        return fd;
    }
    int OpenForReading(const std::string& path) override {
        return failing == "open" ? Fail() : FileSystemCalls::OpenForReading(path);
    }
    int Sync(int fd) override { return failing == "sync" ? Fail() : FileSystemCalls::Sync(fd); }
    int Rename(const std::string& from, const std::string& to) override {
        if (failing == "rename" && to == document) return Fail();
        return FileSystemCalls::Rename(from, to);
    }
    ssize_t Write(int fd, const char* data, std::size_t size) override {
        if (failing != "write" || diskSpace < 0) return FileSystemCalls::Write(fd, data, size);
        if (diskSpace == 0) return Fail();
        const auto part = std::min<std::size_t>(size, static_cast<std::size_t>(diskSpace));
        const ssize_t written = FileSystemCalls::Write(fd, data, part);
        if (written > 0) diskSpace -= written;
        return written;
    }
    // The first close after a temporary file was made: that file is complete.
    int Close(int fd) override {
        const int result = FileSystemCalls::Close(fd);
        if (m_created) At("closed");
        return result;
    }

private:
    bool m_created = false;

    int Fail() const {
        errno = error;
        return -1;
    }
    void At(const std::string& now) {
        if (now != moment || !action) return;
        const auto run = std::move(action);
        action = nullptr;
        run();
    }
};

// The boxes shown, one line each: "icon | title | prompt".
std::string Boxes(const FakeMessageBoxes& messages) {
    std::string text;
    for (const FakeMessageBoxes::Box& box : messages.shown) {
        text += box.icon == MessageIcon::Information   ? "information | "
                : box.icon == MessageIcon::Exclamation ? "exclamation | "
                                                       : "other | ";
        text += box.title + " | " + box.prompt + "\n";
    }
    return text;
}

TEST(EditorPiecesTest, LocateTheTagNameTheBackupAndDetectTheFormat) {
    for (const auto& row : Cases("locate")) {
        const KeywordsTagSpan span = LocateKeywordsTag(row.at(1));
        EXPECT_EQ(std::tie(span.start, span.end),
                  std::make_tuple(std::stoul(row.at(2)), std::stoul(row.at(3))))
            << row.at(1);
    }
    for (const auto& row : Cases("backup")) EXPECT_EQ(BackupPath(row.at(1)), row.at(2));
    const TemporaryFolder folder;
    FileSystemCalls files;
    for (const auto& row : Cases("format")) {
        SCOPED_TRACE(row.at(1) + row.at(2));
        const std::string block = row.at(1) == "block" ? std::string(65535, 'a') : "";
        const auto path = folder.WriteFile("f.html", block + row.at(2));
        const DocumentFormat format = DetectDocumentFormat(files, path.string());
        EXPECT_EQ(format.encoding,
                  row.at(3) == "utf8" ? TextEncoding::Utf8 : TextEncoding::Windows1252);
        EXPECT_EQ(format.lineEnd, row.at(4));
    }
}

// The box naming a document: its head is read, each entry knowing its kind and line; a keywords
// tag after </head> is not read.
TEST(ShowExistingHeadTagsTest, TrimsTheInputRefusesMissingFilesOrReadsTheHead) {
    const std::string keywords = "<meta name=\"keywords\" content=\"a, b\">";
    const std::string description = "<meta name=\"description\" content=\"x\">";
    const TemporaryFolder folder;
    folder.WriteFile("page.htm", "<title>A</title>\r\n<!-- c\r\n-->\r\n" + description + "\r\n" +
                                     keywords + "\r\n</head>\r\n" + keywords + "\r\n");
    const Rows rows = Cases("show");
    ASSERT_EQ(rows.size(), 4u);
    for (const auto& row : rows) {
        const std::string typed = ReplaceAll(row.at(1), "{folder}", folder.Path().string());
        SCOPED_TRACE(typed);
        std::string input = typed;
        FakeMessageBoxes messages;
        const std::optional<HeadTags> tags = ShowExistingHeadTags(input, messages);
        EXPECT_EQ(input, std::string(TrimSpaces(typed)));
        const std::string prompt = ReplaceAll(row.at(3), "{folder}", folder.Path().string());
        EXPECT_EQ(Boxes(messages),
                  row.at(2).empty() ? "" : "exclamation | " + row.at(2) + " | " + prompt + "\n");
        ASSERT_EQ(tags.has_value(), row.at(2).empty());
        if (!tags) continue;
        using Kind = HeadTag::Kind;
        const std::vector<std::tuple<Kind, std::string, int>> expected = {
            {Kind::Title, "A", 1},
            {Kind::Description, description, 4},
            {Kind::Keywords, keywords, 5}};
        ASSERT_EQ(tags->entries.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(std::tie(tags->entries[i].kind, tags->entries[i].text, tags->entries[i].line),
                      expected[i]);
        }
        EXPECT_FALSE(tags->failed);
        EXPECT_EQ(tags->First(Kind::Keywords), &tags->entries[2]);
        EXPECT_EQ(tags->First(Kind::Zpma), nullptr);
    }
}

// A document beside an older backup in a fresh folder, and what one insertion into it needs.
struct Attempt {
    explicit Attempt(const std::string& bytes) : before(bytes) { files.document = path.string(); }

    InsertOutcome Insert(const std::string& tag, bool withBackup,
                         const std::optional<FileIdentity>& scanned = {}) {
        return InsertTagIntoDocument(path.string(), tag, withBackup, messages, files, scanned);
    }
    // The version of the document now, as a scan records it.
    FileIdentity Identity() const {
        struct stat status {};
        EXPECT_EQ(::stat(path.c_str(), &status), 0);
        return FileIdentity::Of(status);
    }
    // The boxes of a successful insertion.
    std::string Inserted(bool withBackup) const {
        const std::string box = "information | Insert meta tag into file | ";
        return box + "Meta tag inserted successfully into document.\n" +
               (withBackup ? box + "The original file was backed up as\r\n" + backup.string() + "\n"
                           : "");
    }

    std::string before;
    TemporaryFolder folder;
    fs::path path = folder.WriteFile("index.html", before);
    fs::path backup = folder.WriteFile("index.bak.html", kOlderBackup);
    TestFileSystemCalls files;
    FakeMessageBoxes messages;
};

// With and without backup by turns; the document keeps its permission bits, a backup gets them.
TEST(InsertTagIntoDocumentTest, RewritesTheHeadInTheDocumentsOwnLineEndsAndEncoding) {
    const Rows rows = Cases("rewrite");
    ASSERT_EQ(rows.size(), 19u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        SCOPED_TRACE(row.at(1).substr(0, 200));
        const std::string tag = row.size() > 3 ? row.at(3) : kTag;
        // The pure step gives the same bytes without a file.
        const InsertedDocument built = BuildInsertedDocument(row.at(1), tag);
        EXPECT_EQ(built.result, HeadRewriteResult::Rewritten);
        EXPECT_EQ(built.content, row.at(2));
        Attempt attempt(row.at(1));
        const bool withBackup = i % 2 == 1;
        fs::permissions(attempt.path, fs::perms(0640));
        // The version scanned, when given, is the one rewritten.
        const auto scanned = withBackup ? std::optional(attempt.Identity()) : std::nullopt;
        EXPECT_EQ(attempt.Insert(tag, withBackup, scanned), InsertOutcome::Inserted);
        EXPECT_EQ(ReadFileBytes(attempt.path), row.at(2));
        EXPECT_EQ(fs::status(attempt.path).permissions(), fs::perms(0640));
        EXPECT_EQ(ReadFileBytes(attempt.backup), withBackup ? attempt.before : kOlderBackup);
        EXPECT_EQ(fs::status(attempt.backup).permissions() == fs::perms(0640), withBackup);
        EXPECT_EQ(FolderNames(attempt.folder.Path()), kBoth);
        EXPECT_EQ(Boxes(attempt.messages), attempt.Inserted(withBackup));
    }
}

TEST(InsertTagIntoDocumentTest, WhatIsNoRegularFileIsRefusedWithoutBeingOpened) {
    const TemporaryFolder folder;
    const fs::path fifo = folder.Path() / "pipe.html";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);  // opening it to read would wait for a writer
    fs::create_directory(folder.Path() / "folder.html");
    for (const fs::path& path : {fifo, folder.Path() / "folder.html", fs::path("/dev/zero")}) {
        FakeMessageBoxes messages;
        FileSystemCalls files;
        EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, true, messages, files),
                  InsertOutcome::Refused);
        EXPECT_EQ(Boxes(messages),
                  "exclamation | Not inserted | " + path.string() + " is not a regular file.\n");
    }
    EXPECT_EQ(FolderNames(folder.Path()), (Names{"pipe.html", "folder.html"}));
}

TEST(InsertTagIntoDocumentTest, ARefusalOrAFaultLeavesEveryFileAsItWas) {
    // Permission bits do not stop the superuser: there the faults they cause are injected.
    const bool root = ::geteuid() == 0;
    const std::map<std::string, int> errors = {
        {"EACCES", EACCES}, {"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EBUSY", EBUSY}};
    Rows rows = Cases("refuse");
    for (auto& row : Cases("fail")) rows.push_back(row);
    ASSERT_EQ(rows.size(), 15u);
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row));
        const bool refusal = row.at(0) == "refuse";
        const std::string tag = refusal && !row.at(2).empty() ? row.at(2) : kTag;
        Attempt attempt(refusal ? row.at(1)
                                : "<head>\r\n<title>T</title>\r\n</head>\r\n<body>x</body>\r\n");
        std::string expected = "exclamation | Not inserted | " + row.at(refusal ? 3 : 2) + "\n";
        if (refusal) {
            EXPECT_NE(BuildInsertedDocument(row.at(1), tag).result, HeadRewriteResult::Rewritten);
        } else {
            if (!row.at(2).empty() && (!root || row.at(4).empty())) {
                fs::permissions(attempt.folder.Path() / row.at(2),
                                fs::perms(std::stoi(row.at(3), nullptr, 8)));
            } else {
                attempt.files.failing = row.at(4);
            }
            attempt.files.error = errors.at(row.at(5));
            attempt.files.diskSpace = std::stoll(row.at(6));
            expected = "exclamation | Error | " +
                       std::generic_category().message(attempt.files.error) + "\n";
        }
        EXPECT_EQ(attempt.Insert(tag, refusal || row.at(1) == "1"),
                  refusal ? InsertOutcome::Refused : InsertOutcome::Failed);
        EXPECT_EQ(Boxes(attempt.messages), expected);
        EXPECT_EQ(FolderNames(attempt.folder.Path()), kBoth);
        fs::permissions(attempt.folder.Path(), fs::perms::owner_all, fs::perm_options::add);
        fs::permissions(attempt.path, fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(ReadFileBytes(attempt.path), attempt.before);
        EXPECT_EQ(ReadFileBytes(attempt.backup),
                  !refusal && row.at(7) == "taken" ? attempt.before : kOlderBackup);
    }
}

TEST(DocumentChangedTest, AnotherProgramsSaveBeforeTheRenameIsKeptAndNothingIsWritten) {
    const std::string document = "<head>\n<title>T</title>\n</head>\n<p>body</p>\n";
    const std::string theirs = "<head>\n<title>Saved by an editor</title>\n</head>\n";
    const Rows rows = Cases("changed");
    ASSERT_EQ(rows.size(), 8u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(1) + ", " + row.at(2));
        Attempt attempt(document);
        const std::string& change = row.at(2);
        const std::string expected = change == "appended"    ? document + "<p>more</p>\n"
                                     : change == "same size" ? ReplaceAll(document, "b", "B")
                                                             : theirs;
        attempt.files.action = [&] {
            if (change == "replaced by rename") {
                attempt.folder.WriteFile("saved.tmp", theirs);
                fs::rename(attempt.folder.Path() / "saved.tmp", attempt.path);
            } else if (change == "removed") {
                fs::remove(attempt.path);
            } else {
                // A clock tick may be coarser than the test: the time moves on explicitly.
                const auto time = fs::last_write_time(attempt.path);
                attempt.folder.WriteFile("index.html", expected);
                fs::last_write_time(attempt.path, time + std::chrono::seconds(1));
            }
        };
        std::optional<FileIdentity> scanned;
        if (row.at(1) == "scanned") {
            scanned = attempt.Identity();
            attempt.files.action();
        } else {
            attempt.files.moment = row.at(1);
        }
        EXPECT_EQ(attempt.Insert(kTag, row.at(3) == "1", scanned), InsertOutcome::Refused);
        EXPECT_EQ(Boxes(attempt.messages), kChanged);
        if (change == "removed") {
            EXPECT_EQ(FolderNames(attempt.folder.Path()), Names{"index.bak.html"});
        } else {
            EXPECT_EQ(ReadFileBytes(attempt.path), expected);
            EXPECT_EQ(FolderNames(attempt.folder.Path()), kBoth);
        }
        EXPECT_EQ(ReadFileBytes(attempt.backup), kOlderBackup);
    }
}

// The document of an attempt, and a window's worth of state for one click on "Insert meta tag
// into file".
struct InsertBench : Attempt {
    InsertBench() : Attempt("<head>\n<title>Apples</title>\n</head>\n") {
        std::string message;
        LoadProgramText(texts, BinaryFolder(), message);
        for (std::string word : {"apples", "pears"}) session.Table.AddOccurrence(word, 1, false);
    }

    // Marks what the caller's formatter made of a fresh composition.
    static std::string Shown(const ComposedMetaTag& composed, const GeneratorSettings&) {
        return "shown: " + composed.tag + " " + std::to_string(composed.keywords);
    }

    InsertOutcome Click() {
        return InsertMetaTagIntoFile({settings, session, texts, output, Shown, messages, files});
    }

    GeneratorSettings settings;
    ScanSession session;
    ProgramText texts;
    StringOutputBox output;
};

TEST(InsertMetaTagIntoFileTest, RefusesInOrderOrInsertsTheTagOfTheBoxOrAFreshOne) {
    const Rows rows = Cases("click");
    ASSERT_EQ(rows.size(), 10u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(6));
        InsertBench bench;
        const std::map<std::string, std::string> inputs = {
            {"blank", "   "},
            {"document", " " + bench.path.string() + " "},
            {"missing", " " + bench.path.string() + "x "}};
        bench.settings.txbInputFile = inputs.at(row.at(1));
        bench.session.ScanIsCurrent = row.at(2) == "1";
        if (row.at(3) == "empty") bench.session.Table.ResetTable();
        bench.settings.txbBeginMetaTagWith = row.at(4);
        const bool withBackup = row.at(5) == "1";
        bench.settings.optInsertionWithBackup = withBackup;
        bench.output.SetText(row.at(6));
        const bool inserts = row.at(7).empty();
        EXPECT_EQ(bench.Click(), inserts ? InsertOutcome::Inserted : InsertOutcome::Refused);
        EXPECT_EQ(bench.settings.txbInputFile.find(' '), std::string::npos);
        EXPECT_EQ(Boxes(bench.messages),
                  inserts ? bench.Inserted(withBackup)
                          : row.at(7) + " | Insert meta tag into file | " + row.at(8) + "\n");
        EXPECT_EQ(ReadFileBytes(bench.path),
                  inserts ? ReplaceAll(bench.before, "</head>", row.at(8) + "\n\n</head>")
                          : bench.before);
        EXPECT_EQ(ReadFileBytes(bench.backup), withBackup ? bench.before : kOlderBackup);
        if (inserts) {
            EXPECT_EQ(bench.output.Text(), row.at(9));
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
