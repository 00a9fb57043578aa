#include <gtest/gtest.h>
#include <sys/mount.h>

#include <fstream>
#include <functional>
#include <system_error>

#include "core/editor/EditorTestSupport.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/InsertTagIntoDocument.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

const std::string kTag = "<meta name=\"keywords\" content=\"alpha, beta\">";
const std::string kDocument = "<head>\r\n<title>T</title>\r\n</head>\r\n<body>x</body>\r\n";
const std::string kOlderBackup = "older backup";

struct FaultScene {
    const fs::path& folder;
    const fs::path& document;
    FaultyFileSystemCalls& files;
};

struct FaultCase {
    const char* name;
    bool withBackup;
    // Sets the fault up and returns the errno it produces.
    std::function<int(const FaultScene&)> arrange;
    // The backup file's content afterwards: the older one, or the document's when the fault
    // came after the backup was kept.
    bool backupTakesTheDocument = false;
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

class InsertFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(InsertFaultTest, DocumentKeepsItsBytesAndNoTemporaryFileRemains) {
    const TemporaryFolder folder;
    const auto document = folder.WriteFile("index.html", kDocument);
    const auto backup = folder.WriteFile("index.bak.html", kOlderBackup);
    FaultyFileSystemCalls files;
    const int error = GetParam().arrange({folder.Path(), document, files});
    const auto namesBefore = FolderNames(folder.Path());

    FakeMessageBoxes messages;
    EXPECT_EQ(
        InsertTagIntoDocument(document.string(), kTag, GetParam().withBackup, messages, files),
        InsertOutcome::Failed);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, std::generic_category().message(error));
    EXPECT_EQ(messages.shown[0].title, kErrorTitle);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(FolderNames(folder.Path()), namesBefore);
    fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add);
    fs::permissions(document, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(ReadFileBytes(document), kDocument);
    if (fs::is_regular_file(backup)) {
        EXPECT_EQ(ReadFileBytes(backup),
                  GetParam().backupTakesTheDocument ? kDocument : kOlderBackup);
    }
}

int ReadOnlyFolder(const FaultScene& scene) {
    if (RunningAsRoot()) {
        scene.files.failCreateWith = EACCES;  // what creating a file in the folder would meet
    } else {
        fs::permissions(scene.folder, fs::perms(0555));
    }
    return EACCES;
}

int UnreadableDocument(const FaultScene& scene) {
    if (RunningAsRoot()) {
        scene.files.failOpenWith = EACCES;  // what opening the document would meet
    } else {
        fs::permissions(scene.document, fs::perms(0200));
    }
    return EACCES;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, InsertFaultTest,
    testing::Values(FaultCase{"ReadOnlyFolder", false, ReadOnlyFolder},
                    FaultCase{"ReadOnlyFolderWithBackup", true, ReadOnlyFolder},
                    FaultCase{"UnreadableDocument", true, UnreadableDocument},
                    FaultCase{"BackupNameIsAFolder", true,
                              [](const FaultScene& scene) {
                                  fs::remove(scene.folder / "index.bak.html");
                                  fs::create_directory(scene.folder / "index.bak.html");
                                  return EISDIR;
                              }},
                    FaultCase{"DiskFull", false,
                              [](const FaultScene& scene) {
                                  scene.files.diskSpace = 20;
                                  return ENOSPC;
                              }},
                    FaultCase{"DiskFullWhileKeepingTheBackup", true,
                              [](const FaultScene& scene) {
                                  // Room for the new content and a few bytes of the backup copy.
                                  scene.files.diskSpace = static_cast<long long>(
                                      kDocument.size() + kTag.size() + 4 + 5);
                                  return ENOSPC;
                              }},
                    FaultCase{"SyncFails", false,
                              [](const FaultScene& scene) {
                                  scene.files.failSyncWith = EIO;
                                  return EIO;
                              }},
                    FaultCase{"DocumentRenameFailsAfterTheBackup", true,
                              [](const FaultScene& scene) {
                                  scene.files.failRenameTo = scene.document.string();
                                  scene.files.failRenameWith = EBUSY;
                                  return EBUSY;
                              },
                              true}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST(InsertFaultTest, WriteProtectedDocumentIsNotReplaced) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "the superuser may write any file, so a write-protected document "
                        "cannot be made";
    }
    const TemporaryFolder folder;
    const auto document = folder.WriteFile("index.html", kDocument);
    fs::permissions(document, fs::perms(0444));
    FakeMessageBoxes messages;
    FileSystemCalls files;
    EXPECT_EQ(InsertTagIntoDocument(document.string(), kTag, false, messages, files),
              InsertOutcome::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, std::generic_category().message(EACCES));
    EXPECT_EQ(ReadFileBytes(document), kDocument);
    EXPECT_EQ(FolderNames(folder.Path()), std::set<std::string>{"index.html"});
}

// A small tmpfs mounted on a folder for the time of a test (the superuser only).
class SmallDisk {
public:
    explicit SmallDisk(const fs::path& folder) : m_folder(folder) {
        m_mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (m_mounted) ::umount2(m_folder.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool Mounted() const { return m_mounted; }

private:
    fs::path m_folder;
    bool m_mounted = false;
};

TEST(InsertFaultTest, RealFullDisk) {
    const TemporaryFolder folder;
    const fs::path disk = folder.Path() / "disk";
    fs::create_directory(disk);
    const SmallDisk mount(disk);
    if (!mount.Mounted()) {
        GTEST_SKIP() << "no small tmpfs can be mounted here; the DiskFull cases inject the "
                        "failure instead";
    }
    std::string document = "<html><head>\n<title>Pies</title>\n</head>\n<body>\n";
    while (document.size() < 40000) document += "<p>Apple pie with apple pie.</p>\n";
    const fs::path path = disk / "index.html";
    {
        std::ofstream out(path, std::ios::binary);
        out << document;
    }
    for (const bool withBackup : {false, true}) {
        FakeMessageBoxes messages;
        FileSystemCalls files;
        EXPECT_EQ(InsertTagIntoDocument(path.string(), kTag, withBackup, messages, files),
                  InsertOutcome::Failed);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].prompt, std::generic_category().message(ENOSPC));
        EXPECT_EQ(ReadFileBytes(path), document);
        EXPECT_EQ(FolderNames(disk), std::set<std::string>{"index.html"});
    }
}

}  // namespace
}  // namespace tagsmith::test
