#pragma once

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

namespace tagsmith {

// Turns the FILE arguments into the list of documents to process. A folder stands for every
// document below it whose extension the scanner takes (one containing "htm", or "php"), sorted
// in byte order of the path; names starting with "." (hidden files and folders) are passed over,
// and so are symbolic links to folders unless links are followed. Any other argument is a
// document as given, whatever its extension. Paths are built by appending "/" and the entry name
// to the argument, byte for byte.
//
// Two kinds of file below a folder are the program's own and no documents: a file whose name is
// the backup name insert gives another document found below the same folder (p.bak.html beside
// p.html, and so p.bak.bak.html beside p.bak.html), and a page written by the report command.
// Named on the command line, either is a document like any other.
class DocumentWalker {
public:
    explicit DocumentWalker(bool followLinks) : m_followLinks(followLinks) {}

    // The documents of all arguments, in argument order.
    std::vector<std::string> Expand(const std::vector<std::string>& arguments);

    // Lines for the error stream: folders and entries that could not be read (failures) and
    // links that lead back into a folder being walked (notices).
    const std::vector<std::string>& Failures() const { return m_failures; }
    const std::vector<std::string>& Notices() const { return m_notices; }

private:
    using FolderId = std::pair<dev_t, ino_t>;

    void Walk(const std::string& folder, std::vector<FolderId>& ancestors,
              std::vector<std::string>& documents);
    // A failure line for the path with the system's description of errno.
    void Fail(const std::string& path);

    bool m_followLinks;
    std::vector<std::string> m_failures;
    std::vector<std::string> m_notices;
};

}  // namespace tagsmith
