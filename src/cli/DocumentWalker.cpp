#include "cli/DocumentWalker.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <set>

#include "cli/HtmlReport.h"
#include "core/editor/BackupPath.h"
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

// Whether the file (an entry of the open folder) begins as the report command's pages do.
bool IsReportPage(int folder, const char* name) {
    const int fd = openat(folder, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    const std::string_view start = kReportPageStart;
    std::string bytes(start.size(), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t count = read(fd, bytes.data() + got, bytes.size() - got);
        if (count <= 0) break;
        got += static_cast<std::size_t>(count);
    }
    close(fd);
    return got == bytes.size() && bytes == start;
}

// Drops the files that are the backup of another document of the list.
void DropBackups(std::vector<std::string>& documents) {
    std::set<std::string> backups;
    for (const std::string& document : documents) backups.insert(BackupPath(document));
    std::erase_if(documents, [&](const std::string& document) {
        return backups.contains(document);
    });
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
        DropBackups(found);
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
        Fail(folder);
        return;
    }
    // Entries in byte order, so that the notices come out the same on every file system. Each
    // is looked at relative to the open folder, so that a path too long to name whole still
    // leads to it.
    struct Entry {
        std::string name;
        struct stat status {};
        bool link = false;
        bool reportPage = false;
    };
    std::vector<Entry> entries;
    while (const dirent* entry = readdir(handle.get())) {
        if (entry->d_name[0] != '.') entries.push_back({entry->d_name});  // hidden, "." and ".."
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    const int folderFd = dirfd(handle.get());
    std::vector<Entry> kept;
    for (Entry& entry : entries) {
        const char* const name = entry.name.c_str();
        if (fstatat(folderFd, name, &entry.status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) Fail(Join(folder, name));  // ENOENT: vanished since the listing
            continue;
        }
        entry.link = S_ISLNK(entry.status.st_mode);
        if (entry.link && fstatat(folderFd, name, &entry.status, 0) != 0) continue;  // dangling
        if (S_ISREG(entry.status.st_mode)) {
            if (!IsDocumentName(name)) continue;
            entry.reportPage = IsReportPage(folderFd, name);
        }
        kept.push_back(std::move(entry));
    }
    handle.reset();  // one open folder at a time, however deep the tree
    for (const Entry& entry : kept) {
        const std::string path = Join(folder, entry.name.c_str());
        if (S_ISREG(entry.status.st_mode)) {
            if (!entry.reportPage) documents.push_back(path);
            continue;
        }
        if (!S_ISDIR(entry.status.st_mode) || (entry.link && !m_followLinks)) continue;
        const FolderId id{entry.status.st_dev, entry.status.st_ino};
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

void DocumentWalker::Fail(const std::string& path) {
    m_failures.push_back("tagsmith: " + path + ": Error: " + std::strerror(errno));
}

}  // namespace tagsmith
