#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/text/FileUtilities.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the lifetime of the object, then puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        Set(value);
    }
    ~ScopedEnvironment() { Set(m_old); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            setenv(m_name, value->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(FileUtilitiesTest, FileAndFolderQueries) {
    test::TemporaryFolder folder;
    const std::string file = folder.WriteFile("page.html", "x").string();
    const std::string folderPath = folder.Path().string();
    const std::string fileLink = (folder.Path() / "link.html").string();
    const std::string folderLink = (folder.Path() / "dirlink").string();
    const std::string dangling = (folder.Path() / "dangling").string();
    fs::create_symlink(file, fileLink);
    fs::create_directory_symlink(folder.Path(), folderLink);
    fs::create_symlink(folder.Path() / "gone", dangling);

    const struct {
        std::string path;
        bool isFile;
        bool isFolder;
    } cases[] = {
        {"", false, false},          {file, true, false},
        {fileLink, true, false},     {folderPath, false, true},
        {folderLink, false, true},   {dangling, false, false},
        {file + "/x", false, false}, {folderPath + "/nothing", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.path), c.isFile) << c.path;
        EXPECT_EQ(FolderExists(c.path), c.isFolder) << c.path;
    }
}

TEST(FileUtilitiesTest, ExtensionIsTheTextAfterTheLastDotOfTheName) {
    const struct {
        const char* path;
        bool lowerCase;
        const char* extension;
    } cases[] = {
        {"page.html", false, "html"}, {"page.HTML", true, "html"},   {"page.HTML", false, "HTML"},
        {"a.b.PhP", true, "php"},     {"/web.site/index", true, ""}, {"/web.site/index.", true, ""},
        {"noext", true, ""},          {"dir/.htm", true, "htm"},     {"", true, ""},
        {"x.tar.gz", false, "gz"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExtension(c.path, c.lowerCase), c.extension) << c.path;
    }
}

TEST(FileUtilitiesTest, ApplicationDataFolderFollowsTheXdgRules) {
    test::TemporaryFolder folder;
    const std::string config = (folder.Path() / "cfg").string();
    const std::string home = (folder.Path() / "home").string();
    const struct {
        std::optional<std::string> xdg;
        std::optional<std::string> home;
        fs::path expected;
    } cases[] = {
        {config, home, config},
        {std::nullopt, home, fs::path(home) / ".config"},
        {"", home, fs::path(home) / ".config"},
        {"relative/cfg", home, fs::path(home) / ".config"},  // a relative value is ignored
    };
    for (const auto& c : cases) {
        const ScopedEnvironment xdg("XDG_CONFIG_HOME", c.xdg);
        const ScopedEnvironment homeVariable("HOME", c.home);
        EXPECT_EQ(ApplicationDataFolder(), c.expected);
    }
    // Without either variable: the account's home folder, else the root folder.
    const ScopedEnvironment xdg("XDG_CONFIG_HOME", std::nullopt);
    const ScopedEnvironment homeVariable("HOME", std::nullopt);
    EXPECT_TRUE(ApplicationDataFolder().is_absolute());
}

TEST(FileUtilitiesTest, UserDataFilePathCreatesItsFolderOnce) {
    test::TemporaryFolder folder;
    const fs::path config = folder.Path() / "not-yet" / "config";
    const ScopedEnvironment xdg("XDG_CONFIG_HOME", config.string());
    const std::string path = UserDataFilePath("a.usr", "Q");
    EXPECT_EQ(path, (config / "Q" / "a.usr").string());
    EXPECT_TRUE(FolderExists((config / "Q").string()));
    EXPECT_FALSE(FileExists(path));
    const auto written = folder.WriteFile("not-yet/config/Q/a.usr", "state");
    EXPECT_EQ(UserDataFilePath("a.usr", "Q"), path);  // a second call creates and clears nothing
    EXPECT_EQ(test::ReadFileBytes(written), "state");

    // A file standing where the folder should be cannot be replaced: the failure is thrown.
    folder.WriteFile("not-yet/config/R", "a file");
    EXPECT_THROW(UserDataFilePath("a.usr", "R"), fs::filesystem_error);
}

TEST(FileUtilitiesTest, ProgramDataFolderHoldsTheProgramText) {
    // The test programs are built beside the copied data, as the tools are.
    const fs::path folder = ProgramDataFolder();
    EXPECT_TRUE(FileExists((folder / "zpm.dat").string())) << folder;
}

}  // namespace
}  // namespace tagsmith
