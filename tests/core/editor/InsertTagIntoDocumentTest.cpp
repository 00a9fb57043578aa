#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <system_error>

#include "core/editor/BuildInsertedDocument.h"
#include "core/editor/InsertTagIntoDocument.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

const std::string kTag = "<meta name=\"keywords\" content=\"alpha, beta\">";
const std::string kOld = "<meta name=\"keywords\" content=\"old\">";
const std::string kOlderBackup = "older backup";
const char* const kTagSpansLines =
    "Meta tag not inserted because existing meta tag\r\nextends over more than one line or is "
    "invalid.\r\nSuggestion: Delete the existing meta tag.";
const char* const kNoHeadEnd = "Meta tag not inserted because the document has no </head> tag.";

TEST(InsertTagIntoDocumentTest, RewritesTheHeadInTheDocumentsOwnLineEndsAndEncoding) {
    struct Case {
        std::string document;
        std::string expected;
        std::string tag = kTag;
    };
    const std::vector<Case> cases = {
        // Before </head> when there is no keywords tag: an empty line before it is dropped, a line
        // of spaces kept; a keywords tag after the head stays.
        {"<head>\r\n   \r\n\r\n</head>\r\n\r\n<body>\r\n\r\n" + kOld + "\r\n",
         "<head>\r\n   \r\n" + kTag + "\r\n\r\n</head>\r\n<body>\r\n\r\n" + kOld + "\r\n"},
        {"<title>T</title>  </HEAD>  <body>\r\n",
         "<title>T</title>  " + kTag + "\r\n\r\n</HEAD><body>\r\n"},
        // Every keywords tag of the head is replaced, whatever surrounds it.
        {"<head><META NAME=\"Keywords\" CONTENT=\"old\">\r\n</head>\r\n",
         "<head>" + kTag + "\r\n</head>\r\n"},
        {kOld + "</head>\r\n<body>x</body>\r\n", kTag + "\r\n</head><body>x</body>\r\n"},
        {"<head>\r\n" + kOld + "\r\n  " + kOld + " <p>\r\n</head>\r\n",
         "<head>\r\n" + kTag + "\r\n  " + kTag + "\r\n<p>\r\n</head>\r\n"},
        {"<!-- " + kOld + " -->\r\n</head>\r\n", "<!-- " + kTag + "\r\n-->\r\n</head>\r\n"},
        {"<p>\n" + kOld + "\n\n<p>x", "<p>\n" + kTag + "\n<p>x\n"},
        // Line ends: LF, CR, none at all (LF), mixed (the first one for the tag).
        {"<head>\n<title>T</title>\n</head>",
         "<head>\n<title>T</title>\n" + kTag + "\n\n</head>\n"},
        {"<head>\r<title>T</title>\r</head>\r<body>\r",
         "<head>\r<title>T</title>\r" + kTag + "\r\r</head><body>\r"},
        {"<head></head><body>x</body>", "<head>" + kTag + "\n\n</head><body>x</body>\n"},
        {"<head>\r\n<p>\n</head>\r<body>\n", "<head>\r\n<p>\n" + kTag + "\r\n\r\n</head><body>\n"},
        {"<head>\n</head>\n", "<head>\n<meta name=\"keywords\"\ncontent=\"a\">\n\n</head>\n",
         "<meta name=\"keywords\"\r\ncontent=\"a\">"},
        // Encodings: UTF-8 (with its byte-order mark) stays UTF-8; cp1252 stays cp1252.
        {"\xEF\xBB\xBF<head>\r\n<title>Caf\xC3\xA9</title>\r\n</head>\r\n<b>\xE2\x98\x83</b>\r\n",
         "\xEF\xBB\xBF<head>\r\n<title>Caf\xC3\xA9</title>\r\n<meta name=\"keywords\" "
         "content=\"caf\xC3\xA9, \xE2\x98\x83\">\r\n\r\n</head><b>\xE2\x98\x83</b>\r\n",
         "<meta name=\"keywords\" content=\"caf\xC3\xA9, \xE2\x98\x83\">"},
        {"\xEF\xBB\xBF" + kOld + "\n</head>\n", "\xEF\xBB\xBF" + kTag + "\n</head>\n"},
        {"<head>\r\n<title>Caf\xE9</title>\r\n</head>\r\n<p>na\xEFve</p>\r\n",
         "<head>\r\n<title>Caf\xE9</title>\r\n<meta name=\"keywords\" "
         "content=\"caf\xE9, \x80uro, &#9731;\">\r\n\r\n</head><p>na\xEFve</p>\r\n",
         "<meta name=\"keywords\" content=\"caf\xC3\xA9, \xE2\x82\xACuro, \xE2\x98\x83\">"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        // The pure step gives the same bytes without a file.
        const InsertedDocument built = BuildInsertedDocument(c.document, c.tag);
        EXPECT_EQ(built.result, HeadRewriteResult::Rewritten);
        EXPECT_EQ(built.content, c.expected);
        const TemporaryFolder folder;
        const auto path = folder.WriteFile("index.html", c.document);
        FakeMessageBoxes messages;
        FileSystemCalls files;
        EXPECT_EQ(InsertTagIntoDocument(path.string(), c.tag, false, messages, files),
                  InsertOutcome::Inserted);
        EXPECT_EQ(ReadFileBytes(path), c.expected);
        EXPECT_EQ(FolderNames(folder.Path()), Names{"index.html"});
    }
}

TEST(InsertTagIntoDocumentTest, KeepsTheModeAndReplacesTheBackupOnlyWhenAsked) {
    std::string body;  // several times the size of the write buffer
    while (body.size() < 300000) body += "<p>line " + std::to_string(body.size()) + "</p>\n";
    const std::string before = "<head>\n" + kOld + "\n</head>\n" + body;
    for (const bool withBackup : {false, true}) {
        const TemporaryFolder folder;
        const auto path = folder.WriteFile("index.html", before);
        const auto backup = folder.WriteFile("index.bak.html", kOlderBackup);
        fs::permissions(path, fs::perms(0640));
        FakeMessageBoxes messages;
        FileSystemCalls files;
        EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, withBackup, messages, files),
                  InsertOutcome::Inserted);
        EXPECT_EQ(ReadFileBytes(path), "<head>\n" + kTag + "\n</head>" + body);
        EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
        EXPECT_EQ(ReadFileBytes(backup), withBackup ? before : kOlderBackup);
        EXPECT_EQ(FolderNames(folder.Path()), (Names{"index.html", "index.bak.html"}));
        ASSERT_EQ(messages.shown.size(), withBackup ? 2u : 1u);
        EXPECT_EQ(messages.shown[0].prompt, "Meta tag inserted successfully into document.");
        for (const FakeMessageBoxes::Box& box : messages.shown) {
            EXPECT_EQ(box.title, "Insert meta tag into file");
            EXPECT_EQ(box.icon, MessageIcon::Information);
        }
        if (!withBackup) continue;
        EXPECT_EQ(fs::status(backup).permissions(), fs::perms(0640));
        EXPECT_EQ(messages.shown[1].prompt,
                  "The original file was backed up as\r\n" + backup.string());
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
    const std::pair<std::string, bool> tags[] = {
        // the tag, and whether it is refused
        {kTag, false},
        {"<meta name=\"keywords\" content=\"a, b\" />", false},
        {"<meta name='keywords' content='say \"cheese\", b'>", false},
        {"<meta content=\"x\"\r\nname=\"keywords\">", false},
        {"<meta name=\"keywords\" content=\"say \"cheese\", b\">", true},
        {"<meta name=\"keywords\" content=\"\"quoted\", b\">", true},
        {"<meta name=\"keywords\" content=\"a, b\"\">", true},
        {"<meta name=\"keywords\" content=\"a, b>", true},
    };
    const std::string document = "<head>\n</head>\n";
    for (const auto& [tag, refused] : tags) {
        SCOPED_TRACE(tag);
        EXPECT_EQ(BuildInsertedDocument(document, tag).result,
                  refused ? HeadRewriteResult::TagHoldsQuote : HeadRewriteResult::Rewritten);
        const TemporaryFolder folder;
        const auto path = folder.WriteFile("index.html", document);
        FakeMessageBoxes messages;
        FileSystemCalls files;
        EXPECT_EQ(InsertTagIntoDocument(path.string(), tag, false, messages, files),
                  refused ? InsertOutcome::Refused : InsertOutcome::Inserted);
        ASSERT_EQ(messages.shown.size(), 1u);
        if (refused) {
            EXPECT_EQ(messages.shown[0].prompt,
                      "Meta tag not inserted because a double quote (\") in its content would "
                      "end the content early.\r\nSuggestion: Remove the double quote from the "
                      "words the meta tag begins with.");
            EXPECT_EQ(ReadFileBytes(path), document);
        }
        EXPECT_EQ(FolderNames(folder.Path()), Names{"index.html"});
    }
}

// The errno each call fails with (0: none).
struct Faults {
    int create = 0, open = 0, writable = 0, sync = 0, renameOntoDocument = 0;
    long long diskSpace = -1;  // bytes the disk takes before it is full; -1: no limit
};

// The real calls, with those named in the faults failing.
class FaultyFileSystemCalls : public FileSystemCalls {
public:
    Faults faults;
    std::string document;

    int CreateExclusive(const std::string& path) override {
        return faults.create ? Fail(faults.create) : FileSystemCalls::CreateExclusive(path);
    }
    int OpenForReading(const std::string& path) override {
        return faults.open ? Fail(faults.open) : FileSystemCalls::OpenForReading(path);
    }
    int CheckWritable(const std::string& path) override {
        return faults.writable ? Fail(faults.writable) : FileSystemCalls::CheckWritable(path);
    }
    int Sync(int fd) override {
        return faults.sync ? Fail(faults.sync) : FileSystemCalls::Sync(fd);
    }
    int Rename(const std::string& from, const std::string& to) override {
        if (faults.renameOntoDocument && to == document) return Fail(faults.renameOntoDocument);
        return FileSystemCalls::Rename(from, to);
    }
    ssize_t Write(int fd, const char* data, std::size_t size) override {
        if (faults.diskSpace < 0) return FileSystemCalls::Write(fd, data, size);
        if (faults.diskSpace == 0) return Fail(ENOSPC);
        const auto part = std::min<std::size_t>(size, static_cast<std::size_t>(faults.diskSpace));
        const ssize_t written = FileSystemCalls::Write(fd, data, part);
        if (written > 0) faults.diskSpace -= written;
        return written;
    }

private:
    static int Fail(int error) {
        errno = error;
        return -1;
    }
};

TEST(InsertTagIntoDocumentTest, ARefusalOrAFaultLeavesEveryFileAsItWas) {
    const std::string document = "<head>\r\n<title>T</title>\r\n</head>\r\n<body>x</body>\r\n";
    const auto room = static_cast<long long>(document.size() + kTag.size() + 9);
    // Permission bits do not stop the superuser: there the faults they cause are injected.
    const bool root = ::geteuid() == 0;
    struct Case {
        bool backup = true;
        int error = 0;  // of the fault; 0: a refusal
        Faults faults = {};
        const char* protect = nullptr;  // "." (the folder) or a file given the mode
        int mode = 0;
        bool backupTakesTheDocument = false;  // the fault came after the backup was kept
        const char* refusal = nullptr;
        const char* page = nullptr;  // the document instead of the one above
        bool modeBindsRoot = false;  // the permission bits protect from the superuser too
    };
    const std::vector<Case> cases = {
        {false, EACCES, {.create = EACCES}, ".", 0555},
        {true, EACCES, {.open = EACCES}, "index.html", 0200},
        {false, EACCES, {}, "index.html", 0444, false, nullptr, nullptr, true},
        {false, ENOSPC, {.diskSpace = 20}},
        {true, ENOSPC, {.diskSpace = room}},  // room for the new content, not for the backup
        {false, EIO, {.sync = EIO}},
        {true, EBUSY, {.renameOntoDocument = EBUSY}, nullptr, 0, true},
        // Documents the insertion refuses (backup asked for, as in every row by default).
        {.refusal = kTagSpansLines,
         .page = "<head>\r\n<meta name=\"keywords\" content=\"a,\r\nb\">\r\n</head>\r\n"},
        {.refusal = kTagSpansLines, .page = "<meta name=\"keywords\"\ncontent=\"x\">\n<p>"},
        {.refusal = kNoHeadEnd, .page = "<html>\r\n\r\n<body>x</body>\r\n"},
        {.refusal = kNoHeadEnd, .page = "<meta\r\nname=\"keywords\" content=\"x\">\r\n<p>"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        const std::string before = c.page != nullptr ? c.page : document;
        const TemporaryFolder folder;
        const auto path = folder.WriteFile("index.html", before);
        const auto backup = folder.WriteFile("index.bak.html", kOlderBackup);
        FaultyFileSystemCalls files;
        files.document = path.string();
        const bool byMode = c.protect != nullptr && c.mode != 0 && (!root || c.modeBindsRoot);
        if (!byMode) files.faults = c.faults;
        if (byMode) {
            fs::permissions(folder.Path() / c.protect, fs::perms(c.mode));
        }
        const Names namesBefore = FolderNames(folder.Path());

        FakeMessageBoxes messages;
        EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, c.backup, messages, files),
                  c.refusal ? InsertOutcome::Refused : InsertOutcome::Failed);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].prompt,
                  c.refusal ? c.refusal : std::generic_category().message(c.error));
        EXPECT_EQ(messages.shown[0].title, c.refusal ? "Not inserted" : "Error");
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(FolderNames(folder.Path()), namesBefore);
        fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add);
        fs::permissions(path, fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(ReadFileBytes(path), before);
        if (fs::is_regular_file(backup)) {
            EXPECT_EQ(ReadFileBytes(backup), c.backupTakesTheDocument ? before : kOlderBackup);
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
