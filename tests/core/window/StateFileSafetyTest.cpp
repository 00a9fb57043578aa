// The state file written through the safe writer: its mode, its link and its previous content.
#include <gtest/gtest.h>

#include <cerrno>
#include <set>

#include "core/window/StateFile.h"
#include "core/window/StateFileFormat.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

// The real calls; counts the syncs and makes the named call fail with its errno.
class CountingFileSystemCalls : public FileSystemCalls {
public:
    int failCreate = 0, failWrite = 0, failSync = 0, failRename = 0;
    int syncs = 0, folderSyncs = 0;

    int CreateExclusive(const std::string& path) override {
        return failCreate ? Fail(failCreate) : FileSystemCalls::CreateExclusive(path);
    }
    ssize_t Write(int fd, const char* data, std::size_t size) override {
        return failWrite ? Fail(failWrite) : FileSystemCalls::Write(fd, data, size);
    }
    int Sync(int fd) override {
        ++syncs;
        return failSync ? Fail(failSync) : FileSystemCalls::Sync(fd);
    }
    int Rename(const std::string& from, const std::string& to) override {
        return failRename ? Fail(failRename) : FileSystemCalls::Rename(from, to);
    }
    int SyncFolder(const std::string& folder) override {
        ++folderSyncs;
        return FileSystemCalls::SyncFolder(folder);
    }

private:
    static int Fail(int error) {
        errno = error;
        return -1;
    }
};

GeneratorSettings Changed() {
    GeneratorSettings settings;
    settings.txbBeginMetaTagWith = "say \"cheese\"";
    settings.cboLanguage = 2;
    return settings;
}

TEST(StateFileSafetyTest, ANewFileIsTheOwnersAloneAnOldOneKeepsItsModeAndItsLink) {
    const std::string previous = FormatStateFile(GeneratorSettings{});
    const std::string saved = FormatStateFile(Changed());
    ASSERT_NE(saved.find("\"say \"\"cheese\"\"\""), std::string::npos);
    // What stands at the state file's name before: no file, a file of its own mode, or a link
    // to a file of its own mode or to nothing (mode 0: no file).
    const std::pair<bool, int> befores[] = {
        {false, 0}, {false, 0644}, {false, 0640}, {true, 0604}, {true, 0}};
    for (const auto& [linked, before] : befores) {
        SCOPED_TRACE(testing::Message() << "link " << linked << ", mode " << before);
        const TemporaryFolder folder;
        fs::create_directory(folder.Path() / "config");
        fs::create_directory(folder.Path() / "dotfiles");
        const fs::path path = folder.Path() / "config" / "tagsmith.usr";
        const fs::path target = linked ? folder.Path() / "dotfiles" / "tagsmith.usr" : path;
        if (before != 0) {
            folder.WriteFile(fs::relative(target, folder.Path()).string(), previous);
            fs::permissions(target, static_cast<fs::perms>(before));
        }
        if (linked) fs::create_symlink("../dotfiles/tagsmith.usr", path);
        StateFile state;
        state.SetPath(path.string());
        CountingFileSystemCalls files;
        EXPECT_EQ(state.Save(Changed(), files), "");
        EXPECT_EQ(files.syncs, 1);
        EXPECT_EQ(files.folderSyncs, 1);
        EXPECT_EQ(fs::is_symlink(path), linked);
        EXPECT_EQ(ReadFileBytes(target), saved);
        EXPECT_EQ(fs::status(target).permissions(), static_cast<fs::perms>(before ? before : 0600));
        EXPECT_EQ(FolderNames(folder.Path() / "config"), Names{"tagsmith.usr"});
        EXPECT_EQ(FolderNames(folder.Path() / "dotfiles"),
                  linked ? Names{"tagsmith.usr"} : Names{});
    }
}

TEST(StateFileSafetyTest, AFailedSaveLeavesThePreviousFileWholeAndNoTemporaryFile) {
    const std::string previous = FormatStateFile(GeneratorSettings{});
    struct Case {
        int CountingFileSystemCalls::*fault;
        int error;
        const char* reason;
    };
    const Case cases[] = {
        {&CountingFileSystemCalls::failCreate, EACCES, "Permission denied"},
        {&CountingFileSystemCalls::failWrite, ENOSPC, "No space left on device"},
        {&CountingFileSystemCalls::failSync, EIO, "Input/output error"},
        {&CountingFileSystemCalls::failRename, EXDEV, "Invalid cross-device link"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        const TemporaryFolder folder;
        const fs::path path = folder.WriteFile("tagsmith.usr", previous);
        StateFile state;
        state.SetPath(path.string());
        CountingFileSystemCalls files;
        files.*c.fault = c.error;
        EXPECT_EQ(state.Save(Changed(), files),
                  std::string("Error when attempting to save the state: ") + c.reason);
        EXPECT_EQ(ReadFileBytes(path), previous);
        EXPECT_EQ(FolderNames(folder.Path()), Names{"tagsmith.usr"});
    }
}

}  // namespace
}  // namespace tagsmith::test
