// Inserting the tag into a document: the bytes written, the backup and the boxes shown, and that
// a refusal, a failing call or another program's save leaves every file as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <map>
#include <set>
#include <system_error>

#include "core/editor/BuildInsertedDocument.h"
#include "core/editor/InsertMetaTagIntoFile.h"
#include "core/editor/InsertTagIntoDocument.h"
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
const char* const kChanged =
    "The document was changed by another program while the tag was being inserted. Nothing was "
    "written.";

// The rows of one kind of InsertTagCases.txt, {tag} and {old} written out.
Rows Cases(const std::string& kind) {
    Rows rows;
    for (auto row : ReadCaseTable("core/editor/InsertTagCases.txt")) {
        if (row.at(0) != kind) continue;
        for (std::string& field : row) {
            field = ReplaceAll(ReplaceAll(field, "{tag}", kTag), "{old}",
                               "<meta name=\"keywords\" content=\"old\">");
        }
        rows.push_back(row);
    }
    return rows;
}

// The real calls, except the one named in `failing`, and an action run once at a chosen moment.
class TestFileSystemCalls : public FileSystemCalls {
public:
    std::string failing;  // create, open, writable, sync, rename (onto the document) or write
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
    int CheckWritable(const std::string& path) override {
        return failing == "writable" ? Fail() : FileSystemCalls::CheckWritable(path);
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

// A document beside an older backup in a fresh folder, and what one insertion into it needs.
struct Attempt {
    explicit Attempt(const std::string& bytes) : before(bytes) { files.document = path.string(); }

    InsertOutcome Insert(const std::string& tag, bool withBackup,
                         const std::optional<FileIdentity>& scanned = {}) {
        return InsertTagIntoDocument(path.string(), tag, withBackup, messages, files, scanned);
    }
    // The only box shown, as "title: prompt".
    std::string Box() const {
        EXPECT_EQ(messages.shown.size(), 1u);
        return messages.shown.empty() ? ""
                                      : messages.shown[0].title + ": " + messages.shown[0].prompt;
    }

    std::string before;
    TemporaryFolder folder;
    fs::path path = folder.WriteFile("index.html", before);
    fs::path backup = folder.WriteFile("index.bak.html", kOlderBackup);
    TestFileSystemCalls files;
    FakeMessageBoxes messages;
};

TEST(InsertTagIntoDocumentTest, RewritesTheHeadInTheDocumentsOwnLineEndsAndEncoding) {
    const Rows rows = Cases("rewrite");
    ASSERT_EQ(rows.size(), 15u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(1));
        const std::string tag = row.size() > 3 ? row.at(3) : kTag;
        // The pure step gives the same bytes without a file.
        const InsertedDocument built = BuildInsertedDocument(row.at(1), tag);
        EXPECT_EQ(built.result, HeadRewriteResult::Rewritten);
        EXPECT_EQ(built.content, row.at(2));
        Attempt attempt(row.at(1));
        EXPECT_EQ(attempt.Insert(tag, false), InsertOutcome::Inserted);
        EXPECT_EQ(ReadFileBytes(attempt.path), row.at(2));
        EXPECT_EQ(ReadFileBytes(attempt.backup), kOlderBackup);
        EXPECT_EQ(FolderNames(attempt.folder.Path()), kBoth);
    }
}

TEST(InsertTagIntoDocumentTest, KeepsTheModeAndReplacesTheBackupOnlyWhenAsked) {
    std::string body;  // several times the size of the write buffer
    while (body.size() < 300000) body += "<p>line " + std::to_string(body.size()) + "</p>\n";
    for (const bool withBackup : {false, true}) {
        Attempt attempt("<head>\n<meta name=\"keywords\" content=\"old\">\n</head>\n" + body);
        fs::permissions(attempt.path, fs::perms(0640));
        EXPECT_EQ(attempt.Insert(kTag, withBackup), InsertOutcome::Inserted);
        EXPECT_EQ(ReadFileBytes(attempt.path), "<head>\n" + kTag + "\n</head>" + body);
        EXPECT_EQ(fs::status(attempt.path).permissions(), fs::perms(0640));
        EXPECT_EQ(ReadFileBytes(attempt.backup), withBackup ? attempt.before : kOlderBackup);
        EXPECT_EQ(FolderNames(attempt.folder.Path()), kBoth);
        const auto& shown = attempt.messages.shown;
        ASSERT_EQ(shown.size(), withBackup ? 2u : 1u);
        EXPECT_EQ(shown[0].prompt, "Meta tag inserted successfully into document.");
        for (const FakeMessageBoxes::Box& box : shown) {
            EXPECT_EQ(box.title, "Insert meta tag into file");
            EXPECT_EQ(box.icon, MessageIcon::Information);
        }
        if (!withBackup) continue;
        EXPECT_EQ(fs::status(attempt.backup).permissions(), fs::perms(0640));
        EXPECT_EQ(shown[1].prompt,
                  "The original file was backed up as\r\n" + attempt.backup.string());
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
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].prompt, path.string() + " is not a regular file.");
        EXPECT_EQ(messages.shown[0].title, "Not inserted");
    }
    EXPECT_EQ(FolderNames(folder.Path()), (Names{"pipe.html", "folder.html"}));
}

TEST(InsertTagIntoDocumentTest, ADoubleQuoteThatWouldEndAnAttributeValueEarlyIsRefused) {
    const Rows rows = Cases("quote");
    ASSERT_EQ(rows.size(), 8u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(1));
        const bool refused = row.at(2) == "refused";
        Attempt attempt("<head>\n</head>\n");
        EXPECT_EQ(BuildInsertedDocument(attempt.before, row.at(1)).result,
                  refused ? HeadRewriteResult::TagHoldsQuote : HeadRewriteResult::Rewritten);
        EXPECT_EQ(attempt.Insert(row.at(1), false),
                  refused ? InsertOutcome::Refused : InsertOutcome::Inserted);
        const std::string box = attempt.Box();
        if (refused) {
            EXPECT_EQ(box,
                      "Not inserted: Meta tag not inserted because a double quote "
                      "(\") in its content would end the content early.\r\nSuggestion: Remove the "
                      "double quote from the words the meta tag begins with.");
            EXPECT_EQ(ReadFileBytes(attempt.path), attempt.before);
        }
        EXPECT_EQ(FolderNames(attempt.folder.Path()), kBoth);
    }
}

TEST(InsertTagIntoDocumentTest, ARefusalOrAFaultLeavesEveryFileAsItWas) {
    // Permission bits do not stop the superuser: there the faults they cause are injected.
    const bool root = ::geteuid() == 0;
    const std::map<std::string, int> errors = {
        {"EACCES", EACCES}, {"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EBUSY", EBUSY}};
    Rows rows = Cases("refuse");
    for (auto& row : Cases("fail")) rows.push_back(row);
    ASSERT_EQ(rows.size(), 11u);
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row));
        const bool refusal = row.at(0) == "refuse";
        Attempt attempt(refusal ? row.at(1)
                                : "<head>\r\n<title>T</title>\r\n</head>\r\n<body>x</body>\r\n");
        std::string expected = "Not inserted: " + row.at(2);
        if (!refusal) {
            const std::string protect = row.at(2).substr(0, row.at(2).find(' '));
            if (!protect.empty() && (!root || row.at(3).empty())) {
                fs::permissions(attempt.folder.Path() / protect,
                                fs::perms(std::stoi(row.at(2).substr(protect.size()), nullptr, 8)));
            } else {
                attempt.files.failing = row.at(3);
            }
            attempt.files.error = errors.at(row.at(4));
            attempt.files.diskSpace = std::stoll(row.at(5));
            expected = "Error: " + std::generic_category().message(attempt.files.error);
        }
        EXPECT_EQ(attempt.Insert(kTag, refusal || row.at(1) == "1"),
                  refusal ? InsertOutcome::Refused : InsertOutcome::Failed);
        EXPECT_EQ(attempt.Box(), expected);
        EXPECT_EQ(attempt.messages.shown.at(0).icon, MessageIcon::Exclamation);
        EXPECT_EQ(FolderNames(attempt.folder.Path()), kBoth);
        fs::permissions(attempt.folder.Path(), fs::perms::owner_all, fs::perm_options::add);
        fs::permissions(attempt.path, fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(ReadFileBytes(attempt.path), attempt.before);
        EXPECT_EQ(ReadFileBytes(attempt.backup),
                  !refusal && row.at(6) == "taken" ? attempt.before : kOlderBackup);
    }
}

TEST(DocumentChangedTest, AnotherProgramsSaveBeforeTheRenameIsKeptAndNothingIsWritten) {
    const std::string document = "<head>\n<title>T</title>\n</head>\n<p>body</p>\n";
    const std::string theirs = "<head>\n<title>Saved by an editor</title>\n</head>\n";
    const Rows rows = Cases("changed");
    ASSERT_EQ(rows.size(), 7u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(1) + ", " + row.at(2));
        Attempt attempt(document);
        const std::string& change = row.at(2);
        std::string expected = change == "appended" ? document + "<p>more</p>\n" : theirs;
        attempt.files.moment = row.at(1);
        attempt.files.action = [&] {
            if (change == "replaced by rename") {
                attempt.folder.WriteFile("saved.tmp", theirs);
                fs::rename(attempt.folder.Path() / "saved.tmp", attempt.path);
            } else if (change == "removed") {
                fs::remove(attempt.path);
            } else if (change == "same size") {
                struct stat status {};
                ::stat(attempt.path.c_str(), &status);
                expected = ReplaceAll(document, "body", "BODY");
                const int fd = ::open(attempt.path.c_str(), O_WRONLY);
                EXPECT_EQ(::write(fd, expected.data(), expected.size()),
                          static_cast<ssize_t>(expected.size()));
                // A clock tick may be coarser than the test: the time moves on explicitly.
                const struct timespec times[2] = {status.st_atim, {status.st_mtim.tv_sec + 1, 0}};
                ::futimens(fd, times);
                ::close(fd);
            } else {
                attempt.folder.WriteFile("index.html", expected);
            }
        };
        EXPECT_EQ(attempt.Insert(kTag, row.at(3) == "1"), InsertOutcome::Refused);
        EXPECT_EQ(attempt.Box(), std::string("Not inserted: ") + kChanged);
        if (change == "removed") {
            EXPECT_EQ(FolderNames(attempt.folder.Path()), Names{"index.bak.html"});
        } else {
            EXPECT_EQ(ReadFileBytes(attempt.path), expected);
            EXPECT_EQ(FolderNames(attempt.folder.Path()), kBoth);
        }
        EXPECT_EQ(ReadFileBytes(attempt.backup), kOlderBackup);
    }
}

TEST(DocumentChangedTest, TheVersionTheTagWasComposedFromMustBeTheOneRewritten) {
    Attempt attempt("<head>\n<title>T</title>\n</head>\n");
    struct stat status {};
    ASSERT_EQ(::stat(attempt.path.c_str(), &status), 0);
    const FileIdentity scanned = FileIdentity::Of(status);
    // Saved again by another program after the scan, before the insertion.
    const std::string theirs = "<head>\n<title>Saved by an editor</title>\n</head>\n";
    attempt.folder.WriteFile("saved.tmp", theirs);
    fs::rename(attempt.folder.Path() / "saved.tmp", attempt.path);
    EXPECT_EQ(attempt.Insert(kTag, false, scanned), InsertOutcome::Refused);
    EXPECT_EQ(attempt.Box(), std::string("Not inserted: ") + kChanged);
    EXPECT_EQ(ReadFileBytes(attempt.path), theirs);
    EXPECT_EQ(FolderNames(attempt.folder.Path()), kBoth);

    // The same version: inserted.
    ASSERT_EQ(::stat(attempt.path.c_str(), &status), 0);
    EXPECT_EQ(attempt.Insert(kTag, false, FileIdentity::Of(status)), InsertOutcome::Inserted);
    EXPECT_EQ(ReadFileBytes(attempt.path),
              "<head>\n<title>Saved by an editor</title>\n" + kTag + "\n\n</head>\n");
}

// A window's worth of state for one click on "Insert meta tag into file".
struct InsertBench {
    TemporaryFolder folder;
    GeneratorSettings settings;
    ScanSession session;
    ProgramText texts;
    StringOutputBox output;
    FakeMessageBoxes messages;
    FileSystemCalls files;
    fs::path document = folder.WriteFile("index.html", "<head>\n<title>Apples</title>\n</head>\n");

    InsertBench() {
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
};

TEST(InsertMetaTagIntoFileTest, RefusesInOrderOrInsertsTheTagOfTheBoxOrAFreshOne) {
    const Rows rows = Cases("click");
    ASSERT_EQ(rows.size(), 10u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(6));
        InsertBench bench;
        const std::string document = ReadFileBytes(bench.document);
        const std::map<std::string, std::string> inputs = {
            {"blank", "   "},
            {"document", " " + bench.document.string() + " "},
            {"missing", " " + bench.document.string() + "x "}};
        bench.settings.txbInputFile = inputs.at(row.at(1));
        bench.session.ScanIsCurrent = row.at(2) == "1";
        if (row.at(3) == "empty") bench.session.Table.ResetTable();
        bench.settings.txbBeginMetaTagWith = row.at(4);
        bench.settings.optInsertionWithBackup = row.at(5) == "1";
        bench.output.SetText(row.at(6));
        const bool inserts = row.at(7).starts_with("<");
        EXPECT_EQ(bench.Click(), inserts ? InsertOutcome::Inserted : InsertOutcome::Refused);
        EXPECT_EQ(bench.settings.txbInputFile.find(' '), std::string::npos);
        const auto& shown = bench.messages.shown;
        ASSERT_EQ(shown.size(), row.at(5) == "1" ? 2u : 1u);
        EXPECT_EQ(shown[0].title, "Insert meta tag into file");
        EXPECT_EQ(
            (shown[0].icon == MessageIcon::Information ? "information: " : "exclamation: ") +
                shown[0].prompt,
            inserts ? "information: Meta tag inserted successfully into document." : row.at(7));
        EXPECT_EQ(ReadFileBytes(bench.document),
                  inserts ? ReplaceAll(document, "</head>", row.at(7) + "\n\n</head>") : document);
        EXPECT_EQ(ReadFileBytes(bench.folder.Path() / "index.bak.html"),
                  row.at(5) == "1" ? document : "");
        if (inserts) {
            EXPECT_EQ(bench.output.Text(), row.at(8));
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
