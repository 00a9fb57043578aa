#include "cli/DocumentWalker.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "core/pipeline/InputValidation.h"
#include "core/text/FileUtilities.h"

namespace tagsmith {

namespace {

struct FolderCloser {
    void operator()(DIR* folder) const { closedir(folder); }
};

std::string Join(const std::string& folder, const char* name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool IsDocumentName(const char* name) {
    return IsDocumentExtension(FileExtension(name, true));
}

}  // namespace

std::vector<std::string> DocumentWalker::Expand(const std::vector<std::string>& arguments) {
    std::vector<std::string> documents;
    for (const std::string& argument : arguments) {
        struct stat status {};
        // A folder named on the command line is walked even when reached through a link.
        if (stat(argument.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
            documents.push_back(argument);
            continue;
        }
        std::vector<std::string> found;
        std::vector<FolderId> ancestors{{status.st_dev, status.st_ino}};
        Walk(argument, ancestors, found);
        std::sort(found.begin(), found.end());  // std::string compares bytes as unsigned
        documents.insert(documents.end(), std::make_move_iterator(found.begin()),
                         std::make_move_iterator(found.end()));
    }
    return documents;
}

void DocumentWalker::Walk(const std::string& folder, std::vector<FolderId>& ancestors,
                          std::vector<std::string>& documents) {
    std::unique_ptr<DIR, FolderCloser> handle(opendir(folder.c_str()));
    if (!handle) {
        m_failures.push_back("tagsmith: " + folder + ": Error: " + std::strerror(errno));
        return;
    }
    // Entries in byte order, so that the notices come out the same on every file system.
    std::vector<std::string> names;
    while (const dirent* entry = readdir(handle.get())) {
        if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);  // hidden, "." and ".."
    }
    handle.reset();  // one open folder at a time, however deep the tree
    std::sort(names.begin(), names.end());
    for (const std::string& entryName : names) {
        const char* const name = entryName.c_str();
        const std::string path = Join(folder, name);
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0) continue;  // vanished since the listing
        const bool link = S_ISLNK(status.st_mode);
        if (link && stat(path.c_str(), &status) != 0) continue;  // a dangling link
        if (S_ISREG(status.st_mode)) {
            if (IsDocumentName(name)) documents.push_back(path);
            continue;
        }
        if (!S_ISDIR(status.st_mode) || (link && !m_followLinks)) continue;
        const FolderId id{status.st_dev, status.st_ino};
        if (std::find(ancestors.begin(), ancestors.end(), id) != ancestors.end()) {
            m_notices.push_back("tagsmith: " + path +
                                ": Skipped: the link leads back into a folder being walked");
            continue;
        }
        ancestors.push_back(id);
        Walk(path, ancestors, documents);
        ancestors.pop_back();
    }
}

}  // namespace tagsmith
