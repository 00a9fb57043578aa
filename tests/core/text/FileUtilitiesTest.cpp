#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>

#include "core/text/FileUtilities.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;
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
    test::TemporaryFolder folder;
    const std::string file = folder.WriteFile("page.html", "x").string();
    const std::string dir = folder.Path().string();
    fs::create_symlink(file, dir + "/link.html");
    fs::create_directory_symlink(dir, dir + "/dirlink");
    fs::create_symlink(dir + "/gone", dir + "/dangling");
    const std::tuple<std::string, bool, bool> cases[] = {
        {"", false, false},
        {file, true, false},
        {dir + "/link.html", true, false},
        {dir, false, true},
        {dir + "/dirlink", false, true},
        {dir + "/dangling", false, false},
        {file + "/x", false, false},
        {dir + "/nothing", false, false},
    };
    for (const auto& [path, isFile, isFolder] : cases) {
        EXPECT_EQ(FileExists(path), isFile) << path;
        EXPECT_EQ(FolderExists(path), isFolder) << path;
    }
}

TEST(FileUtilitiesTest, ApplicationDataFolderFollowsTheXdgRules) {
    test::TemporaryFolder folder;
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
    test::TemporaryFolder folder;
    const fs::path config = folder.Path() / "not-yet" / "config";
    const ScopedVariable xdg("XDG_CONFIG_HOME", config.string());
    const std::string path = UserDataFilePath("a.usr", "Q");
    EXPECT_EQ(path, (config / "Q" / "a.usr").string());
    EXPECT_TRUE(FolderExists((config / "Q").string()));
    const auto written = folder.WriteFile("not-yet/config/Q/a.usr", "state");
    EXPECT_EQ(UserDataFilePath("a.usr", "Q"), path);
    EXPECT_EQ(test::ReadFileBytes(written), "state");  // the second call cleared nothing
    // A file standing where the folder should be: the failure is thrown.
    folder.WriteFile("not-yet/config/R", "a file");
    EXPECT_THROW(UserDataFilePath("a.usr", "R"), fs::filesystem_error);
}

TEST(FileUtilitiesTest, ProgramDataFolderIsBesideTheExecutableElseTheConfiguredRelativeOne) {
    test::TemporaryFolder folder;
    const fs::path root = folder.Path();
    folder.WriteFile("build/bin/zpm.dat", "");
    folder.WriteFile("build/bin/tagsmith-cli", "");
    folder.WriteFile("usr/bin/tagsmith-cli", "");
    folder.WriteFile("usr/share/tagsmith/zpm.dat", "");
    const std::tuple<fs::path, fs::path, fs::path> cases[] = {
        // executable, path from its folder to the data folder, the data folder
        {root / "build/bin/tagsmith-cli", "../share/tagsmith", root / "build/bin"},
        {root / "usr/bin/tagsmith-cli", "../share/tagsmith", root / "usr/share/tagsmith"},
        {root / "usr/bin/tagsmith-cli", "../share/x/tagsmith", root / "usr/share/x/tagsmith"},
        {root / "opt/t/libexec/bin/tagsmith", "../../share/tagsmith",
         root / "opt/t/share/tagsmith"},
        {root / "usr/bin/tagsmith-cli", "/srv/tagsmith/", "/srv/tagsmith/"},
    };
    for (const auto& [executable, relative, expected] : cases) {
        EXPECT_EQ(ProgramDataFolderFor(executable, relative), expected) << executable;
    }
    // The test program itself runs from the build tree, where the data lies beside it.
    EXPECT_TRUE(FileExists((ProgramDataFolder() / "zpm.dat").string()));
}

}  // namespace
}  // namespace tagsmith
