#include "cli/SharedFiles.h"

#include <sys/stat.h>

#include <set>
#include <utility>

#include "core/editor/BackupPath.h"

namespace tagsmith {

bool DocumentsShareFiles(const std::vector<std::string>& documents) {
    std::set<std::pair<dev_t, ino_t>> files;
    for (const std::string& document : documents) {
        struct stat status {};
        if (stat(document.c_str(), &status) != 0) continue;  // refused before anything is written
        if (!files.insert({status.st_dev, status.st_ino}).second) return true;
    }
    for (const std::string& document : documents) {
        struct stat status {};
        if (stat(BackupPath(document).c_str(), &status) == 0 &&
            files.contains({status.st_dev, status.st_ino})) {
            return true;
        }
    }
    return false;
}

}  // namespace tagsmith
