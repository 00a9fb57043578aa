// The document changed by another program between the insertion's reading and its renames.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <set>

#include "core/editor/InsertTagIntoDocument.h"
#include "core/text/StringOperations.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

const std::string kTag = "<meta name=\"keywords\" content=\"alpha, beta\">";
const std::string kDocument = "<head>\n<title>T</title>\n</head>\n<p>body</p>\n";
const std::string kOlderBackup = "older backup";
const std::string kTheirs = "<head>\n<title>Saved by an editor</title>\n</head>\n";

// The real calls, with an action run once at a chosen moment of the insertion.
class InterferingFileSystemCalls : public FileSystemCalls {
public:
    enum class Moment { TemporaryCreated, TemporaryClosed };
    Moment moment = Moment::TemporaryCreated;
    std::function<void()> action;

    int CreateExclusive(const std::string& path) override {
        const int fd = FileSystemCalls::CreateExclusive(path);
        m_created = true;
        At(Moment::TemporaryCreated);
        return fd;
    }
    // The first close after a temporary file was made: that file is complete.
    int Close(int fd) override {
        const int result = FileSystemCalls::Close(fd);
        if (m_created) At(Moment::TemporaryClosed);
        return result;
    }

private:
    bool m_created = false;

    void At(Moment now) {
        if (now != moment || !action) return;
        const auto run = std::move(action);
        action = nullptr;
        run();
    }
};

TEST(DocumentChangedTest, AnotherProgramsSaveBeforeTheRenameIsKeptAndNothingIsWritten) {
    using Moment = InterferingFileSystemCalls::Moment;
    // How the other program changes the document.
    enum class Change { ReplacedByRename, RewrittenInPlace, Appended, Removed, SameSize };
    struct Case {
        Moment moment;
        Change change;
        bool backup;
    };
    const Case cases[] = {
        {Moment::TemporaryCreated, Change::ReplacedByRename, false},
        {Moment::TemporaryCreated, Change::RewrittenInPlace, true},
        {Moment::TemporaryClosed, Change::ReplacedByRename, true},
        {Moment::TemporaryClosed, Change::Appended, false},
        {Moment::TemporaryClosed, Change::Removed, true},
        // With backup the backup's rename comes first: the check before it still holds.
        {Moment::TemporaryClosed, Change::RewrittenInPlace, true},
        // The same inode and size: only the time of last change tells.
        {Moment::TemporaryClosed, Change::SameSize, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.moment) * 10 + static_cast<int>(c.change));
        const TemporaryFolder folder;
        const fs::path path = folder.WriteFile("index.html", kDocument);
        const fs::path backup = folder.WriteFile("index.bak.html", kOlderBackup);
        std::string expected = kTheirs;
        InterferingFileSystemCalls files;
        files.moment = c.moment;
        files.action = [&] {
            switch (c.change) {
                case Change::ReplacedByRename:
                    folder.WriteFile("saved.tmp", kTheirs);
                    fs::rename(folder.Path() / "saved.tmp", path);
                    break;
                case Change::RewrittenInPlace:
                    folder.WriteFile("index.html", kTheirs);
                    break;
                case Change::Appended:
                    folder.WriteFile("index.html", kDocument + "<p>more</p>\n");
                    expected = kDocument + "<p>more</p>\n";
                    break;
                case Change::Removed:
                    fs::remove(path);
                    expected.clear();
                    break;
                case Change::SameSize: {
                    struct stat status {};
                    ::stat(path.c_str(), &status);
                    expected = ReplaceAll(kDocument, "body", "BODY");
                    const int fd = ::open(path.c_str(), O_WRONLY);
                    EXPECT_EQ(::write(fd, expected.data(), expected.size()),
                              static_cast<ssize_t>(expected.size()));
                    // A clock tick may be coarser than the test: the time moves on explicitly.
                    const struct timespec times[2] = {status.st_atim,
                                                      {status.st_mtim.tv_sec + 1, 0}};
                    ::futimens(fd, times);
                    ::close(fd);
                    break;
                }
            }
        };
        FakeMessageBoxes messages;
        EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, c.backup, messages, files),
                  InsertOutcome::Refused);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].prompt,
                  "The document was changed by another program while the tag was being "
                  "inserted. Nothing was written.");
        EXPECT_EQ(messages.shown[0].title, "Not inserted");
        if (c.change == Change::Removed) {
            EXPECT_FALSE(fs::exists(path));
            EXPECT_EQ(FolderNames(folder.Path()), Names{"index.bak.html"});
        } else {
            EXPECT_EQ(ReadFileBytes(path), expected);
            EXPECT_EQ(FolderNames(folder.Path()), (Names{"index.html", "index.bak.html"}));
        }
        EXPECT_EQ(ReadFileBytes(backup), kOlderBackup);
    }
}

TEST(DocumentChangedTest, TheVersionTheTagWasComposedFromMustBeTheOneRewritten) {
    const TemporaryFolder folder;
    const fs::path path = folder.WriteFile("index.html", kDocument);
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    const FileIdentity scanned = FileIdentity::Of(status);
    // Saved again by another program after the scan, before the insertion.
    folder.WriteFile("saved.tmp", kTheirs);
    fs::rename(folder.Path() / "saved.tmp", path);
    FakeMessageBoxes messages;
    FileSystemCalls files;
    EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, false, messages, files, scanned),
              InsertOutcome::Refused);
    EXPECT_EQ(ReadFileBytes(path), kTheirs);
    EXPECT_EQ(FolderNames(folder.Path()), Names{"index.html"});

    // The same version: inserted.
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, false, messages, files,
                                    FileIdentity::Of(status)),
              InsertOutcome::Inserted);
    EXPECT_EQ(ReadFileBytes(path),
              "<head>\n<title>Saved by an editor</title>\n" + kTag + "\n\n</head>\n");
}

}  // namespace
}  // namespace tagsmith::test
