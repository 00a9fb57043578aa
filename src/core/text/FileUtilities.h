#pragma once

#include <filesystem>
#include <string>

namespace tagsmith {

// True if a regular file (or a link to one) exists at the path; false for an empty path.
bool FileExists(const std::string& path);
// True if anything exists at the path (a link is followed): a file, a folder, a FIFO, a device.
bool PathExists(const std::string& path);
// True if the path names an existing folder; false on any failure.
bool FolderExists(const std::string& path);
// The per-user application-data folder: $XDG_CONFIG_HOME, else $HOME/.config, else the home
// folder, else the root folder.
std::filesystem::path ApplicationDataFolder();
// Full path of fileName inside folderName under the application-data folder; creates that one
// folder when it is missing (throws std::filesystem::filesystem_error when that fails).
std::string UserDataFilePath(const std::string& fileName, const std::string& folderName);
// The program's data folder (zpm.dat, cmwds_*.txt): beside the executable in a build tree, or
// <prefix>/share/tagsmith when installed.
std::filesystem::path ProgramDataFolder();
// The extension: the text after the last "." of the last path component ("" when none).
std::string FileExtension(const std::string& path, bool lowerCase);

}  // namespace tagsmith
