#include "core/text/FileUtilities.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace tagsmith {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramTextFileName = "zpm.dat";

// The value of an environment variable, or "" when it is unset.
std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// The user's home folder from the account database, for a process started without $HOME: the
// real user id comes from /proc/self/status, the folder from the sixth field of /etc/passwd.
std::string AccountHomeFolder() {
    std::ifstream status("/proc/self/status");
    std::string line;
    std::string uid;
    while (std::getline(status, line)) {
        if (line.starts_with("Uid:")) {
            std::istringstream fields(line.substr(4));
            fields >> uid;
            break;
        }
    }
    if (uid.empty()) return {};
    std::ifstream passwd("/etc/passwd");
    while (std::getline(passwd, line)) {
        std::vector<std::string> fields;
        std::istringstream entry(line);
        for (std::string field; std::getline(entry, field, ':');) fields.push_back(field);
        if (fields.size() >= 6 && fields[2] == uid) return fields[5];
    }
    return {};
}

}  // namespace

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool PathExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    return fs::exists(path, error);
}

bool FolderExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    return fs::is_directory(path, error);
}

fs::path ApplicationDataFolder() {
    // A relative XDG_CONFIG_HOME is invalid by the XDG rules and is ignored.
    const fs::path configHome = Environment("XDG_CONFIG_HOME");
    if (!configHome.empty() && configHome.is_absolute()) return configHome;
    const std::string home = Environment("HOME");
    if (!home.empty()) return fs::path(home) / ".config";
    const std::string accountHome = AccountHomeFolder();
    if (!accountHome.empty()) return accountHome;
    return "/";
}

std::string UserDataFilePath(const std::string& fileName, const std::string& folderName) {
    const fs::path folder = ApplicationDataFolder() / folderName;
    if (!FolderExists(folder.string())) {
        // The configuration folder itself (~/.config, $XDG_CONFIG_HOME) may not exist yet on a
        // fresh account; the XDG rules ask programs to create it, so missing levels are made too.
        fs::create_directories(folder);
    }
    return (folder / fileName).string();
}

fs::path ProgramDataFolder() {
    std::error_code error;
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) executable = fs::current_path(error) / "tagsmith";
    const fs::path beside = executable.parent_path();
    if (FileExists((beside / kProgramTextFileName).string())) return beside;
    return (beside / ".." / "share" / "tagsmith").lexically_normal();
}

std::string FileExtension(const std::string& path, bool lowerCase) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) return {};
    std::string extension = path.substr(dot + 1);
    if (lowerCase) {
        for (char& c : extension) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return extension;
}

}  // namespace tagsmith
