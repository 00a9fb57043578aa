#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace tagsmith::test {

// A fresh empty folder under the system's temporary folder, removed when the object goes.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes bytes to name inside the folder and returns the full path.
    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::filesystem::path& path);
// The names in a folder, hidden ones (temporary files) included.
std::set<std::string> FolderNames(const std::filesystem::path& folder);
// The names in a folder in byte order (none when it cannot be read): one case a name.
std::vector<std::string> SortedNames(const std::filesystem::path& folder);
// The text in single quotes for the shell.
std::string ShellQuoted(const std::string& text);
// The folder holding the built executables and the program data (zpm.dat, cmwds_*.txt).
std::filesystem::path BinaryFolder();
// The source tree (for fixtures under tests/ and the data under data/).
std::filesystem::path SourceFolder();

}  // namespace tagsmith::test
