// The state file written through the safe writer: its mode, its link and its previous content.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <set>

#include "core/window/StateFile.h"
#include "core/window/StateFileFormat.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 07777;
}

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
    enum class Before { Nothing, File0644, File0640, LinkToFile0604, DanglingLink };
    const std::string previous = FormatStateFile(GeneratorSettings{});
    const std::string saved = FormatStateFile(Changed());
    ASSERT_NE(saved.find("\"say \"\"cheese\"\"\""), std::string::npos);
    for (const Before before : {Before::Nothing, Before::File0644, Before::File0640,
                                Before::LinkToFile0604, Before::DanglingLink}) {
        SCOPED_TRACE(static_cast<int>(before));
        const TemporaryFolder folder;
        fs::create_directory(folder.Path() / "config");
        fs::create_directory(folder.Path() / "dotfiles");
        const fs::path path = folder.Path() / "config" / "tagsmith.usr";
        const fs::path target = folder.Path() / "dotfiles" / "tagsmith.usr";
        mode_t mode = 0600;
        switch (before) {
            case Before::Nothing:
                break;
            case Before::File0644:
            case Before::File0640:
                folder.WriteFile("config/tagsmith.usr", previous);
                mode = before == Before::File0644 ? 0644 : 0640;
                ::chmod(path.c_str(), mode);
                break;
            case Before::LinkToFile0604:
                folder.WriteFile("dotfiles/tagsmith.usr", previous);
                mode = 0604;
                ::chmod(target.c_str(), mode);
                [[fallthrough]];
            case Before::DanglingLink:
                fs::create_symlink("../dotfiles/tagsmith.usr", path);
                break;
        }
        const bool linked = before == Before::LinkToFile0604 || before == Before::DanglingLink;
        StateFile state;
        state.SetPath(path.string());
        CountingFileSystemCalls files;
        EXPECT_EQ(state.Save(Changed(), files), "");
        EXPECT_EQ(files.syncs, 1);
        EXPECT_EQ(files.folderSyncs, 1);
        EXPECT_EQ(fs::is_symlink(path), linked);
        EXPECT_EQ(ReadFileBytes(linked ? target : path), saved);
        EXPECT_EQ(ModeOf(linked ? target : path), mode);
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
        const char* message;
    };
    const Case cases[] = {
        {&CountingFileSystemCalls::failCreate, EACCES,
         "Error when attempting to save the state: Permission denied"},
        {&CountingFileSystemCalls::failWrite, ENOSPC,
         "Error when attempting to save the state: No space left on device"},
        {&CountingFileSystemCalls::failSync, EIO,
         "Error when attempting to save the state: Input/output error"},
        {&CountingFileSystemCalls::failRename, EXDEV,
         "Error when attempting to save the state: Invalid cross-device link"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const TemporaryFolder folder;
        const fs::path path = folder.WriteFile("tagsmith.usr", previous);
        StateFile state;
        state.SetPath(path.string());
        CountingFileSystemCalls files;
        files.*c.fault = c.error;
        EXPECT_EQ(state.Save(Changed(), files), c.message);
        EXPECT_EQ(ReadFileBytes(path), previous);
        EXPECT_EQ(FolderNames(folder.Path()), Names{"tagsmith.usr"});
    }
}

}  // namespace
}  // namespace tagsmith::test
