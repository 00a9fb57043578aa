#include "core/editor/BackupPath.h"

#include <sys/stat.h>

#include <cerrno>

#include "core/text/AsciiLowerCase.h"

namespace tagsmith {

bool AlwaysBackedUp(const std::string& documentPath) {
    return documentPath.size() >= 4 &&
           AsciiLowerCase(std::string_view(documentPath).substr(documentPath.size() - 4)) == ".php";
}

bool BackupNameTaken(const std::string& backupPath) {
    struct stat status {};
    if (::lstat(backupPath.c_str(), &status) != 0) return errno != ENOENT;
    return !S_ISREG(status.st_mode);
}

std::string BackupPath(const std::string& documentPath) {
    const std::size_t slash = documentPath.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = documentPath.find_last_of('.');
    // Only a full stop of the file name counts: one in a folder name would name another folder.
    if (dot == std::string::npos || dot < nameStart) return documentPath + ".bak";
    return documentPath.substr(0, dot + 1) + "bak" + documentPath.substr(dot);
}

}  // namespace tagsmith
