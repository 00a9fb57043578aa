#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "core/editor/FileSystemCalls.h"

namespace tagsmith {

// A new file with a unique name in the folder of a target file, which it replaces by an atomic
// rename once written in full. Until then the target is untouched; a temporary file that is not
// committed is removed when the object goes. Failures throw std::system_error.
class TemporaryFile {
public:
    TemporaryFile(FileSystemCalls& files, const std::string& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Write(std::string_view bytes);
    // Writes what is buffered, gives the file the permission bits (and, where allowed, the owner)
    // of `like`, syncs it to the disk and closes it.
    void Finish(const struct stat& like);
    // Renames the finished file over the target.
    void Commit();

    const std::string& Path() const { return m_path; }

private:
    void Flush();
    void CloseQuietly();

    FileSystemCalls& m_files;
    std::string m_target;
    std::string m_path;
    std::string m_buffer;
    int m_fd = -1;
    bool m_committed = false;
};

}  // namespace tagsmith
