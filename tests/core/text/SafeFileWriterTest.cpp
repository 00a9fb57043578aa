#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <set>

#include "core/text/PendingFileRegistry.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/SystemError.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

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
    const std::pair<std::string, std::string> cases[] = {
        {"second", "a/b/real.html"},
        {"a/b/real.html", "a/b/real.html"},
        {"none.html", "none.html"},
    };
    for (const auto& [given, target] : cases) {
        EXPECT_EQ(ResolveLinkTarget((folder.Path() / given).string()),
                  (folder.Path() / target).string());
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
