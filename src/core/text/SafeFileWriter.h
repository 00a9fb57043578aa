#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/text/FileIdentity.h"
#include "core/text/FileSystemCalls.h"

namespace tagsmith {

struct SafeWriteOptions {
    // The permission bits of a file that does not exist yet (the umask is not applied).
    mode_t newFileMode = 0600;
    // Whose permission bits and owner the new file takes; by default those of the file it
    // replaces (a backup takes its document's).
    const struct stat* like = nullptr;
    // The version of the file that was read: when the file at the target is another one just
    // before the rename, nothing is written and FileRefusedError(Changed) is thrown.
    std::optional<FileIdentity> expected;
};

// The one way the program replaces a file. The new content goes to a new file with an exclusive
// name beside the target; once written in full it is synced, given the target's permission bits
// (and owner, where the user may), and renamed over the target, and the folder is synced. Until
// the rename the target is untouched; a writer that is not committed removes its temporary file,
// and the file's name is known to PendingFileRegistry for as long as it exists. A path that is a
// symbolic link stays one: the link's target is written. Failures throw std::system_error.
class SafeFileWriter {
public:
    SafeFileWriter(FileSystemCalls& files, const std::string& path, SafeWriteOptions options = {});
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    void Write(std::string_view bytes);
    // Writes what is buffered, sets owner and mode, syncs and closes the temporary file.
    void Finish();
    // Throws FileRefusedError(Changed) when the target is no longer the expected version.
    void CheckUnchanged();
    // Finishes if needed, checks the target once more and renames the new file over it.
    void Commit();

    // The file that is replaced (the final target of a link).
    const std::string& Target() const { return m_target; }
    const std::string& TemporaryPath() const { return m_temporary; }

private:
    void CreateTemporary();
    void WriteAll(std::string_view bytes);
    void Flush();
    void Discard() noexcept;

    FileSystemCalls& m_files;
    SafeWriteOptions m_options;
    std::string m_target;
    std::string m_temporary;
    std::string m_buffer;
    std::optional<struct stat> m_existing;
    int m_fd = -1;
    int m_slot = -1;
    bool m_finished = false;
    bool m_committed = false;
};

// The file a path leads to: the final target of a chain of symbolic links (relative links are
// taken from the link's folder), or the path itself. A dangling link gives its target.
std::string ResolveLinkTarget(const std::string& path);

}  // namespace tagsmith
